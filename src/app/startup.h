// Start-up, the window's geometry and the one exit path.
#pragma once
#include <cstdint>
#include <string>

constexpr int32_t MainWindowWidth = 896;

// "Tegrel 0.9": the window's first title and the start of every status title.
extern std::string TitleText;
// Menu-bar button height plus dialog-frame thickness; the screen view reaches this far below the picture.
extern int32_t menuFrameHeight;

// Brings the picture, the window and both views into their first state.
void startUp();
// Releases the glyph set and the picture, tears the window down and ends with status 0.
[[noreturn]] void exitProgram();
