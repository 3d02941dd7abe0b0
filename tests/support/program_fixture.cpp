#include "support/program_fixture.h"

#include "app/startup.h"
#include "model/editor_state.h"
#include "view/picker_view.h"
#include "platform/command_line.h"

void startFakeProgram(const std::vector<std::string>& arguments) {
    resetFakePlatform();
    // The command line keeps pointers into these, as it does into main's argv.
    static std::vector<std::string> words;
    static std::vector<char*> argv;
    words.assign(1, "tegrel");
    words.insert(words.end(), arguments.begin(), arguments.end());
    argv.clear();
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    recordCommandLine(int(words.size()), argv.data());
    // Each test starts from the state a new process has.
    editor = {0, 14, 6, CharsetUpper, ToolPen, -1, -1, 0, 0};
    lastHoverColumn = 0;
    lastHoverRow = 0;
    startUp();
}
