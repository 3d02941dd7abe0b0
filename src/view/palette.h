// The 16 Commodore 64 colours and the fixed colours of the two views, as colourValues.
#pragma once
#include <cstdint>

// A colourValue holds red in bits 0..7, green in 8..15, blue in 16..23.
constexpr uint32_t rgbColour(uint32_t red, uint32_t green, uint32_t blue) { return red | green << 8 | blue << 16; }
constexpr uint32_t inverseColour(uint32_t colour) { return colour ^ 0xFFFFFFu; }

constexpr uint32_t ColourBlack = 0x000000;
constexpr uint32_t ColourRed = 0x0000FF;
constexpr uint32_t ColourGreen = 0x00FF00;
constexpr uint32_t ColourGrey = 0x7F7F7F;

// Red, green, blue, 0 for each entry: read little-endian, each group is the entry's colourValue.
extern const uint8_t PaletteSource[64];
// Filled once at start-up from PaletteSource.
extern uint32_t Palette[16];

void fillPalette();
