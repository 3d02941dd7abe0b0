// The one main window: geometry, menu bar, check marks, title, focus and teardown.
#pragma once
#include <cstdint>
#include <string>

#include "platform/canvas.h"

// Starts the toolkit; must run before any other window operation.
void initPlatform(int argc, char** argv);

// The menu-bar button height and the dialog-frame thickness, in pixels.
int32_t systemMenuBarHeight();
int32_t systemDialogFrameThickness();

// Opens the fixed-size window, content size as given without a menu bar, centred by its outer size.
bool openMainWindow(const std::string& title, int32_t contentWidth, int32_t contentHeight);
void enableFileDrop(CanvasId canvas);

bool createMenuBar();
void addMenuTitle(const std::string& text);
void addMenuItem(int32_t id, const std::string& text);
void addMenuSeparator();
void openSubmenu(const std::string& text);
void closeSubmenu();
// Control+letter raises the same menu event as item `id`, whatever child has the focus.
void addShortcut(char letter, int32_t id);
void setMenuCheck(int32_t id, bool checked);
bool menuChecked(int32_t id);

void setWindowTitle(const std::string& text);
std::string windowTitle();
void giveKeyboardFocus(CanvasId canvas);
bool canvasHasFocus(CanvasId canvas);

// Destroys the window, its menus and canvases and releases the toolkit.
void platformTeardown();
[[noreturn]] void endProcess(int status);
