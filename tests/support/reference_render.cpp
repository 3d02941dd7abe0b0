#include "support/reference_render.h"

#include "model/editor_state.h"
#include "model/picker_order.h"
#include "model/screen_buffer.h"
#include "platform/canvas.h"
#include "platform/canvas_drawing.h"
#include "platform/events.h"
#include "view/glyph_set.h"
#include "view/palette.h"
#include "view/picker_view.h"

namespace {

void drawGlyphSquares(int32_t column, int32_t row, int32_t code, uint32_t foreground, uint32_t background) {
    for (int32_t k = 0; k < 8; ++k) {
        const uint8_t g = GlyphSet[code * 8 + k];
        int32_t mask = 128;
        for (int32_t l = 0; l < 8; ++l, mask >>= 1)
            drawRect(16 * column + 2 * l, 16 * row + 2 * k, 2, 2, (g & mask) != 0 ? foreground : background);
    }
}

}  // namespace

void referenceRenderScreenView() {
    if (!beginDrawing(ScreenCanvas)) return;
    const uint32_t background = Palette[editor.backgroundColour & 15];
    for (int32_t r = 0; r < 25; ++r)
        for (int32_t c = 0; c < 40; ++c)
            drawGlyphSquares(c, r, screen->codePlane[c + 40 * r], Palette[screen->colourPlane[c + 40 * r] & 15],
                             background);
    for (int32_t j = 0; j < 40; ++j)
        for (int32_t t = 0; t <= 640; t += 2) {
            drawRect(16 * j, t, 1, 1, ColourGrey);
            drawRect(t, 16 * j, 1, 1, ColourGrey);
        }
    const CanvasPoint pointer = eventPointerPosition(ScreenCanvas);
    setOutlineMode();
    drawRect(16 * (pointer.x / 16), 16 * (pointer.y / 16), 16, 16, ColourRed);
    endDrawing();
}

void referenceRenderPickerView() {
    if (!beginDrawing(PickerCanvas)) return;
    for (int32_t r = 0; r < 16; ++r)
        for (int32_t c = 0; c < 16; ++c) {
            const int32_t p = 16 * r + c;
            const int32_t code = PickerOrder[editor.charset * 128 + (p & 127)] + (p & 128);
            drawGlyphSquares(c, r, code, Palette[14], Palette[6]);
        }
    for (int32_t n = 0; n < 16; ++n) drawRect(16 * n, 256, 16, 16, Palette[n]);
    for (int32_t n = 0; n < 16; ++n) {
        drawPixelLine(16 * n, 0, 16 * n, 255, ColourBlack);
        drawPixelLine(0, 16 * n, 255, 16 * n, ColourBlack);
    }
    drawRect(16 * editor.selectedColour + 4, 260, 8, 8, inverseColour(Palette[editor.selectedColour]));
    setOutlineMode();
    drawRect(16 * (editor.selectedIndex & 15), editor.selectedIndex & 240, 16, 16, ColourRed);
    const CanvasPoint pointer = eventPointerPosition(PickerCanvas);
    drawRect(16 * (pointer.x / 16), 16 * (pointer.y / 16), 16, 16, ColourGreen);
    lastHoverColumn = pointer.x / 16;
    lastHoverRow = pointer.y / 16;
    endDrawing();
}
