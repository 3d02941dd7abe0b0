#include "app/menu_commands.h"

#include "app/menu_bar.h"
#include "app/startup.h"
#include "file/file_commands.h"
#include "model/cell_edits.h"
#include "model/editor_state.h"
#include "platform/window.h"
#include "view/glyph_set.h"
#include "view/picker_view.h"
#include "view/screen_view.h"

static void chooseCharset(int32_t charset) {
    setMenuCheck(MenuLower, charset == CharsetLower);
    setMenuCheck(MenuUpper, charset == CharsetUpper);
    editor.charset = charset;
    buildGlyphSet();
    renderScreenView();
    renderPickerView();
}

void handleMenuCommand(int32_t id) {
    if (id >= MenuBackgroundBase && id < MenuBackgroundBase + 16) {
        editor.backgroundColour = id - MenuBackgroundBase;
        updateBackgroundMenu();
        renderScreenView();
        return;
    }
    switch (id) {
        case MenuOpen:
            openCommand();
            break;
        case MenuSave:
            saveCommand();
            break;
        case MenuClose:
            exitProgram();
        case MenuLower:
            chooseCharset(CharsetLower);
            break;
        case MenuUpper:
            chooseCharset(CharsetUpper);
            break;
        case MenuPen:
        case MenuLine:
        case MenuFill:
            editor.toolMode = id;
            break;
        case MenuClearScreen:
            clearScreen();
            renderScreenView();
            break;
        default:
            break;
    }
}
