#include "platform/canvas_drawing.h"

CanvasDrawing currentDrawing = {nullptr, 0, 0, 0, false};

void setOutlineMode() { currentDrawing.outline = true; }
