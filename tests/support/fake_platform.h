// A headless stand-in for the Qt platform: canvases in memory, dialogs answered from queues,
// everything the program shows recorded for the tests to read.
#pragma once
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

struct FakeMessage {
    std::string caption;
    std::string text;
};

struct FakeDialogCall {
    std::string title;
    std::string startDirectory;
    std::string filter;
};

struct FakeSaveAnswer {
    std::string path;
    int32_t entry;
};

struct FakePlatform {
    std::vector<FakeMessage> messages;          // every message box and question, in order
    std::deque<bool> yesNoAnswers;              // answers to askYesNo; Yes when empty
    std::deque<std::string> openAnswers;        // paths returned by the open dialog; "" when empty
    std::deque<FakeSaveAnswer> saveAnswers;     // paths and filter entries from the save dialog
    std::vector<FakeDialogCall> dialogCalls;
    bool escapeDown = false;
    bool windowOpens = true;
    bool menuBarCreates = true;
    int32_t focusedCanvas = -1;
    std::vector<std::string> menuLog;           // titles, items, separators and shortcuts as added
    int64_t titleChanges = 0;
};

extern FakePlatform fake;

// Forgets everything recorded, drops the canvases, empties the event queue.
void resetFakePlatform();
// Whole image of a canvas as colourValues, row by row.
std::vector<uint32_t> fakeCanvasImage(int32_t canvas);
