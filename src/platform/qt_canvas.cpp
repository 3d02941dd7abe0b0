#include "platform/canvas.h"
#include "platform/canvas_drawing.h"
#include "platform/qt_canvas_widget.h"
#include "platform/qt_widgets.h"
#include "platform/window.h"

void createCanvas(CanvasId canvas, int32_t x, int32_t y, int32_t width, int32_t height, bool keyboard) {
    if (clientArea == nullptr || canvasWidgets[canvas] != nullptr || width <= 0 || height <= 0) return;
    CanvasWidget* widget = new CanvasWidget(canvas, width, height, keyboard, clientArea);
    widget->setObjectName(canvas == ScreenCanvas ? "screenView" : "pickerView");
    widget->move(x, y);
    widget->show();
    canvasWidgets[canvas] = widget;
}

bool canvasExists(CanvasId canvas) { return canvasWidgets[canvas] != nullptr; }
int32_t canvasWidth(CanvasId canvas) { return canvasExists(canvas) ? canvasWidgets[canvas]->image.width() : 0; }
int32_t canvasHeight(CanvasId canvas) { return canvasExists(canvas) ? canvasWidgets[canvas]->image.height() : 0; }

bool beginDrawing(CanvasId canvas) {
    CanvasWidget* widget = canvasWidgets[canvas];
    if (widget == nullptr) return false;
    QImage& image = widget->image;
    // One row pointer for the whole drawing: scanLine() would check for sharing on every call.
    currentDrawing = {reinterpret_cast<uint32_t*>(image.bits()), image.width(), image.height(),
                      int32_t(image.bytesPerLine() / 4), false};
    return true;
}

void endDrawing() {
    for (CanvasWidget* widget : canvasWidgets) {
        if (widget != nullptr && widget->image.constBits() == reinterpret_cast<const uchar*>(currentDrawing.pixels)) {
            ++widget->showCount;
            widget->update();
        }
    }
    currentDrawing = {nullptr, 0, 0, 0, false};
}

uint32_t canvasPixel(CanvasId canvas, int32_t x, int32_t y) {
    const CanvasWidget* widget = canvasWidgets[canvas];
    if (widget == nullptr || x < 0 || y < 0 || x >= widget->image.width() || y >= widget->image.height())
        return 0xFFFFFF;
    const uint32_t* row = reinterpret_cast<const uint32_t*>(widget->image.constScanLine(y));
    return row[x] & 0xFFFFFF;
}

int64_t canvasShowCount(CanvasId canvas) { return canvasExists(canvas) ? canvasWidgets[canvas]->showCount : 0; }

void enableFileDrop(CanvasId canvas) {
    if (canvasExists(canvas)) canvasWidgets[canvas]->setAcceptDrops(true);
}

void giveKeyboardFocus(CanvasId canvas) {
    CanvasWidget* widget = canvasWidgets[canvas];
    if (widget != nullptr && widget->focusPolicy() != Qt::NoFocus) widget->setFocus(Qt::OtherFocusReason);
}

bool canvasHasFocus(CanvasId canvas) { return canvasExists(canvas) && canvasWidgets[canvas]->hasFocus(); }
