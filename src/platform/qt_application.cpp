#include <QEventLoop>
#include <QMenuBar>
#include <QStyle>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/events.h"
#include "platform/qt_keyboard_state.h"
#include "platform/qt_widgets.h"
#include "platform/window.h"

// QApplication's own copy of the command line, alive as long as it is. It takes out the options
// it knows, so it gets a copy: the program's arguments stay as main received them.
static int applicationArgc = 0;
static std::vector<char*> applicationArgv;

void initPlatform(int argc, char** argv) {
    if (application != nullptr) return;
    applicationArgc = argc;
    applicationArgv.assign(argv, argv + argc);
    applicationArgv.push_back(nullptr);
    application = new QApplication(applicationArgc, applicationArgv.data());
    trackEscapeKey();
}

int32_t systemMenuBarHeight() {
    if (application == nullptr) return 0;
    // The height a menu bar with one title takes in this style and font.
    QMenuBar probe;
    probe.setNativeMenuBar(false);
    probe.addMenu("File");
    return probe.sizeHint().height();
}

int32_t systemDialogFrameThickness() {
    if (application == nullptr) return 0;
    // Qt has no dialog-frame metric; a classic dialog frame is 3 pixels, never thinner than a styled frame.
    return std::max(3, QApplication::style()->pixelMetric(QStyle::PM_DefaultFrameWidth));
}

void waitEvent() {
    // One pass of the toolkit's loop at most, so the caller looks at Escape after every batch of input.
    if (eventQueueEmpty() && application != nullptr) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    takeNextEvent();
}

void platformTeardown() {
    destroyMainWindow();
    delete application;
    application = nullptr;
}

void endProcess(int status) { std::exit(status); }
