#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "app/event_loop.h"
#include "app/menu_bar.h"
#include "app/menu_commands.h"
#include "model/editor_state.h"
#include "platform/canvas.h"
#include "platform/events.h"
#include "platform/window.h"
#include "support/program_fixture.h"
#include "view/palette.h"
#include "view/picker_view.h"

namespace {

constexpr uint32_t Blue = rgbColour(53, 40, 121);        // glyph background, colour square 6
constexpr uint32_t LightBlue = rgbColour(108, 94, 181);  // glyph foreground, colour square 14
constexpr uint32_t Cyan = rgbColour(112, 164, 178);
constexpr uint32_t DarkRed = rgbColour(104, 55, 43);
constexpr uint32_t Brown = rgbColour(67, 57, 0);
constexpr uint32_t MarkerOn14 = rgbColour(147, 161, 74);
constexpr uint32_t MarkerOn2 = rgbColour(151, 200, 212);

uint32_t pickerPixel(int32_t x, int32_t y) { return canvasPixel(PickerCanvas, x, y); }

void routePickerEvent(ViewEventType type, int32_t x, int32_t y, int32_t buttons = 0) {
    postViewEvent(PickerCanvas, type, {x, y, buttons, 0, 0});
    takeNextEvent();
    routeEvent();
}

void routeMenuCommand(int32_t id) {
    postMenuEvent(id);
    takeNextEvent();
    routeEvent();
}

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

struct PickerStep {
    ViewEventType type;
    int32_t x;
    int32_t y;
};

struct PixelProbe {
    int32_t x;
    int32_t y;
    uint32_t colour;
};

struct PickerScenario {
    const char* name;
    int32_t charset;
    std::vector<PickerStep> steps;
    const char* titleEnd;
    int32_t selectedIndex;
    int32_t selectedColour;
    std::vector<PixelProbe> probes;
};

void PrintTo(const PickerScenario& scenario, std::ostream* out) { *out << scenario.name; }

class PickerScenarios : public ::testing::TestWithParam<PickerScenario> {
protected:
    void SetUp() override { startFakeProgram(); }
};

TEST_P(PickerScenarios, EndInTheExpectedLook) {
    const PickerScenario& scenario = GetParam();
    if (scenario.charset == CharsetLower) routeMenuCommand(MenuLower);
    for (const PickerStep& step : scenario.steps)
        routePickerEvent(step.type, step.x, step.y);
    EXPECT_PRED2(endsWith, windowTitle(), scenario.titleEnd);
    EXPECT_EQ(editor.selectedIndex, scenario.selectedIndex);
    EXPECT_EQ(editor.selectedColour, scenario.selectedColour);
    for (const PixelProbe& probe : scenario.probes)
        EXPECT_EQ(pickerPixel(probe.x, probe.y), probe.colour) << "pixel " << probe.x << "," << probe.y;
}

INSTANTIATE_TEST_SUITE_P(
    Table, PickerScenarios,
    ::testing::Values(
        PickerScenario{"StartUp", CharsetUpper, {}, "Tegrel 0.9", 0, 14,
                       {{5, 5, Blue},          // the space glyph of cell (0, 0)
                        {0, 0, ColourGreen},   // green hover outline over the red selection
                        {0, 5, ColourGreen},
                        {15, 5, ColourGreen},
                        {5, 15, ColourGreen},
                        {20, 3, LightBlue},    // A in cell (1, 0): row 1 is 3C
                        {18, 3, Blue},
                        {32, 100, ColourBlack},
                        {100, 32, ColourBlack},
                        {100, 256, Blue},      // no line at y 256: colour square 6
                        {228, 260, MarkerOn14},
                        {235, 267, MarkerOn14},
                        {227, 263, LightBlue},
                        {236, 263, LightBlue},
                        {231, 259, LightBlue},
                        {231, 268, LightBlue}}},
        PickerScenario{"HoverReverseSpaceUpper", CharsetUpper, {{PointerMove, 5, 130}}, " char:160", 0, 14,
                       {{0, 128, ColourGreen}, {15, 143, ColourGreen}, {5, 133, LightBlue}, {15, 5, ColourRed},
                        {5, 0, ColourRed}}},
        PickerScenario{"HoverReverseSpaceLower", CharsetLower, {{PointerMove, 5, 130}}, " char:160", 0, 14,
                       {{0, 128, ColourGreen}, {5, 133, LightBlue}}},
        PickerScenario{"HoverColourBar3", CharsetUpper, {{PointerMove, 50, 260}}, " char:3", 0, 14,
                       {{48, 256, ColourGreen}, {63, 271, ColourGreen}, {55, 256, ColourGreen}, {55, 263, Cyan}}},
        // Cell (3, 3) holds code 123, empty in row 1: no green edge there.
        PickerScenario{"EnterChangesNothing", CharsetUpper, {{PointerEnter, 50, 50}}, "Tegrel 0.9", 0, 14,
                       {{15, 5, ColourGreen}, {63, 50, Blue}}},
        PickerScenario{"ClickCell5Row2", CharsetUpper, {{PointerMove, 85, 40}, {LeftClick, 85, 40}}, " char:53", 37,
                       14, {{80, 32, ColourGreen}, {95, 47, ColourGreen}, {15, 5, Blue}}},
        PickerScenario{"ClickCell5Row2ThenLeave", CharsetUpper,
                       {{PointerMove, 85, 40}, {LeftClick, 85, 40}, {PointerLeave, 300, 40}}, " char:53", 37, 14,
                       {{80, 40, ColourRed}, {95, 47, ColourRed}, {88, 32, ColourRed}}},
        PickerScenario{"ClickColour2", CharsetUpper, {{PointerMove, 40, 265}, {LeftClick, 40, 265}}, " char:2", 0, 2,
                       {{36, 260, MarkerOn2}, {43, 267, MarkerOn2}, {35, 263, DarkRed}, {228, 260, LightBlue},
                        {15, 5, ColourRed}}},
        PickerScenario{"LeaveAfterColour9", CharsetUpper, {{PointerMove, 150, 262}, {PointerLeave, 300, 262}},
                       " char:9", 0, 14,
                       {{144, 256, ColourBlack}, {159, 271, ColourBlack}, {150, 256, ColourBlack},
                        {144, 265, ColourBlack}, {150, 265, Brown}, {15, 5, ColourRed}}},
        // Dragged outside: hoverIndex -1 is entry 127 OR 128, -16 entry 112 OR 128.
        PickerScenario{"DragLeftIndexMinus1", CharsetUpper, {{PointerMove, -20, 5}}, " char:224", 0, 14,
                       {{0, 0, ColourRed}, {15, 5, ColourRed}}},
        PickerScenario{"DragAboveIndexMinus1", CharsetUpper, {{PointerMove, 250, -20}}, " char:224", 0, 14,
                       {{240, 0, ColourBlack}, {15, 5, ColourRed}}},
        PickerScenario{"DragLeftIndexMinus1Lower", CharsetLower, {{PointerMove, -20, 5}}, " char:221", 0, 14, {}},
        PickerScenario{"DragAboveCornerIndexMinus16", CharsetUpper, {{PointerMove, -5, -20}}, " char:189", 0, 14,
                       {{0, 0, ColourRed}}},
        PickerScenario{"DragJustLeftIsColumn0", CharsetUpper, {{PointerMove, -5, 40}}, " char:48", 0, 14,
                       {{0, 40, ColourGreen}, {15, 40, ColourGreen}}},
        PickerScenario{"ReleaseOutsideSelectsNothing", CharsetUpper, {{PointerMove, -20, 5}, {LeftClick, -20, 5}},
                       " char:224", 0, 14, {{15, 5, ColourRed}}}),
    [](const ::testing::TestParamInfo<PickerScenario>& info) { return std::string(info.param.name); });

using PickerView = ProgramTest;

TEST_F(PickerView, PointerOutsideLeavesNoGreenOnTheCanvas) {
    for (const auto& [x, y] : {std::pair{-20, 5}, {250, -20}, {-5, -20}, {300, 280}, {5, 290}, {INT_MIN, INT_MAX}}) {
        routePickerEvent(PointerMove, x, y);
        const std::vector<uint32_t> image = fakeCanvasImage(PickerCanvas);
        EXPECT_EQ(std::count(image.begin(), image.end(), ColourGreen), 0) << x << "," << y;
    }
}

TEST_F(PickerView, ClicksOutsideThePickerKeepTheSelectionInRange) {
    routePickerEvent(LeftClick, 85, 40);
    routePickerEvent(LeftClick, 40, 265);
    for (const auto& [x, y] : {std::pair{-20, 5}, {260, 5}, {5, -20}, {5, 290}, {300, 270}, {-20, 265},
                               {INT_MAX, INT_MIN}, {INT_MIN, INT_MAX}}) {
        routePickerEvent(LeftClick, x, y);
        EXPECT_EQ(editor.selectedIndex, 37) << x << "," << y;
        EXPECT_EQ(editor.selectedColour, 2) << x << "," << y;
    }
}

class PickerPointerCell : public ::testing::TestWithParam<ViewEventType> {
protected:
    void SetUp() override { startFakeProgram(); }
};

TEST_P(PickerPointerCell, IsSetForEveryEventTruncatingTowardZero) {
    routePickerEvent(GetParam(), -20, 300);
    EXPECT_EQ(editor.pointerColumn, -1);
    EXPECT_EQ(editor.pointerRow, 18);
    routePickerEvent(GetParam(), -15, 17);
    EXPECT_EQ(editor.pointerColumn, 0);
    EXPECT_EQ(editor.pointerRow, 1);
}

INSTANTIATE_TEST_SUITE_P(AllTypes, PickerPointerCell,
                         ::testing::Values(PointerEnter, PointerMove, PointerLeave, LeftClick, RightClick, KeyDown));

TEST_F(PickerView, OnlyMoveLeaveAndClickDraw) {
    struct Expected {
        ViewEventType type;
        int64_t frames;
    };
    for (const Expected& e : {Expected{PointerEnter, 0}, Expected{PointerMove, 1}, Expected{PointerLeave, 1},
                              Expected{LeftClick, 1}, Expected{RightClick, 0}, Expected{KeyDown, 0}}) {
        const int64_t shown = canvasShowCount(PickerCanvas);
        routePickerEvent(e.type, 20, 20);
        EXPECT_EQ(canvasShowCount(PickerCanvas), shown + e.frames) << "type " << e.type;
    }
}

TEST_F(PickerView, GridLinesAreBlackAndTheLastColumnAndRowKeepGlyphPixels) {
    for (int32_t n = 0; n < 16; ++n)
        for (int32_t t = 0; t < 256; ++t) {
            if (n == 0 && t < 16) continue;  // under the outlines of cell (0, 0)
            ASSERT_EQ(pickerPixel(16 * n, t), ColourBlack) << "x " << 16 * n << " y " << t;
            ASSERT_EQ(pickerPixel(t, 16 * n), ColourBlack) << "x " << t << " y " << 16 * n;
        }
    for (int32_t t = 1; t < 256; ++t) {
        if (t % 16 == 0) continue;
        // The 2 × 2 glyph squares run up to the edge: the last pixel matches its neighbour.
        EXPECT_EQ(pickerPixel(255, t), pickerPixel(254, t)) << "y " << t;
        EXPECT_TRUE(pickerPixel(255, t) == Blue || pickerPixel(255, t) == LightBlue) << "y " << t;
        EXPECT_EQ(pickerPixel(t, 255), pickerPixel(t, 254)) << "x " << t;
        EXPECT_TRUE(pickerPixel(t, 255) == Blue || pickerPixel(t, 255) == LightBlue) << "x " << t;
    }
}

TEST_F(PickerView, SwitchingTheSetRedrawsWithTheOtherGlyphsAndKeepsTheSelection) {
    routePickerEvent(LeftClick, 85, 40);
    EXPECT_EQ(pickerPixel(22, 1), LightBlue);  // A: row 0 is 18
    const int64_t shown = canvasShowCount(PickerCanvas);
    routeMenuCommand(MenuLower);
    EXPECT_EQ(canvasShowCount(PickerCanvas), shown + 1);
    EXPECT_EQ(pickerPixel(22, 1), Blue);  // a: row 0 is empty
    EXPECT_EQ(editor.selectedIndex, 37);
    EXPECT_EQ(pickerPixel(80, 40), ColourRed);
    EXPECT_EQ(pickerPixel(95, 47), ColourRed);
    EXPECT_EQ(pickerPixel(15, 5), ColourGreen);
}

TEST_F(PickerView, WithoutACanvasTheTitleAndSelectionStillChange) {
    resetFakePlatform();
    routePickerEvent(PointerMove, 85, 40);
    EXPECT_EQ(windowTitle(), "Tegrel 0.9 char:53");
    routePickerEvent(LeftClick, 85, 40);
    EXPECT_EQ(editor.selectedIndex, 37);
    routePickerEvent(PointerLeave, 300, 40);
    EXPECT_EQ(canvasShowCount(PickerCanvas), 0);
}

}  // namespace
