#include <gtest/gtest.h>

#include <climits>
#include <ostream>
#include <cstring>
#include <utility>

#include "app/event_loop.h"
#include "app/menu_bar.h"
#include "model/editor_state.h"
#include "model/screen_buffer.h"
#include "platform/canvas.h"
#include "platform/events.h"
#include "platform/window.h"
#include "support/program_fixture.h"

namespace {
void routeView(CanvasId view, ViewEventType type, int32_t x, int32_t y, int32_t buttons = 0, int32_t key = 0,
               int32_t modifiers = 0) {
    postViewEvent(view, type, {x, y, buttons, key, modifiers});
    takeNextEvent();
    routeEvent();
}

void routeMenu(int32_t id) {
    postMenuEvent(id);
    takeNextEvent();
    routeEvent();
}
}  // namespace

using Routing = ProgramTest;

TEST_F(Routing, PointerEnterOnlyGivesTheScreenViewTheFocus) {
    const int64_t shown = canvasShowCount(ScreenCanvas);
    routeView(ScreenCanvas, PointerEnter, 200, 50);
    EXPECT_TRUE(canvasHasFocus(ScreenCanvas));
    EXPECT_EQ(windowTitle(), "Tegrel 0.9");
    EXPECT_EQ(canvasShowCount(ScreenCanvas), shown);
}

TEST_F(Routing, MoveShowsTheCellBeforeThePenPaintsIt) {
    editor.selectedIndex = 1;
    editor.selectedColour = 2;
    routeView(ScreenCanvas, PointerMove, 12 * 16 + 5, 3 * 16 + 15, ButtonLeft);
    EXPECT_EQ(windowTitle(), "Tegrel 0.9 x:12,y:3 char=32 col:14");
    EXPECT_EQ(screen->codePlane[cellIndex(12, 3)], 1);
    EXPECT_EQ(screen->colourPlane[cellIndex(12, 3)], 2);
}

struct StatusCase {
    int32_t x, y;
    const char* title;
};

std::ostream& operator<<(std::ostream& out, const StatusCase& c) { return out << "(" << c.x << ", " << c.y << ")"; }

class StatusTitle : public Routing, public ::testing::WithParamInterface<StatusCase> {};

