// Pointer input on the real canvases: enter, moves, holding the pointer, clicks on release.
#include <QTest>

#include "offscreen_fixture.h"

namespace {

struct Expected {
    CanvasId view;
    ViewEventType type;
    int x;
    int y;
    int buttons;
};

void expectEvents(const std::vector<Expected>& expected) {
    const std::vector<Event> events = takeQueuedEvents();
    ASSERT_EQ(events.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(events[i].kind, ViewEvent);
        EXPECT_EQ(events[i].view, expected[i].view);
        EXPECT_EQ(events[i].type, expected[i].type);
        EXPECT_EQ(events[i].data.pointerX, expected[i].x);
        EXPECT_EQ(events[i].data.pointerY, expected[i].y);
        EXPECT_EQ(events[i].data.buttons, expected[i].buttons);
        EXPECT_EQ(events[i].data.key, 0);
    }
}

class EnterThenMove : public QtProgramTest, public ::testing::WithParamInterface<CanvasId> {};

TEST_P(EnterThenMove, FirstMotionOverTheViewIsAnEnterOnly) {
    const CanvasId view = GetParam();
    movePointer(view, {30, 40});
    expectEvents({{view, PointerEnter, 30, 40, 0}});
    movePointer(view, {31, 42});
    movePointer(view, {50, 42});
    expectEvents({{view, PointerMove, 31, 42, 0}, {view, PointerMove, 50, 42, 0}});
}

INSTANTIATE_TEST_SUITE_P(BothViews, EnterThenMove, ::testing::Values(ScreenCanvas, PickerCanvas));

TEST_F(QtProgramTest, CrossingFromPickerToScreenViewLeavesOneAndEntersTheOther) {
    movePointer(PickerCanvas, {20, 20});
    movePointer(PickerCanvas, {5, 20});
    takeQueuedEvents();
    movePointer(ScreenCanvas, {630, 20});
    const std::vector<Event> events = takeQueuedEvents();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].view, PickerCanvas);
    EXPECT_EQ(events[0].type, PointerLeave);
    EXPECT_EQ(events[1].view, ScreenCanvas);
    EXPECT_EQ(events[1].type, PointerEnter);
    EXPECT_EQ(events[1].data.pointerX, 630);
}

// A press, the moves made while the button is down, and the release; positions on the screen view.
struct ClickCase {
    const char* name;
    Qt::MouseButton button;
    QPoint press;
    std::vector<QPoint> moves;
    QPoint release;
    bool clicks;
};

const ClickCase ClickCases[] = {
    {"LeftReleasedWhereItWasPressed", Qt::LeftButton, {100, 100}, {}, {100, 100}, true},
    {"RightReleasedWhereItWasPressed", Qt::RightButton, {100, 100}, {}, {100, 100}, true},
    {"MiddleGivesNoClick", Qt::MiddleButton, {100, 100}, {}, {100, 100}, false},
    {"ReleasedElsewhereInTheView", Qt::LeftButton, {100, 100}, {{300, 200}}, {300, 200}, true},
    {"ReleasedOverThePicker", Qt::LeftButton, {100, 100}, {{700, 100}}, {700, 100}, false},
    {"ReleasedAboveTheView", Qt::LeftButton, {100, 10}, {{100, -5}}, {100, -5}, false},
    {"LeftTheViewAndCameBack", Qt::RightButton, {100, 100}, {{700, 100}, {120, 90}}, {120, 90}, true},
};

void PrintTo(const ClickCase& c, std::ostream* os) { *os << c.name; }

class Clicks : public QtProgramTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(Clicks, ComeOnReleaseInsideTheViewThatHoldsThePointer) {
    const ClickCase& c = GetParam();
    movePointer(ScreenCanvas, c.press);
    takeQueuedEvents();
    pressButton(ScreenCanvas, c.press, c.button);
    EXPECT_TRUE(takeQueuedEvents().empty()) << "a press raises nothing";
    for (QPoint move : c.moves) movePointer(ScreenCanvas, move);
    takeQueuedEvents();
    releaseButton(ScreenCanvas, c.release, c.button);
    std::vector<Event> clicks;
    for (const Event& event : takeQueuedEvents())
        if (event.type == LeftClick || event.type == RightClick) clicks.push_back(event);
    if (!c.clicks) {
        EXPECT_TRUE(clicks.empty());
        return;
    }
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].view, ScreenCanvas);
    EXPECT_EQ(clicks[0].type, c.button == Qt::LeftButton ? LeftClick : RightClick);
    EXPECT_EQ(clicks[0].data.pointerX, c.release.x());
    EXPECT_EQ(clicks[0].data.pointerY, c.release.y());
    EXPECT_EQ(clicks[0].data.buttons, 0) << "the released button is up";
}

INSTANTIATE_TEST_SUITE_P(ScreenView, Clicks, ::testing::ValuesIn(ClickCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(QtProgramTest, DoubleClickGivesASecondClickAtItsRelease) {
    movePointer(ScreenCanvas, {40, 40});
    takeQueuedEvents();
    doubleClick(ScreenCanvas, {40, 40});
    expectEvents({{ScreenCanvas, LeftClick, 40, 40, 0}, {ScreenCanvas, LeftClick, 40, 40, 0}});
}

TEST_F(QtProgramTest, PressOnPickerAndReleaseOnScreenViewClicksNeither) {
    movePointer(PickerCanvas, {20, 20});
    pressButton(PickerCanvas, {20, 20});
    movePointer(ScreenCanvas, {300, 20});
    releaseButton(ScreenCanvas, {300, 20});
    for (const Event& event : takeQueuedEvents()) {
        EXPECT_NE(event.type, LeftClick);
        EXPECT_NE(event.view, ScreenCanvas) << "the picker holds the pointer";
    }
}

TEST_F(QtProgramTest, HeldPointerIsReportedOutsideTheViewWithItsOwnCoordinates) {
    movePointer(ScreenCanvas, {10, 10});
    pressButton(ScreenCanvas, {10, 10});
    takeQueuedEvents();
    movePointer(ScreenCanvas, {-5, -7});
    movePointer(ScreenCanvas, {-20, 30});
    movePointer(ScreenCanvas, {700, 50});
    expectEvents({{ScreenCanvas, PointerMove, -5, -7, ButtonLeft},
                  {ScreenCanvas, PointerMove, -20, 30, ButtonLeft},
                  {ScreenCanvas, PointerMove, 700, 50, ButtonLeft}});
    releaseButton(ScreenCanvas, {700, 50});
}

TEST_F(QtProgramTest, DragFromTheUncoveredAreaReachesTheScreenViewWithoutAClick) {
    const QPoint uncovered(760, 350);
    moveInClientArea(uncovered);
    pressInClientArea(uncovered);
    moveInClientArea({100, 100});
    moveInClientArea({120, 100});
    expectEvents({{ScreenCanvas, PointerEnter, 100, 100, ButtonLeft}, {ScreenCanvas, PointerMove, 120, 100, ButtonLeft}});
    releaseInClientArea({120, 100});
    for (const Event& event : takeQueuedEvents()) EXPECT_NE(event.type, LeftClick);
}

}  // namespace
