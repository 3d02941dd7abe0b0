#include "platform/command_line.h"

// The arguments after the program name, as main received them.
static int argumentTotal = 0;
static char** arguments = nullptr;

void recordCommandLine(int argc, char** argv) {
    argumentTotal = argc > 1 ? argc - 1 : 0;
    arguments = argv;
}

int32_t argumentCount() { return argumentTotal; }

std::string firstArgument() {
    return argumentTotal > 0 && arguments[1] != nullptr ? std::string(arguments[1]) : std::string();
}
