#include "model/line_tool.h"

void lineToolClick(int32_t, int32_t) {}
void previewLine(int32_t, int32_t) {}
void drawLine(int16_t, int16_t, int16_t, int16_t) {}
