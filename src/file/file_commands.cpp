#include "file/file_commands.h"

const char* const DialogFilter = "Raw Text (*.rawtext)|*.rawtext|All files (*.*)|*.*";

void openCommand() {}
void saveCommand() {}
