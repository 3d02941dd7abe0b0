#include "file/raw_text_file.h"

#include <cstring>

#include "app/menu_bar.h"
#include "model/editor_state.h"
#include "model/screen_buffer.h"
#include "platform/dialogs.h"
#include "platform/file_access.h"
#include "view/picker_view.h"

std::string lastDirectory;

std::string directoryPart(const std::string& path) {
    const size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

void resetLastDirectory() {
    lastDirectory = currentDirectory();
    if (lastDirectory.empty() || (lastDirectory.back() != '/' && lastDirectory.back() != '\\')) lastDirectory += '/';
}

void loadScreenFile(const std::string& path) {
    if (fileSize(path) != RawTextFileSize) {
        showMessage("Readfile", "Unkn filesize " + path);
        return;
    }
    if (!openForReading(path)) {
        showMessage("Readfile", "Error read " + path);
        return;
    }
    lastDirectory = directoryPart(path);
    // Read apart first, so that a file cut short while reading leaves the picture as it was.
    uint8_t file[RawTextFileSize];
    const int64_t got = readBlock(file, RawTextFileSize);
    closeReading();
    if (got != RawTextFileSize) {
        showMessage("Readfile", "Error read " + path);
        return;
    }
    std::memcpy(pictureImage(), file, PictureImageBytes);
    editor.backgroundColour = file[PictureImageBytes];
    updateBackgroundMenu();
    renderPickerView();
}
