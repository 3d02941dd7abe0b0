// Glyph cells at double size, written straight into the image of the drawing in progress.
#pragma once
#include <cstdint>

// The widest grid of cells one call can draw (the screen view's 40 columns).
constexpr int32_t MaxGlyphColumns = 40;

// Draws columns × rows cells of 16 × 16 pixels from the image's top-left corner. Cell (c, r) shows
// glyph codes[c + columns·r] of GlyphSet, each glyph pixel a 2 × 2 square in foregrounds[c + columns·r]
// where its bit is 1 and in background where it is 0. Clipped to the image; nothing else is touched.
void drawGlyphCells(const uint8_t* codes, const uint32_t* foregrounds, uint32_t background, int32_t columns,
                    int32_t rows);
