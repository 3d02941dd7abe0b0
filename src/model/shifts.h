// Insert and Delete at the pointer cell: characters, lines and columns.
#pragma once
#include <cstdint>

// One key-down of the screen view; runs each of the six operations whose test passes, in order.
void editKey(int32_t key, int32_t modifiers, int32_t column, int32_t row);
void deleteCharacter(int32_t column, int32_t row);
void insertCharacter(int32_t column, int32_t row);
void deleteLine(int32_t row);
void insertLine(int32_t row);
void deleteColumn(int32_t column);
void insertColumn(int32_t column);
