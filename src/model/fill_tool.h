// The fill tool: paints the connected space cells around the clicked cell.
#pragma once
#include <cstdint>

void fillToolClick(int32_t column, int32_t row);
// Plots the start cell and every space cell joined to it horizontally or vertically; no redraw.
void floodFill(int32_t column, int32_t row);
