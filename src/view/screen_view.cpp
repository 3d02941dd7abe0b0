#include "view/screen_view.h"

#include <algorithm>

#include "model/editor_state.h"
#include "model/screen_buffer.h"
#include "platform/canvas.h"
#include "platform/canvas_drawing.h"
#include "platform/events.h"
#include "view/glyph_cells.h"
#include "view/palette.h"

namespace {

// Dotted lines run along x = 16j and y = 16j for j below GridLineCount, dots at every even t up to GridDotEnd.
constexpr int32_t GridLineCount = 40;
constexpr int32_t GridDotEnd = 640;

void drawGridDots() {
    const CanvasDrawing& d = currentDrawing;
    const uint32_t grey = ColourGrey | OpaquePixel;
    const int32_t lastX = std::min(GridDotEnd, d.width - 1);
    const int32_t lastY = std::min(GridDotEnd, d.height - 1);
    for (int32_t j = 0; j < GridLineCount && 16 * j <= lastY; ++j) {
        uint32_t* row = d.pixels + int64_t(16 * j) * d.stride;
        for (int32_t x = 0; x <= lastX; x += 2) row[x] = grey;
    }
    for (int32_t y = 0; y <= lastY; y += 2) {
        uint32_t* row = d.pixels + int64_t(y) * d.stride;
        for (int32_t j = 0; j < GridLineCount && 16 * j <= lastX; ++j) row[16 * j] = grey;
    }
}

}  // namespace

void renderScreenView() {
    if (!beginDrawing(ScreenCanvas)) return;
    // A loaded file can bring a background above 15; its low four bits choose the colour.
    const uint32_t background = Palette[editor.backgroundColour & 15];
    uint32_t foregrounds[CellCount];
    for (int32_t cell = 0; cell < CellCount; ++cell) foregrounds[cell] = Palette[screen->colourPlane[cell] & 15];
    drawGlyphCells(screen->codePlane, foregrounds, background, GridColumns, GridRows);
    drawGridDots();
    // The pointer cell is not limited to the picture; the outline clips at the image's edges.
    const CanvasPoint pointer = eventPointerPosition(ScreenCanvas);
    setOutlineMode();
    drawRect(16 * (pointer.x / 16), 16 * (pointer.y / 16), 16, 16, ColourRed);
    endDrawing();
}
