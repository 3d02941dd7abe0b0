// The screen view's left click and pointer move, handed to the active tool.
#pragma once
#include <cstdint>

void toolClick(int32_t column, int32_t row);
void toolMove(int32_t column, int32_t row, bool leftButtonHeld);
