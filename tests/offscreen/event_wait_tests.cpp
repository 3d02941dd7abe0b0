// The wait: queued events first, otherwise one pass over the window system's messages.
#include <QTimer>

#include "offscreen_fixture.h"

namespace {

TEST_F(QtProgramTest, WaitReturnsAQueuedEventWithoutAskingQt) {
    postMenuEvent(7);
    postCloseEvent();
    waitEvent();
    EXPECT_EQ(currentEvent().kind, MenuEvent);
    EXPECT_EQ(currentEvent().menuId, 7);
    waitEvent();
    EXPECT_EQ(currentEvent().kind, CloseEvent);
}

TEST_F(QtProgramTest, WaitReturnsWithoutAnEventAfterAMessageThatRaisesNone) {
    bool delivered = false;
    QTimer::singleShot(0, [&delivered] { delivered = true; });
    waitEvent();
    EXPECT_TRUE(delivered);
    EXPECT_EQ(currentEvent().kind, NoEvent);
}

TEST_F(QtProgramTest, EventRaisedByAMessageComesWithTheSameWait) {
    QTimer::singleShot(0, [] { postMenuEvent(3); });
    waitEvent();
    EXPECT_EQ(currentEvent().kind, MenuEvent);
    EXPECT_EQ(currentEvent().menuId, 3);
}

}  // namespace
