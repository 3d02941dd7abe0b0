// What an edit puts into the picture, the pending line and the pointer cell.
#pragma once
#include <cstdint>

enum Charset : int32_t { CharsetUpper = 0, CharsetLower = 1 };
// The values equal the identifiers of the Draw menu items.
enum ToolMode : int32_t { ToolPen = 5, ToolLine = 6, ToolFill = 7 };

struct EditorState {
    int32_t selectedIndex;     // picker index 0..255, not a screen code
    int32_t selectedColour;    // 0..15
    int32_t backgroundColour;  // 0..255 (a loaded file can bring more than 15)
    int32_t charset;
    int32_t toolMode;
    int32_t anchorColumn;      // -1, -1: no line pending
    int32_t anchorRow;
    int32_t pointerColumn;     // the cell under the pointer for the event being handled
    int32_t pointerRow;
};

// The one editing state of the process.
extern EditorState editor;
