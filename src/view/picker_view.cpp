#include "view/picker_view.h"

#include "platform/canvas.h"

int32_t lastHoverColumn = 0;
int32_t lastHoverRow = 0;

void renderPickerView() {
    if (!beginDrawing(PickerCanvas)) return;
    endDrawing();
}

void handlePickerEvent() {}
