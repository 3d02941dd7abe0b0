#include "view/glyph_cells.h"

#include <algorithm>
#include <cstring>

#include "platform/canvas_drawing.h"
#include "view/glyph_set.h"

namespace {

// [glyph row byte][pixel 0..15 of its doubled row]: all ones where that pixel shows the foreground.
struct DoubledRowMasks {
    uint32_t mask[256][16];
};

constexpr DoubledRowMasks makeDoubledRowMasks() {
    DoubledRowMasks table{};
    for (int g = 0; g < 256; ++g)
        for (int x = 0; x < 16; ++x) table.mask[g][x] = (g & (0x80 >> (x / 2))) ? 0xFFFFFFFFu : 0u;
    return table;
}

constexpr DoubledRowMasks DoubledRow = makeDoubledRowMasks();

// One pixel row of the cell row: glyph row k of every cell, each bit doubled in width.
void composeRow(uint32_t* __restrict out, const uint8_t* codes, const uint32_t* foregrounds, uint32_t background,
                int32_t columns, int32_t k) {
    for (int32_t c = 0; c < columns; ++c) {
        const uint32_t* __restrict mask = DoubledRow.mask[GlyphSet[codes[c] * 8 + k]];
        // Foreground where the mask is set, background elsewhere, without a branch.
        const uint32_t difference = (foregrounds[c] | OpaquePixel) ^ background;
        uint32_t* __restrict pixel = out + 16 * c;
        for (int x = 0; x < 16; ++x) pixel[x] = background ^ (difference & mask[x]);
    }
}

}  // namespace

void drawGlyphCells(const uint8_t* codes, const uint32_t* foregrounds, uint32_t background, int32_t columns,
                    int32_t rows) {
    const CanvasDrawing& d = currentDrawing;
    columns = std::clamp(columns, 0, MaxGlyphColumns);
    const int32_t fullWidth = 16 * columns;
    const int32_t width = std::min(fullWidth, d.width);
    const int32_t height = std::min(16 * rows, d.height);
    if (d.pixels == nullptr || width <= 0 || height <= 0) return;
    const uint32_t opaqueBackground = background | OpaquePixel;
    // A narrower image gets whole rows composed aside and copied in part.
    uint32_t clippedRow[16 * MaxGlyphColumns];
    for (int32_t y = 0; y < height; y += 2) {
        uint32_t* row = d.pixels + int64_t(y) * d.stride;
        const int32_t cell = columns * (y / 16);
        uint32_t* target = width == fullWidth ? row : clippedRow;
        composeRow(target, codes + cell, foregrounds + cell, opaqueBackground, columns, (y / 2) % 8);
        if (target != row) std::memcpy(row, clippedRow, size_t(width) * sizeof(uint32_t));
        if (y + 1 < height) std::memcpy(row + d.stride, row, size_t(width) * sizeof(uint32_t));
    }
}
