// Modal message boxes and the standard open and save dialogs.
#pragma once
#include <cstdint>
#include <string>

// No icon, the caption as the title, one OK button.
void showMessage(const std::string& caption, const std::string& text);
// Yes and No, Yes the default; true for Yes.
bool askYesNo(const std::string& caption, const std::string& text);

// `filter` is "desc|pattern|desc|pattern"; entry 0 is selected when the dialog opens.
// Both return the chosen path, or "" when cancelled; neither adds an extension or asks about overwriting.
std::string openFileDialog(const std::string& title, const std::string& startDirectory, const std::string& filter);
std::string saveFileDialog(const std::string& title, const std::string& startDirectory, const std::string& filter,
                           int32_t* selectedEntry);
