#include "app/menu_bar.h"

#include <string>

#include "model/editor_state.h"
#include "platform/window.h"

void buildMenuBar() {
    addMenuTitle("File");
    addMenuItem(MenuOpen, "Open\tCtrl+O");
    addMenuItem(MenuSave, "Save\tCtrl+S");
    addMenuSeparator();
    addMenuItem(MenuClose, "Close\tCtrl+Q");

    addMenuTitle("Mode");
    addMenuItem(MenuLower, "Lower");
    addMenuItem(MenuUpper, "Upper");
    openSubmenu("Background");
    for (int32_t n = 0; n < 16; ++n) addMenuItem(MenuBackgroundBase + n, std::to_string(n));
    closeSubmenu();

    addMenuTitle("Draw");
    addMenuItem(MenuPen, "Pen");
    addMenuItem(MenuLine, "line");
    addMenuItem(MenuFill, "fill");
    addMenuSeparator();
    addMenuItem(MenuClearScreen, "Clear screen");

    addShortcut('O', MenuOpen);
    addShortcut('S', MenuSave);
    addShortcut('Q', MenuClose);

    setMenuCheck(MenuUpper, true);
    updateBackgroundMenu();
}

void updateBackgroundMenu() {
    for (int32_t n = 0; n < 16; ++n) setMenuCheck(MenuBackgroundBase + n, n == editor.backgroundColour);
}
