// The line tool: a first click sets the anchor, moves preview the line, a second click draws it.
#pragma once
#include <cstdint>

void lineToolClick(int32_t column, int32_t row);
// Shows the line from the pointer cell to the anchor; the planes are unchanged afterwards.
void previewLine(int32_t column, int32_t row);
// Plots the cells from (x1, y1) to (x2, y2) in 16-bit arithmetic; no redraw.
void drawLine(int16_t x1, int16_t y1, int16_t x2, int16_t y2);
// Hands each cell of that line to `visit` in drawing order, the end cell last; drawLine visits with plotCell.
void stepLine(int16_t x1, int16_t y1, int16_t x2, int16_t y2, void (*visit)(int32_t column, int32_t row));
