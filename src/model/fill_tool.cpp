#include "model/fill_tool.h"

#include "model/cell_edits.h"
#include "model/editor_state.h"
#include "model/picker_order.h"
#include "model/screen_buffer.h"
#include "platform/dialogs.h"
#include "view/screen_view.h"

void fillToolClick(int32_t column, int32_t row) {
    if (pickerScreenCode(editor.selectedIndex) == BlankCode) {
        showMessage("Fill", "Cannot fill space!");
        return;
    }
    floodFill(column, row);
    renderScreenView();
}

namespace {
// One level of the depth-first fill: its cell and which neighbour it tries next (left, right, up, down).
struct FillFrame {
    int32_t column;
    int32_t row;
    int32_t nextNeighbour;
};

bool isSpace(int32_t column, int32_t row) { return screen->codePlane[cellIndex(column, row)] == BlankCode; }
}  // namespace

void floodFill(int32_t column, int32_t row) {
    // A click below the grid: nothing to paint, and nothing outside the planes is read.
    if (!cellInGrid(column, row)) return;

    // Each cell is entered at most once, so the stack never holds more levels than there are cells;
    // the recursion this replaces nests up to 1000 deep on a blank picture.
    FillFrame stack[CellCount];
    bool entered[CellCount] = {};
    int32_t depth = 0;

    const auto enter = [&](int32_t c, int32_t r) {
        plotCell(c, r);
        entered[cellIndex(c, r)] = true;
        stack[depth++] = {c, r, 0};
    };
    // Only a space counts. `entered` matters only when the fill paints spaces itself, which the tool
    // refuses; without it such a fill would never end.
    const auto open = [&](int32_t c, int32_t r) { return isSpace(c, r) && !entered[cellIndex(c, r)]; };

    enter(column, row);
    while (depth > 0) {
        FillFrame& frame = stack[depth - 1];
        const int32_t c = frame.column;
        const int32_t r = frame.row;
        switch (frame.nextNeighbour++) {
            case 0:
                if (c > 0 && open(c - 1, r)) enter(c - 1, r);
                break;
            case 1:
                if (c < GridColumns - 1 && open(c + 1, r)) enter(c + 1, r);
                break;
            case 2:
                if (r > 0 && open(c, r - 1)) enter(c, r - 1);
                break;
            case 3:
                if (r < GridRows - 1 && open(c, r + 1)) enter(c, r + 1);
                break;
            default:
                --depth;
                break;
        }
    }
}
