// The real program on the real Qt platform, offscreen: a fresh window for every test, and pointer
// actions delivered through the window the way the window system delivers them.
#pragma once
#include <gtest/gtest.h>

#include <QAction>
#include <QPoint>
#include <functional>
#include <vector>

#include "platform/events.h"
#include "platform/qt_canvas_widget.h"
#include "platform/qt_main_window.h"
#include "platform/qt_widgets.h"
#include "platform/window.h"

// Starts the program's state and window the way start-up does, without entering the loop.
void startQtProgram();

class QtProgramTest : public ::testing::Test {
protected:
    void SetUp() override { startQtProgram(); }
};

// Positions are relative to the canvas's top-left corner; they may lie outside it.
void movePointer(CanvasId canvas, QPoint position);
void pressButton(CanvasId canvas, QPoint position, Qt::MouseButton button = Qt::LeftButton);
void releaseButton(CanvasId canvas, QPoint position, Qt::MouseButton button = Qt::LeftButton);
void doubleClick(CanvasId canvas, QPoint position);
// The same, relative to the window's area below the menu bar.
void pressInClientArea(QPoint position);
void moveInClientArea(QPoint position);
void releaseInClientArea(QPoint position);

// Every event queued so far, in order; the queue is empty afterwards.
std::vector<Event> takeQueuedEvents();
// Routes every queued event the way the loop does, one at a time, including any its handlers queue.
void routeQueuedEvents();

// The menu item with this identifier, inside the submenu too; null when there is none.
QAction* menuItem(int32_t id);
// Chooses the item as a user would and routes what that raised.
void chooseMenuItem(int32_t id);

// Runs `answer` on the next modal dialog, from inside that dialog's own loop, once it is showing.
void answerNextDialog(std::function<void(QWidget*)> answer);
