// Events of the screen view: focus, status title, tools, erase and the Insert/Delete keys.
#pragma once

void handleScreenViewEvent();
// Sets the title to the pointer cell and the code and colour stored there.
void showScreenStatus();
