#include "app/event_loop.h"

#include "app/menu_commands.h"
#include "app/screen_view_events.h"
#include "app/startup.h"
#include "file/raw_text_file.h"
#include "platform/events.h"
#include "platform/keyboard_state.h"
#include "view/picker_view.h"

void runEventLoop() {
    for (;;) {
        waitEvent();
        // Tested after every return of the wait, so holding Escape ends the program even unfocused.
        if (isEscapeDown()) exitProgram();
        routeEvent();
    }
}

void routeEvent() {
    const Event& event = currentEvent();
    switch (event.kind) {
        case DropEvent:
            loadScreenFile(event.dropText);
            break;
        case ViewEvent:
            if (event.view == ScreenCanvas)
                handleScreenViewEvent();
            else
                handlePickerEvent();
            break;
        case MenuEvent:
            handleMenuCommand(event.menuId);
            break;
        case CloseEvent:
            exitProgram();
        case NoEvent:
            break;
    }
}
