#include "file/file_commands.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "file/raw_text_file.h"
#include "model/editor_state.h"
#include "model/screen_buffer.h"
#include "platform/dialogs.h"
#include "platform/file_access.h"
#include "view/screen_view.h"

const char* const DialogFilter = "Raw Text (*.rawtext)|*.rawtext|All files (*.*)|*.*";

void openCommand() {
    const std::string path = openFileDialog("Please choose file to load", lastDirectory, DialogFilter);
    if (path.empty()) return;
    loadScreenFile(path);

    // Read once more without the size test: a shorter file replaces only its leading bytes.
    if (!openForReading(path)) {
        showMessage("Readfile", "Error read " + path);
        return;
    }
    lastDirectory = directoryPart(path);
    readBlock(pictureImage(), PictureImageBytes);
    editor.backgroundColour = readByte();
    closeReading();
    renderScreenView();
}

// Entry 0 asks for the extension; the test looks at seven characters, so "picrawtext" passes too.
static std::string withExtension(const std::string& path) {
    std::string ending = path.size() > 7 ? path.substr(path.size() - 7) : path;
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return ending == "rawtext" ? path : path + ".rawtext";
}

void saveCommand() {
    int32_t entry = 0;
    std::string path = saveFileDialog("Please choose file to save", lastDirectory, DialogFilter, &entry);
    if (path.empty()) return;
    if (entry == 0) path = withExtension(path);
    if (fileSize(path) >= 0 && !askYesNo("File exists", "Overwrite?")) return;
    writeScreenFile(path);
}

void writeScreenFile(const std::string& path) {
    if (!createForWriting(path)) {
        showMessage("Writefile", "Error write " + path);
        return;
    }
    lastDirectory = directoryPart(path);
    writeBlock(pictureImage(), PictureImageBytes);
    writeByte(uint8_t(editor.backgroundColour & 0xFF));
    // The earlier file is replaced only once every byte is on disk; a failure leaves it as it was.
    if (!finishWriting()) showMessage("Writefile", "Error write " + path);
}
