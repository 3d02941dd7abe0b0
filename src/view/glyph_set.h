// The 256 glyphs of the current character set: 128 from the ROM and their bitwise inverses.
#pragma once
#include <cstdint>

// Glyph of screen code c is bytes c·8 .. c·8 + 7; obtained at start-up, released at exit.
extern uint8_t* GlyphSet;

void allocateGlyphSet();
void releaseGlyphSet();
// Rewrites all 2048 bytes from the ROM set chosen by editor.charset.
void buildGlyphSet();
