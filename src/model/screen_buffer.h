// The picture: 40 × 25 cells of screen codes and colours, plus the line preview's scratch copy.
#pragma once
#include <cstdint>

constexpr int32_t GridColumns = 40;
constexpr int32_t GridRows = 25;
constexpr int32_t CellCount = GridColumns * GridRows;
constexpr int32_t PictureImageBytes = 2 * CellCount;  // both planes, codes first
constexpr uint8_t BlankCode = 32;
constexpr uint8_t BlankColour = 14;

// One block: cell (x, y) is byte x + 40·y of each plane; the planes lie back to back.
struct ScreenBuffer {
    uint8_t codePlane[CellCount];
    uint8_t colourPlane[CellCount];
    uint8_t scratchCopy[PictureImageBytes];
};
static_assert(sizeof(ScreenBuffer) == 4000, "the planes must lie back to back");

// The picture being edited; obtained zero-filled at start-up, released at exit.
extern ScreenBuffer* screen;

void allocateScreenBuffer();
void releaseScreenBuffer();

// The 2000-byte picture image: the code plane followed by the colour plane.
inline uint8_t* pictureImage() { return screen->codePlane; }

inline bool cellInGrid(int32_t column, int32_t row) {
    return column >= 0 && column < GridColumns && row >= 0 && row < GridRows;
}
inline int32_t cellIndex(int32_t column, int32_t row) { return column + GridColumns * row; }
