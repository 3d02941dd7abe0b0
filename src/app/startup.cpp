#include "app/startup.h"

#include "app/menu_bar.h"
#include "file/raw_text_file.h"
#include "model/cell_edits.h"
#include "model/editor_state.h"
#include "model/screen_buffer.h"
#include "platform/canvas.h"
#include "platform/command_line.h"
#include "platform/window.h"
#include "view/glyph_set.h"
#include "view/palette.h"
#include "view/picker_view.h"
#include "view/screen_view.h"

std::string TitleText;
int32_t menuFrameHeight = 0;

void startUp() {
    allocateScreenBuffer();
    allocateGlyphSet();
    editor.selectedIndex = 0;
    editor.selectedColour = 14;
    editor.backgroundColour = 6;
    editor.charset = CharsetUpper;
    resetLastDirectory();
    editor.toolMode = ToolPen;
    TitleText = "Tegrel 0.9";
    fillPalette();
    menuFrameHeight = systemMenuBarHeight() + systemDialogFrameThickness();

    const int32_t screenViewHeight = 400 + menuFrameHeight;
    if (!openMainWindow(TitleText, MainWindowWidth, screenViewHeight)) exitProgram();
    createCanvas(ScreenCanvas, 0, 0, ScreenViewWidth, screenViewHeight, true);
    createCanvas(PickerCanvas, ScreenViewWidth, 0, PickerViewWidth, PickerViewHeight, false);
    enableFileDrop(ScreenCanvas);
    if (createMenuBar()) buildMenuBar();

    buildGlyphSet();
    clearScreen();
    if (argumentCount() > 0) loadScreenFile(firstArgument());
    renderScreenView();
    renderPickerView();
    editor.anchorColumn = -1;
    editor.anchorRow = -1;
}

void exitProgram() {
    releaseGlyphSet();
    releaseScreenBuffer();
    platformTeardown();
    endProcess(0);
}
