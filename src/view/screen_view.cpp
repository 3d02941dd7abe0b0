#include "view/screen_view.h"

#include "platform/canvas.h"

void renderScreenView() {
    if (!beginDrawing(ScreenCanvas)) return;
    endDrawing();
}
