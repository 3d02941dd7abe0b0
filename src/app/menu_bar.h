// The menu bar: File, Mode (with the Background submenu) and Draw.
#pragma once
#include <cstdint>

enum MenuId : int32_t {
    MenuOpen = 0,
    MenuSave = 1,
    MenuClose = 2,
    MenuLower = 3,
    MenuUpper = 4,
    MenuPen = 5,
    MenuLine = 6,
    MenuFill = 7,
    MenuClearScreen = 8,
    MenuBackgroundBase = 15,  // 15..30: background 0..15
};

// Builds the menus, the three shortcuts and the initial check marks.
void buildMenuBar();
// Checks the background item that equals backgroundColour and clears the other fifteen.
void updateBackgroundMenu();