TEST_P(StatusTitle, ShowsTheComputedCell) {
    screen->codePlane[999] = 255;
    screen->colourPlane[999] = 200;
    routeView(ScreenCanvas, PointerMove, GetParam().x, GetParam().y);
    EXPECT_EQ(windowTitle(), GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StatusTitle,
    ::testing::Values(StatusCase{0, 0, "Tegrel 0.9 x:0,y:0 char=32 col:14"},
                      StatusCase{639, 399, "Tegrel 0.9 x:39,y:24 char=255 col:200"},
                      StatusCase{-15, -1, "Tegrel 0.9 x:0,y:0 char=32 col:14"},
                      StatusCase{-16, 5, "Tegrel 0.9 x:-1,y:0 char=- col:-"},
                      StatusCase{100, 400, "Tegrel 0.9 x:6,y:25 char=- col:-"},
                      StatusCase{INT_MIN, INT_MAX, "Tegrel 0.9 x:-134217728,y:134217727 char=- col:-"}));

TEST_F(Routing, PenMovesOutsideTheGridPaintNothing) {
    editor.selectedIndex = 1;
    const ScreenBuffer before = *screen;
    for (auto [x, y] : {std::pair{-16, 0}, {0, -16}, {640, 0}, {0, 400}, {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}})
        routeView(ScreenCanvas, PointerMove, x, y, ButtonLeft);
    EXPECT_EQ(std::memcmp(&before, screen, sizeof before), 0);
    routeView(ScreenCanvas, PointerMove, -5, -5, ButtonLeft);
    EXPECT_EQ(screen->codePlane[0], 1);
}

TEST_F(Routing, RightClickErasesInEveryTool) {
    for (int32_t tool : {MenuPen, MenuLine, MenuFill}) {
        routeMenu(tool);
        screen->codePlane[cellIndex(2, 1)] = 81;
        screen->colourPlane[cellIndex(2, 1)] = 2;
        routeView(ScreenCanvas, RightClick, 2 * 16, 16);
        EXPECT_EQ(screen->codePlane[cellIndex(2, 1)], 32);
        EXPECT_EQ(screen->colourPlane[cellIndex(2, 1)], 2);
    }
}

TEST_F(Routing, ToolItemsChangeOnlyTheTool) {
    const int64_t shown = canvasShowCount(ScreenCanvas);
    routeMenu(MenuLine);
    EXPECT_EQ(editor.toolMode, ToolLine);
    routeMenu(MenuFill);
    EXPECT_EQ(editor.toolMode, ToolFill);
    routeMenu(MenuPen);
    EXPECT_EQ(editor.toolMode, ToolPen);
    EXPECT_EQ(canvasShowCount(ScreenCanvas), shown);
    for (int32_t id : {MenuPen, MenuLine, MenuFill}) EXPECT_FALSE(menuChecked(id));
}

TEST_F(Routing, BackgroundItemsMoveTheCheckMarkAndRedraw) {
    const int64_t shown = canvasShowCount(ScreenCanvas);
    routeMenu(MenuBackgroundBase + 0);
    EXPECT_EQ(editor.backgroundColour, 0);
    routeMenu(MenuBackgroundBase + 15);
    EXPECT_EQ(editor.backgroundColour, 15);
    routeMenu(MenuBackgroundBase + 15);
    EXPECT_EQ(canvasShowCount(ScreenCanvas), shown + 3);
    for (int n = 0; n < 16; ++n) EXPECT_EQ(menuChecked(MenuBackgroundBase + n), n == 15);
}

TEST_F(Routing, CharacterSetCommandsSwapTheCheckMarksAndRedrawBothViews) {
    const int64_t screenShown = canvasShowCount(ScreenCanvas);
    const int64_t pickerShown = canvasShowCount(PickerCanvas);
    routeMenu(MenuLower);
    EXPECT_EQ(editor.charset, CharsetLower);
    EXPECT_TRUE(menuChecked(MenuLower));
    EXPECT_FALSE(menuChecked(MenuUpper));
    routeMenu(MenuLower);
    EXPECT_EQ(canvasShowCount(ScreenCanvas), screenShown + 2);
    EXPECT_EQ(canvasShowCount(PickerCanvas), pickerShown + 2);
    routeMenu(MenuUpper);
    EXPECT_EQ(editor.charset, CharsetUpper);
    EXPECT_FALSE(menuChecked(MenuLower));
    EXPECT_TRUE(menuChecked(MenuUpper));
}

TEST_F(Routing, ClearScreenRedrawsTwiceAndKeepsTheState) {
    screen->codePlane[5] = 81;
    editor.anchorColumn = 3;
    editor.anchorRow = 4;
    const int64_t shown = canvasShowCount(ScreenCanvas);
    routeMenu(MenuClearScreen);
    EXPECT_EQ(screen->codePlane[5], 32);
    EXPECT_EQ(canvasShowCount(ScreenCanvas), shown + 2);
    EXPECT_EQ(editor.anchorColumn, 3);
    EXPECT_EQ(editor.anchorRow, 4);
}

TEST_F(Routing, UnusedIdentifiersDoNothing) {
    const ScreenBuffer before = *screen;
    const EditorState state = editor;
    for (int32_t id : {-1, 9, 14, 31, 1000}) routeMenu(id);
    EXPECT_EQ(std::memcmp(&before, screen, sizeof before), 0);
    EXPECT_EQ(std::memcmp(&state, &editor, sizeof state), 0);
}

TEST_F(Routing, ViewDataReadsZeroForTheOtherView) {
    postViewEvent(PickerCanvas, PointerMove, {30, 40, 1, 0, 4});
    takeNextEvent();
    const ViewEventData screenData = eventData(ScreenCanvas);
    EXPECT_EQ(screenData.pointerX, 0);
    EXPECT_EQ(screenData.modifiers, 0);
    EXPECT_EQ(eventPointerPosition(PickerCanvas).x, 30);
    postMenuEvent(MenuPen);
    takeNextEvent();
    EXPECT_EQ(eventPointerPosition(PickerCanvas).y, 0);
}
