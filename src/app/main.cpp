#include "app/event_loop.h"
#include "app/startup.h"
#include "platform/command_line.h"
#include "platform/window.h"

int main(int argc, char** argv) {
    recordCommandLine(argc, argv);
    initPlatform(argc, argv);
    startUp();
    runEventLoop();
}
