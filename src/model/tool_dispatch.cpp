#include "model/tool_dispatch.h"

#include "model/cell_edits.h"
#include "model/editor_state.h"
#include "model/fill_tool.h"
#include "model/line_tool.h"
#include "view/screen_view.h"

void toolClick(int32_t column, int32_t row) {
    switch (editor.toolMode) {
        case ToolPen:
            plotCell(column, row);
            renderScreenView();
            break;
        case ToolLine:
            lineToolClick(column, row);
            break;
        case ToolFill:
            fillToolClick(column, row);
            break;
    }
}

void toolMove(int32_t column, int32_t row, bool leftButtonHeld) {
    switch (editor.toolMode) {
        case ToolPen:
            if (leftButtonHeld) plotCell(column, row);
            renderScreenView();
            break;
        case ToolLine:
            if (editor.anchorColumn != -1 && editor.anchorRow != -1)
                previewLine(column, row);
            else
                renderScreenView();
            break;
        case ToolFill:
            renderScreenView();
            break;
    }
}
