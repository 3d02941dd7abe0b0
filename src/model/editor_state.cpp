#include "model/editor_state.h"

EditorState editor = {0, 14, 6, CharsetUpper, ToolPen, -1, -1, 0, 0};
