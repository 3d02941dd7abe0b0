#include "offscreen_fixture.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "app/event_loop.h"
#include "app/startup.h"
#include "model/editor_state.h"
#include "model/screen_buffer.h"
#include "platform/command_line.h"
#include "view/glyph_set.h"
#include "view/picker_view.h"

void startQtProgram() {
    static bool started = false;
    if (started) {
        releaseGlyphSet();
        releaseScreenBuffer();
    }
    destroyMainWindow();
    clearEventQueue();
    takeNextEvent();
    static char name[] = "tegrel";
    static char* argv[] = {name, nullptr};
    recordCommandLine(1, argv);
    // Each test starts from the state a new process has.
    editor = {0, 14, 6, CharsetUpper, ToolPen, -1, -1, 0, 0};
    lastHoverColumn = 0;
    lastHoverRow = 0;
    startUp();
    started = true;
    ASSERT_TRUE(QTest::qWaitForWindowActive(mainWindow));
    // What showing the window raised is not part of any test.
    QCoreApplication::processEvents();
    clearEventQueue();
    takeNextEvent();
}

static QWindow* window() { return mainWindow->windowHandle(); }

static QPoint inWindow(CanvasId canvas, QPoint position) {
    return canvasWidgets[canvas]->mapTo(mainWindow, position);
}

void movePointer(CanvasId canvas, QPoint position) { QTest::mouseMove(window(), inWindow(canvas, position)); }

void pressButton(CanvasId canvas, QPoint position, Qt::MouseButton button) {
    QTest::mousePress(window(), button, Qt::NoModifier, inWindow(canvas, position));
}

void releaseButton(CanvasId canvas, QPoint position, Qt::MouseButton button) {
    QTest::mouseRelease(window(), button, Qt::NoModifier, inWindow(canvas, position));
}

void doubleClick(CanvasId canvas, QPoint position) {
    QTest::mouseDClick(window(), Qt::LeftButton, Qt::NoModifier, inWindow(canvas, position));
}

void pressInClientArea(QPoint position) {
    QTest::mousePress(window(), Qt::LeftButton, Qt::NoModifier, clientArea->mapTo(mainWindow, position));
}

void moveInClientArea(QPoint position) { QTest::mouseMove(window(), clientArea->mapTo(mainWindow, position)); }

void releaseInClientArea(QPoint position) {
    QTest::mouseRelease(window(), Qt::LeftButton, Qt::NoModifier, clientArea->mapTo(mainWindow, position));
}

std::vector<Event> takeQueuedEvents() {
    std::vector<Event> events;
    while (!eventQueueEmpty()) {
        takeNextEvent();
        events.push_back(currentEvent());
    }
    return events;
}

void routeQueuedEvents() {
    while (!eventQueueEmpty()) {
        takeNextEvent();
        routeEvent();
    }
}

QAction* menuItem(int32_t id) {
    if (menuBar == nullptr) return nullptr;
    for (QAction* action : menuBar->findChildren<QAction*>())
        if (action->data().isValid() && action->data().toInt() == id) return action;
    return nullptr;
}

void chooseMenuItem(int32_t id) {
    QAction* action = menuItem(id);
    if (action == nullptr) {
        ADD_FAILURE() << "no menu item " << id;
        return;
    }
    action->trigger();
    routeQueuedEvents();
}

void answerNextDialog(std::function<void(QWidget*)> answer) {
    QTimer::singleShot(10, [answer] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr || !dialog->isVisible()) return answerNextDialog(answer);
        answer(dialog);
    });
}
