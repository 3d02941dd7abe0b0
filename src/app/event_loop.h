// The loop: wait for one event, end on Escape held, route the event.
#pragma once

[[noreturn]] void runEventLoop();
// Routes the current event to its handler; a close request ends the program.
void routeEvent();
