// The Open and Save commands of the File menu.
#pragma once

// Used by both dialogs: entry 0 "Raw Text (*.rawtext)", entry 1 "All files (*.*)".
extern const char* const DialogFilter;

void openCommand();
void saveCommand();
