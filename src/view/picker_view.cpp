#include "view/picker_view.h"

#include <string>

#include "app/startup.h"
#include "model/editor_state.h"
#include "model/picker_order.h"
#include "platform/canvas.h"
#include "platform/canvas_drawing.h"
#include "platform/events.h"
#include "platform/window.h"
#include "view/glyph_cells.h"
#include "view/palette.h"

int32_t lastHoverColumn = 0;
int32_t lastHoverRow = 0;

namespace {

constexpr int32_t PickerColumns = 16;
constexpr int32_t PickerGlyphRows = 16;
constexpr int32_t ColourBarRow = 16;
// The picker's own glyph colours, light blue on blue, whatever the picture's background.
constexpr int32_t PickerForeground = 14;
constexpr int32_t PickerBackground = 6;

void drawSelectionMark() {
    drawRect(16 * (editor.selectedIndex & 15), editor.selectedIndex & 240, 16, 16, ColourRed);
}

// Truncates toward zero, so -15..-1 give cell 0.
int32_t pointerCell(int32_t pixel) { return pixel / 16; }

void coverHoverMark() {
    if (!beginDrawing(PickerCanvas)) return;
    setOutlineMode();
    drawRect(16 * lastHoverColumn, 16 * lastHoverRow, 16, 16, ColourBlack);
    drawSelectionMark();
    endDrawing();
}

void showHoveredCode() {
    // Wraps like the 32-bit two's-complement sum, so far-off positions cannot overflow.
    const int32_t hoverIndex = int32_t(16u * uint32_t(editor.pointerRow) + uint32_t(editor.pointerColumn));
    setWindowTitle(TitleText + " char:" + std::to_string(pickerScreenCode(hoverIndex)));
    renderPickerView();
}

void selectClickedCell() {
    const int32_t column = editor.pointerColumn;
    const int32_t row = editor.pointerRow;
    // Clicks arrive only inside the picker; any other cell selects nothing, so both fields stay in range.
    if (column >= 0 && column < PickerColumns && row >= 0 && row <= ColourBarRow) {
        if (row >= ColourBarRow)
            editor.selectedColour = column;
        else
            editor.selectedIndex = column + PickerColumns * row;
    }
    renderPickerView();
}

}  // namespace

void renderPickerView() {
    if (!beginDrawing(PickerCanvas)) return;
    uint8_t codes[PickerColumns * PickerGlyphRows];
    uint32_t foregrounds[PickerColumns * PickerGlyphRows];
    for (int32_t p = 0; p < PickerColumns * PickerGlyphRows; ++p) {
        codes[p] = uint8_t(pickerScreenCode(p));
        foregrounds[p] = Palette[PickerForeground];
    }
    drawGlyphCells(codes, foregrounds, Palette[PickerBackground], PickerColumns, PickerGlyphRows);
    for (int32_t n = 0; n < 16; ++n) drawRect(16 * n, 16 * ColourBarRow, 16, 16, Palette[n]);
    for (int32_t n = 0; n < 16; ++n) {
        drawPixelLine(16 * n, 0, 16 * n, 255, ColourBlack);
        drawPixelLine(0, 16 * n, 255, 16 * n, ColourBlack);
    }
    const int32_t colour = editor.selectedColour;
    drawRect(16 * colour + 4, 16 * ColourBarRow + 4, 8, 8, inverseColour(Palette[colour & 15]));
    setOutlineMode();
    drawSelectionMark();
    const CanvasPoint pointer = eventPointerPosition(PickerCanvas);
    const int32_t column = pointerCell(pointer.x);
    const int32_t row = pointerCell(pointer.y);
    drawRect(16 * column, 16 * row, 16, 16, ColourGreen);
    lastHoverColumn = column;
    lastHoverRow = row;
    endDrawing();
}

void handlePickerEvent() {
    const CanvasPoint pointer = eventPointerPosition(PickerCanvas);
    editor.pointerColumn = pointerCell(pointer.x);
    editor.pointerRow = pointerCell(pointer.y);
    const Event& event = currentEvent();
    if (event.kind != ViewEvent || event.view != PickerCanvas) return;
    switch (event.type) {
        case PointerLeave:
            coverHoverMark();
            break;
        case PointerMove:
            showHoveredCode();
            break;
        case LeftClick:
            selectClickedCell();
            break;
        case PointerEnter:
        case RightClick:
        case KeyDown:
            break;
    }
}
