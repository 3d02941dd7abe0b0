// Drawing canvases: off-screen RGB images that the window repaints from by itself.
#pragma once
#include <cstdint>

enum CanvasId : int32_t { ScreenCanvas = 0, PickerCanvas = 1 };
constexpr int32_t CanvasCount = 2;

struct CanvasPoint {
    int32_t x;
    int32_t y;
};

// Creates the canvas as a child of the main window, white; `keyboard` lets it hold the focus.
void createCanvas(CanvasId canvas, int32_t x, int32_t y, int32_t width, int32_t height, bool keyboard);
bool canvasExists(CanvasId canvas);
int32_t canvasWidth(CanvasId canvas);
int32_t canvasHeight(CanvasId canvas);

// Starts a drawing on the canvas's image (filled mode); false when there is no image to draw on.
bool beginDrawing(CanvasId canvas);
// Shows the whole image at once and ends the drawing.
void endDrawing();

// The colourValue of one image pixel (red in bits 0..7); 0xFFFFFF outside the image.
uint32_t canvasPixel(CanvasId canvas, int32_t x, int32_t y);
// How many drawings have been shown on the canvas.
int64_t canvasShowCount(CanvasId canvas);
