#include "app/screen_view_events.h"

#include <string>

#include "app/startup.h"
#include "model/cell_edits.h"
#include "model/editor_state.h"
#include "model/screen_buffer.h"
#include "model/shifts.h"
#include "model/tool_dispatch.h"
#include "platform/events.h"
#include "platform/window.h"

// Truncates toward zero, so -15..-1 give cell 0.
static int32_t pointerCell(int32_t pixel) { return pixel / 16; }

void handleScreenViewEvent() {
    const ViewEventData data = eventData(ScreenCanvas);
    editor.pointerColumn = pointerCell(data.pointerX);
    editor.pointerRow = pointerCell(data.pointerY);
    switch (currentEvent().type) {
        case KeyDown:
            editKey(data.key, data.modifiers, editor.pointerColumn, editor.pointerRow);
            break;
        case PointerEnter:
            giveKeyboardFocus(ScreenCanvas);
            break;
        case PointerMove:
            showScreenStatus();
            toolMove(editor.pointerColumn, editor.pointerRow, (data.buttons & ButtonLeft) != 0);
            break;
        case RightClick:
            eraseCell(editor.pointerColumn, editor.pointerRow);
            break;
        case LeftClick:
            toolClick(editor.pointerColumn, editor.pointerRow);
            break;
        case PointerLeave:
            break;
    }
}

void showScreenStatus() {
    const int32_t column = editor.pointerColumn;
    const int32_t row = editor.pointerRow;
    std::string title = TitleText + " x:" + std::to_string(column) + ",y:" + std::to_string(row);
    if (cellInGrid(column, row)) {
        const int32_t cell = cellIndex(column, row);
        title += " char=" + std::to_string(screen->codePlane[cell]) + " col:" + std::to_string(screen->colourPlane[cell]);
    } else {
        // Nothing is stored outside the grid.
        title += " char=- col:-";
    }
    setWindowTitle(title);
}
