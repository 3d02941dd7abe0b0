// Drawing into the image of the canvas whose drawing is in progress; plain memory writes.
#pragma once
#include <cstdint>

// Pixels are stored as colourValue | 0xFF000000: bytes R, G, B, 0xFF in memory.
constexpr uint32_t OpaquePixel = 0xFF000000u;

struct CanvasDrawing {
    uint32_t* pixels;  // nullptr while no drawing is in progress
    int32_t width;
    int32_t height;
    int32_t stride;    // pixels from one row to the next
    bool outline;
};

// The drawing in progress, set by beginDrawing and cleared by endDrawing.
extern CanvasDrawing currentDrawing;

void setOutlineMode();

// Coordinates are 64-bit so that far-off rectangles clip instead of overflowing.
inline void fillClippedRect(int64_t x, int64_t y, int64_t width, int64_t height, uint32_t colour) {
    CanvasDrawing& d = currentDrawing;
    int64_t x0 = x < 0 ? 0 : x;
    int64_t y0 = y < 0 ? 0 : y;
    int64_t x1 = x + width;
    int64_t y1 = y + height;
    if (x1 > d.width) x1 = d.width;
    if (y1 > d.height) y1 = d.height;
    if (d.pixels == nullptr || x0 >= x1 || y0 >= y1) return;
    const uint32_t pixel = colour | OpaquePixel;
    for (int64_t py = y0; py < y1; ++py) {
        uint32_t* row = d.pixels + py * d.stride;
        for (int64_t px = x0; px < x1; ++px) row[px] = pixel;
    }
}

// Filled or, after setOutlineMode, the 1-pixel border only; clipped to the image.
inline void drawRect(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t colour) {
    if (width <= 0 || height <= 0) return;
    if (!currentDrawing.outline) {
        fillClippedRect(x, y, width, height, colour);
        return;
    }
    const int64_t right = int64_t(x) + width - 1;
    const int64_t bottom = int64_t(y) + height - 1;
    fillClippedRect(x, y, width, 1, colour);
    if (height > 1) fillClippedRect(x, bottom, width, 1, colour);
    if (height > 2) {
        fillClippedRect(x, y + 1, 1, height - 2, colour);
        if (width > 1) fillClippedRect(right, y + 1, 1, height - 2, colour);
    }
}

// A horizontal or vertical line, both ends included, clipped to the image.
inline void drawPixelLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t colour) {
    if (y1 == y2) {
        const int64_t left = x1 < x2 ? x1 : x2;
        fillClippedRect(left, y1, (x1 < x2 ? int64_t(x2) - x1 : int64_t(x1) - x2) + 1, 1, colour);
    } else if (x1 == x2) {
        const int64_t top = y1 < y2 ? y1 : y2;
        fillClippedRect(x1, top, 1, (y1 < y2 ? int64_t(y2) - y1 : int64_t(y1) - y2) + 1, colour);
    }
}
