#include "model/cell_edits.h"

#include <cstring>

#include "model/editor_state.h"
#include "model/picker_order.h"
#include "model/screen_buffer.h"
#include "view/screen_view.h"

void plotCell(int32_t column, int32_t row) {
    if (!cellInGrid(column, row)) return;
    const int32_t cell = cellIndex(column, row);
    screen->codePlane[cell] = static_cast<uint8_t>(pickerScreenCode(editor.selectedIndex));
    screen->colourPlane[cell] = static_cast<uint8_t>(editor.selectedColour);
}

void eraseCell(int32_t column, int32_t row) {
    // A right click in the strip below the grid reaches here with row 25 or more.
    if (cellInGrid(column, row)) screen->codePlane[cellIndex(column, row)] = BlankCode;
    renderScreenView();
}

void clearScreen() {
    std::memset(screen->codePlane, BlankCode, CellCount);
    std::memset(screen->colourPlane, BlankColour, CellCount);
    renderScreenView();
}
