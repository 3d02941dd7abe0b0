// The 2001-byte picture file: 1000 codes, 1000 colours, one background byte.
#pragma once
#include <cstdint>
#include <string>

constexpr int64_t RawTextFileSize = 2001;

// Where the open and save dialogs start; ends in a separator or is empty.
extern std::string lastDirectory;

// Everything up to and including the last slash or backslash; empty when there is none.
std::string directoryPart(const std::string& path);
// The current directory with a separator at its end.
void resetLastDirectory();
// Loads a picture; reports a wrong size or an unreadable file in a message box.
void loadScreenFile(const std::string& path);
