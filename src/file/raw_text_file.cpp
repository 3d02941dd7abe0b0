#include "file/raw_text_file.h"

#include "platform/file_access.h"

std::string lastDirectory;

std::string directoryPart(const std::string& path) {
    const size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

void resetLastDirectory() {
    lastDirectory = currentDirectory();
    if (lastDirectory.empty() || (lastDirectory.back() != '/' && lastDirectory.back() != '\\')) lastDirectory += '/';
}

void loadScreenFile(const std::string&) {}
