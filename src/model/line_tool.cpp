#include "model/line_tool.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "model/cell_edits.h"
#include "model/editor_state.h"
#include "model/screen_buffer.h"
#include "view/screen_view.h"

void lineToolClick(int32_t column, int32_t row) {
    if (editor.anchorColumn == -1 && editor.anchorRow == -1) {
        // Clicks arrive inside the view, so a cell left of or above it cannot become an anchor.
        if (column < 0 || row < 0) return;
        editor.anchorColumn = column;
        editor.anchorRow = row;
        return;
    }
    // From the clicked cell to the anchor: a slanted line's cells depend on where the stepping starts.
    drawLine(static_cast<int16_t>(column), static_cast<int16_t>(row), static_cast<int16_t>(editor.anchorColumn),
             static_cast<int16_t>(editor.anchorRow));
    editor.anchorColumn = -1;
    editor.anchorRow = -1;
    renderScreenView();
}

void previewLine(int32_t column, int32_t row) {
    std::memcpy(screen->scratchCopy, pictureImage(), PictureImageBytes);
    drawLine(static_cast<int16_t>(column), static_cast<int16_t>(row), static_cast<int16_t>(editor.anchorColumn),
             static_cast<int16_t>(editor.anchorRow));
    renderScreenView();
    std::memcpy(pictureImage(), screen->scratchCopy, PictureImageBytes);
}

void drawLine(int16_t x1, int16_t y1, int16_t x2, int16_t y2) { stepLine(x1, y1, x2, y2, plotCell); }

// The error term stays within ±3/2 of the longer distance and its double and the partly updated term
// within ±3 times it, so up to this distance 16 bits hold every intermediate exactly.
constexpr int32_t LongestExact16BitLine = INT16_MAX / 3;

template <typename Int>
static void stepLineIn(Int x1, Int y1, Int x2, Int y2, void (*visit)(int32_t, int32_t)) {
    const Int dx = static_cast<Int>(x2 > x1 ? x2 - x1 : x1 - x2);
    const Int dy = static_cast<Int>(y2 > y1 ? y2 - y1 : y1 - y2);
    const Int sx = static_cast<Int>(x2 > x1 ? 1 : (x2 < x1 ? -1 : 0));
    const Int sy = static_cast<Int>(y2 > y1 ? 1 : (y2 < y1 ? -1 : 0));
    Int err = static_cast<Int>(dx - dy);
    Int x = x1;
    Int y = y1;
    for (;;) {
        visit(x, y);
        const Int e2 = static_cast<Int>(2 * err);
        if (e2 > -dy) {
            err = static_cast<Int>(err - dy);
            x = static_cast<Int>(x + sx);
        }
        if (e2 < dx) {
            err = static_cast<Int>(err + dx);
            y = static_cast<Int>(y + sy);
        }
        if (x == x2 && y == y2) break;
    }
    visit(x2, y2);
}

void stepLine(int16_t x1, int16_t y1, int16_t x2, int16_t y2, void (*visit)(int32_t, int32_t)) {
    const int32_t longer = std::max(std::abs(int32_t{x2} - x1), std::abs(int32_t{y2} - y1));
    if (longer <= LongestExact16BitLine) {
        stepLineIn<int16_t>(x1, y1, x2, y2, visit);
    } else {
        // Ends this far apart never come from the views, but 16 bits would wrap and could loop for
        // ever; the same stepping in 32 bits still ends after the longer distance.
        stepLineIn<int32_t>(x1, y1, x2, y2, visit);
    }
}
