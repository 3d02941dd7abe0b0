#include "model/shifts.h"

void editKey(int32_t, int32_t, int32_t, int32_t) {}
void deleteCharacter(int32_t, int32_t) {}
void insertCharacter(int32_t, int32_t) {}
void deleteLine(int32_t) {}
void insertLine(int32_t) {}
void deleteColumn(int32_t) {}
void insertColumn(int32_t) {}
