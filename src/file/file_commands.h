// The Open and Save commands of the File menu.
#pragma once
#include <string>

// Used by both dialogs: entry 0 "Raw Text (*.rawtext)", entry 1 "All files (*.*)".
extern const char* const DialogFilter;

void openCommand();
void saveCommand();
// Writes the picture and its background to `path`; reports a failure with "Error write ".
void writeScreenFile(const std::string& path);
