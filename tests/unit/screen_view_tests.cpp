#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "app/event_loop.h"
#include "app/menu_bar.h"
#include "app/menu_commands.h"
#include "model/editor_state.h"
#include "model/screen_buffer.h"
#include "platform/canvas.h"
#include "platform/events.h"
#include "support/program_fixture.h"
#include "view/palette.h"
#include "view/screen_view.h"

namespace {

constexpr uint32_t Blue = rgbColour(53, 40, 121);  // background 6, the default
constexpr uint32_t DarkRed = rgbColour(104, 55, 43);
constexpr uint32_t White = rgbColour(255, 255, 255);
constexpr uint32_t LightBlue = rgbColour(108, 94, 181);
constexpr uint32_t Green = rgbColour(88, 141, 67);
constexpr uint32_t Orange = rgbColour(111, 79, 37);
constexpr uint32_t CanvasWhite = 0xFFFFFF;  // never drawn

uint32_t screenPixel(int32_t x, int32_t y) { return canvasPixel(ScreenCanvas, x, y); }

void takeScreenEvent(ViewEventType type, int32_t x, int32_t y, int32_t buttons = 0) {
    postViewEvent(ScreenCanvas, type, {x, y, buttons, 0, 0});
    takeNextEvent();
}

void routeScreenEvent(ViewEventType type, int32_t x, int32_t y, int32_t buttons = 0) {
    takeScreenEvent(type, x, y, buttons);
    routeEvent();
}

void routeMenuCommand(int32_t id) {
    postMenuEvent(id);
    takeNextEvent();
    routeEvent();
}

void setCell(int32_t column, int32_t row, uint8_t code, uint8_t colour) {
    screen->codePlane[cellIndex(column, row)] = code;
    screen->colourPlane[cellIndex(column, row)] = colour;
}

struct PixelProbe {
    const char* what;
    int32_t x;
    int32_t y;
    uint32_t colour;
};

void PrintTo(const PixelProbe& probe, std::ostream* out) { *out << probe.what; }

// A blank picture on background 6 with a few telling cells, the pointer over the last cell.
class ScreenViewPixels : public ::testing::TestWithParam<PixelProbe> {
protected:
    void SetUp() override {
        startFakeProgram();
        setCell(1, 0, 160, 2);
        setCell(2, 0, 160, 17);
        setCell(3, 0, 160, 30);
        setCell(4, 0, 1, 1);
        setCell(5, 3, 160, 5);
        takeScreenEvent(PointerMove, 639, 399);
        renderScreenView();
    }
};

TEST_P(ScreenViewPixels, ShowTheirColour) {
    EXPECT_EQ(screenPixel(GetParam().x, GetParam().y), GetParam().colour);
}

INSTANTIATE_TEST_SUITE_P(
    Probes, ScreenViewPixels,
    ::testing::Values(PixelProbe{"space cell inside", 5, 5, Blue},
                      PixelProbe{"space cell odd x on its top row", 1, 0, Blue},
                      PixelProbe{"code 160 inside", 21, 5, DarkRed},
                      PixelProbe{"code 160 last pixel", 31, 15, DarkRed},
                      PixelProbe{"code 160 top-left dot", 16, 0, ColourGrey},
                      PixelProbe{"code 160 right of the dot", 17, 0, DarkRed},
                      PixelProbe{"code 160 below the dot", 16, 1, DarkRed},
                      PixelProbe{"code 160 top row even x", 22, 0, ColourGrey},
                      PixelProbe{"code 160 left column even y", 16, 6, ColourGrey},
                      PixelProbe{"colour byte 17 as white", 37, 5, White},
                      PixelProbe{"colour byte 30 as light blue", 53, 5, LightBlue},
                      PixelProbe{"A row 1 set bit", 68, 3, White},
                      PixelProbe{"A row 1 clear bit", 67, 3, Blue},
                      PixelProbe{"cell (5, 3) top-left dot", 80, 48, ColourGrey},
                      PixelProbe{"cell (5, 3) right of the dot", 81, 48, Green},
                      PixelProbe{"cell (5, 3) below the dot", 80, 49, Green},
                      PixelProbe{"x 639 has no dots", 639, 96, Blue},
                      PixelProbe{"y 399 has no dots", 96, 399, Blue},
                      PixelProbe{"outline top left", 624, 384, ColourRed},
                      PixelProbe{"outline top right", 639, 384, ColourRed},
                      PixelProbe{"outline bottom left", 624, 399, ColourRed},
                      PixelProbe{"outline bottom right", 639, 399, ColourRed},
                      PixelProbe{"outline top edge over a dot", 630, 384, ColourRed},
                      PixelProbe{"outline left edge", 624, 391, ColourRed},
                      PixelProbe{"inside the outline", 631, 391, Blue},
                      PixelProbe{"left of the outline", 623, 391, Blue},
                      PixelProbe{"strip: vertical dotted line", 0, 402, ColourGrey},
                      PixelProbe{"strip: vertical dotted line low", 16, 420, ColourGrey},
                      PixelProbe{"strip: odd y between dots", 16, 421, CanvasWhite},
                      PixelProbe{"strip: dotted line at y 400", 2, 400, ColourGrey},
                      PixelProbe{"strip: dotted line at y 416", 6, 416, ColourGrey},
                      PixelProbe{"strip: odd x between dots", 7, 416, CanvasWhite},
                      PixelProbe{"strip: untouched", 5, 405, CanvasWhite},
                      PixelProbe{"strip: below x 639", 639, 410, CanvasWhite}));

using ScreenView = ProgramTest;

TEST_F(ScreenView, EachRedrawShowsOneFinishedFrame) {
    const int64_t shown = canvasShowCount(ScreenCanvas);
    renderScreenView();
    EXPECT_EQ(canvasShowCount(ScreenCanvas), shown + 1);
    routeScreenEvent(PointerMove, 100, 100);
    EXPECT_EQ(canvasShowCount(ScreenCanvas), shown + 2);
}

TEST_F(ScreenView, DragLeftOfTheViewOutlinesColumnZero) {
    editor.selectedIndex = 128;  // the reverse space
    routeScreenEvent(PointerMove, -5, 40, ButtonLeft);
    for (const auto& [x, y] : {std::pair{0, 40}, {15, 40}, {7, 32}, {7, 47}})
        EXPECT_EQ(screenPixel(x, y), ColourRed) << x << "," << y;
    EXPECT_EQ(screen->codePlane[cellIndex(0, 2)], 160);
    EXPECT_EQ(screenPixel(7, 40), LightBlue);
}

TEST_F(ScreenView, OutlineInRow25StaysInTheStripExceptUnderDots) {
    routeScreenEvent(PointerMove, 100, 405);
    for (const auto& [x, y] : {std::pair{100, 400}, {101, 400}, {96, 403}, {111, 405}, {104, 415}})
        EXPECT_EQ(screenPixel(x, y), ColourRed) << x << "," << y;
    routeMenuCommand(MenuBackgroundBase + 2);
    EXPECT_EQ(screenPixel(15, 15), ColourRed);
    for (const auto& [x, y] : {std::pair{101, 400}, {96, 403}, {111, 405}, {104, 415}})
        EXPECT_EQ(screenPixel(x, y), ColourRed) << x << "," << y;
    EXPECT_EQ(screenPixel(100, 400), ColourGrey);
    EXPECT_EQ(screenPixel(96, 402), ColourGrey);
}

class ScreenViewMenuRedraw : public ::testing::TestWithParam<int32_t> {
protected:
    void SetUp() override { startFakeProgram(); }
};

TEST_P(ScreenViewMenuRedraw, PutsTheOutlineOnCellZero) {
    routeScreenEvent(PointerMove, 300, 200);
    ASSERT_EQ(screenPixel(303, 200), ColourRed);
    routeMenuCommand(GetParam());
    EXPECT_NE(screenPixel(303, 200), ColourRed);
    for (const auto& [x, y] : {std::pair{0, 7}, {15, 15}, {7, 0}})
        EXPECT_EQ(screenPixel(x, y), ColourRed) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Commands, ScreenViewMenuRedraw,
                         ::testing::Values(MenuClearScreen, MenuBackgroundBase + 3, MenuBackgroundBase + 6, MenuLower,
                                           MenuUpper));

TEST_F(ScreenView, BackgroundChangeRepaintsOnlyTheZeroBitsOfGlyphs) {
    std::mt19937 random(7);
    // Foregrounds avoid the two backgrounds, so a pixel in background 6 is a 0 bit of its glyph.
    const uint8_t colours[] = {0, 1, 3, 4, 5, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    for (int32_t cell = 0; cell < CellCount; ++cell) {
        screen->codePlane[cell] = uint8_t(random());
        screen->colourPlane[cell] = colours[random() % sizeof colours];
    }
    routeMenuCommand(MenuBackgroundBase + 6);
    const std::vector<uint32_t> before = fakeCanvasImage(ScreenCanvas);
    routeMenuCommand(MenuBackgroundBase + 2);
    const std::vector<uint32_t> after = fakeCanvasImage(ScreenCanvas);
    int64_t repainted = 0;
    for (size_t i = 0; i < before.size(); ++i) {
        const bool inPicture = i / ScreenViewWidth < 400;
        if (inPicture && before[i] == Blue) {
            ASSERT_EQ(after[i], DarkRed) << "pixel " << i;
            ++repainted;
        } else {
            ASSERT_EQ(after[i], before[i]) << "pixel " << i;
        }
    }
    EXPECT_GT(repainted, 50000);
}

TEST_F(ScreenView, BackgroundAbove15UsesItsLowFourBitsAndIsKept) {
    editor.backgroundColour = 200;
    renderScreenView();
    EXPECT_EQ(screenPixel(5, 5), Orange);
    EXPECT_EQ(editor.backgroundColour, 200);
}

TEST_F(ScreenView, WithoutACanvasNothingIsDrawn) {
    resetFakePlatform();
    renderScreenView();
    EXPECT_EQ(canvasShowCount(ScreenCanvas), 0);
}

}  // namespace
