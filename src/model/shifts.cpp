#include "model/shifts.h"

#include <cstring>

#include "model/screen_buffer.h"
#include "platform/events.h"
#include "view/screen_view.h"

void editKey(int32_t key, int32_t modifiers, int32_t column, int32_t row) {
    // Six independent tests: Control+Shift runs both a line and a column operation, each with its redraw.
    if (key == KeyDelete && modifiers == 0) deleteCharacter(column, row);
    if (key == KeyInsert && modifiers == 0) insertCharacter(column, row);
    if (key == KeyDelete && (modifiers & ModifierControl)) deleteLine(row);
    if (key == KeyInsert && (modifiers & ModifierControl)) insertLine(row);
    if (key == KeyDelete && (modifiers & ModifierShift)) deleteColumn(column);
    if (key == KeyInsert && (modifiers & ModifierShift)) insertColumn(column);
}

namespace {
// Codes and colours always travel together; `count` cells starting at `from` go to `to` (overlap allowed).
void moveCells(int32_t to, int32_t from, int32_t count) {
    std::memmove(screen->codePlane + to, screen->codePlane + from, count);
    std::memmove(screen->colourPlane + to, screen->colourPlane + from, count);
}

void blankCells(int32_t first, int32_t count) {
    std::memset(screen->codePlane + first, BlankCode, count);
    std::memset(screen->colourPlane + first, BlankColour, count);
}

bool rowInGrid(int32_t row) { return row >= 0 && row < GridRows; }
bool columnInGrid(int32_t column) { return column >= 0 && column < GridColumns; }

// Row `row` from `column` onwards moves one cell left; the last cell becomes blank.
void closeCell(int32_t column, int32_t row) {
    const int32_t last = GridColumns - 1;
    if (column < last) moveCells(cellIndex(column, row), cellIndex(column + 1, row), last - column);
    blankCells(cellIndex(last, row), 1);
}

// Row `row` from `column` onwards moves one cell right, losing its last cell; `column` becomes blank.
void openCell(int32_t column, int32_t row) {
    const int32_t last = GridColumns - 1;
    if (column < last) moveCells(cellIndex(column + 1, row), cellIndex(column, row), last - column);
    blankCells(cellIndex(column, row), 1);
}
}  // namespace

// Pointer cells outside the grid move nothing: no cell may land in another row or outside the planes.
// Every operation still redraws once, except deleteCharacter whenever it changes nothing.

void deleteCharacter(int32_t column, int32_t row) {
    if (column >= GridColumns - 1 || column < 0 || !rowInGrid(row)) return;
    closeCell(column, row);
    renderScreenView();
}

void insertCharacter(int32_t column, int32_t row) {
    if (cellInGrid(column, row)) openCell(column, row);
    renderScreenView();
}

void deleteLine(int32_t row) {
    if (rowInGrid(row)) {
        const int32_t last = GridRows - 1;
        if (row < last) moveCells(cellIndex(0, row), cellIndex(0, row + 1), (last - row) * GridColumns);
        blankCells(cellIndex(0, last), GridColumns);
    }
    renderScreenView();
}

void insertLine(int32_t row) {
    if (rowInGrid(row)) {
        const int32_t last = GridRows - 1;
        if (row < last) moveCells(cellIndex(0, row + 1), cellIndex(0, row), (last - row) * GridColumns);
        blankCells(cellIndex(0, row), GridColumns);
    }
    renderScreenView();
}

void deleteColumn(int32_t column) {
    // Column 39 or any column right of the grid: only column 39 is blanked, nothing moves.
    if (column >= 0) {
        const int32_t from = column < GridColumns - 1 ? column : GridColumns - 1;
        for (int32_t row = 0; row < GridRows; ++row) closeCell(from, row);
    }
    renderScreenView();
}

void insertColumn(int32_t column) {
    if (columnInGrid(column))
        for (int32_t row = 0; row < GridRows; ++row) openCell(column, row);
    renderScreenView();
}
