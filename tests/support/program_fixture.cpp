#include "support/program_fixture.h"

#include "app/startup.h"
#include "model/editor_state.h"
#include "view/picker_view.h"
#include "platform/command_line.h"

void startFakeProgram() {
    resetFakePlatform();
    static char name[] = "tegrel";
    static char* argv[] = {name, nullptr};
    recordCommandLine(1, argv);
    // Each test starts from the state a new process has.
    editor = {0, 14, 6, CharsetUpper, ToolPen, -1, -1, 0, 0};
    lastHoverColumn = 0;
    lastHoverRow = 0;
    startUp();
}
