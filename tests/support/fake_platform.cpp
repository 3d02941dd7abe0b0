#include "support/fake_platform.h"

#include <cstdlib>
#include <map>

#include "platform/canvas.h"
#include "platform/canvas_drawing.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/keyboard_state.h"
#include "platform/window.h"

FakePlatform fake;

namespace {
struct FakeCanvas {
    bool exists = false;
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels;
    int64_t shown = 0;
};

FakeCanvas canvases[CanvasCount];
std::map<int32_t, bool> checkMarks;
std::string title;
}  // namespace

void resetFakePlatform() {
    fake = FakePlatform();
    for (FakeCanvas& canvas : canvases) canvas = FakeCanvas();
    checkMarks.clear();
    title.clear();
    clearEventQueue();
    takeNextEvent();
    currentDrawing = {nullptr, 0, 0, 0, false};
}

std::vector<uint32_t> fakeCanvasImage(int32_t canvas) {
    std::vector<uint32_t> image = canvases[canvas].pixels;
    for (uint32_t& pixel : image) pixel &= 0xFFFFFF;
    return image;
}

void initPlatform(int, char**) {}
int32_t systemMenuBarHeight() { return 20; }
int32_t systemDialogFrameThickness() { return 3; }
bool openMainWindow(const std::string& text, int32_t, int32_t) {
    title = text;
    return fake.windowOpens;
}
void enableFileDrop(CanvasId) {}
bool createMenuBar() { return fake.menuBarCreates; }
void addMenuTitle(const std::string& text) { fake.menuLog.push_back("title " + text); }
void addMenuItem(int32_t id, const std::string& text) {
    fake.menuLog.push_back("item " + std::to_string(id) + " " + text);
    checkMarks[id] = false;
}
void addMenuSeparator() { fake.menuLog.push_back("separator"); }
void openSubmenu(const std::string& text) { fake.menuLog.push_back("submenu " + text); }
void closeSubmenu() { fake.menuLog.push_back("end submenu"); }
void addShortcut(char letter, int32_t id) {
    fake.menuLog.push_back(std::string("shortcut Ctrl+") + letter + " " + std::to_string(id));
}
void setMenuCheck(int32_t id, bool checked) {
    if (checkMarks.count(id)) checkMarks[id] = checked;
}
bool menuChecked(int32_t id) { return checkMarks.count(id) && checkMarks[id]; }
void setWindowTitle(const std::string& text) {
    title = text;
    ++fake.titleChanges;
}
std::string windowTitle() { return title; }
void giveKeyboardFocus(CanvasId canvas) { fake.focusedCanvas = canvas; }
bool canvasHasFocus(CanvasId canvas) { return fake.focusedCanvas == canvas; }
void platformTeardown() {}
void endProcess(int status) { std::exit(status); }

void createCanvas(CanvasId id, int32_t, int32_t, int32_t width, int32_t height, bool) {
    FakeCanvas& canvas = canvases[id];
    canvas.exists = true;
    canvas.width = width;
    canvas.height = height;
    canvas.pixels.assign(size_t(width) * height, 0xFFFFFFFFu);
}
bool canvasExists(CanvasId id) { return canvases[id].exists; }
int32_t canvasWidth(CanvasId id) { return canvases[id].width; }
int32_t canvasHeight(CanvasId id) { return canvases[id].height; }
bool beginDrawing(CanvasId id) {
    FakeCanvas& canvas = canvases[id];
    if (!canvas.exists) return false;
    currentDrawing = {canvas.pixels.data(), canvas.width, canvas.height, canvas.width, false};
    return true;
}
void endDrawing() {
    for (FakeCanvas& canvas : canvases)
        if (canvas.exists && canvas.pixels.data() == currentDrawing.pixels) ++canvas.shown;
    currentDrawing = {nullptr, 0, 0, 0, false};
}
uint32_t canvasPixel(CanvasId id, int32_t x, int32_t y) {
    const FakeCanvas& canvas = canvases[id];
    if (x < 0 || y < 0 || x >= canvas.width || y >= canvas.height) return 0xFFFFFF;
    return canvas.pixels[size_t(y) * canvas.width + x] & 0xFFFFFF;
}
int64_t canvasShowCount(CanvasId id) { return canvases[id].shown; }

void waitEvent() { takeNextEvent(); }
bool isEscapeDown() { return fake.escapeDown; }

void showMessage(const std::string& caption, const std::string& text) { fake.messages.push_back({caption, text}); }
bool askYesNo(const std::string& caption, const std::string& text) {
    fake.messages.push_back({caption, text});
    if (fake.yesNoAnswers.empty()) return true;
    const bool answer = fake.yesNoAnswers.front();
    fake.yesNoAnswers.pop_front();
    return answer;
}
std::string openFileDialog(const std::string& dialogTitle, const std::string& start, const std::string& filter) {
    fake.dialogCalls.push_back({dialogTitle, start, filter});
    if (fake.openAnswers.empty()) return "";
    std::string path = fake.openAnswers.front();
    fake.openAnswers.pop_front();
    return path;
}
std::string saveFileDialog(const std::string& dialogTitle, const std::string& start, const std::string& filter,
                           int32_t* selectedEntry) {
    fake.dialogCalls.push_back({dialogTitle, start, filter});
    *selectedEntry = 0;
    if (fake.saveAnswers.empty()) return "";
    FakeSaveAnswer answer = fake.saveAnswers.front();
    fake.saveAnswers.pop_front();
    *selectedEntry = answer.entry;
    return answer.path;
}
