// Cell-level edits: plot the selection, erase one cell, blank the picture.
#pragma once
#include <cstdint>

// Writes the selected character and colour into one cell; cells outside the grid are ignored. No redraw.
void plotCell(int32_t column, int32_t row);
// Makes the cell a space in its old colour, then redraws; a cell outside the grid is ignored.
void eraseCell(int32_t column, int32_t row);
// Blanks all 1000 cells (code 32, colour 14), then redraws.
void clearScreen();
