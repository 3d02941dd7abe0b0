// The picker on the real canvas, driven by real pointer actions and the program's own routing:
// what it shows, what the title says and what a click selects.
#include <QAction>
#include <QMenuBar>
#include <cstdio>

#include "app/menu_bar.h"
#include "model/editor_state.h"
#include "offscreen_fixture.h"
#include "platform/canvas.h"
#include "view/glyph_set.h"
#include "view/palette.h"

namespace {

const uint32_t Green = rgbColour(0, 255, 0);
const uint32_t Red = rgbColour(255, 0, 0);
const uint32_t Black = rgbColour(0, 0, 0);
const uint32_t LightBlue = rgbColour(108, 94, 181);
const uint32_t Blue = rgbColour(53, 40, 121);

std::string colourText(uint32_t colour) {
    char text[32];
    std::snprintf(text, sizeof text, "(%u,%u,%u)", colour & 0xFF, colour >> 8 & 0xFF, colour >> 16 & 0xFF);
    return text;
}

std::string pixel(int x, int y) { return colourText(canvasPixel(PickerCanvas, x, y)); }

// The colour of the 1-pixel frame of picker cell (column, row), or "mixed".
std::string frameOf(int column, int row) {
    const int left = 16 * column;
    const int top = 16 * row;
    const uint32_t first = canvasPixel(PickerCanvas, left, top);
    for (int i = 0; i < 16; ++i) {
        const uint32_t edge[4] = {canvasPixel(PickerCanvas, left + i, top), canvasPixel(PickerCanvas, left + i, top + 15),
                                  canvasPixel(PickerCanvas, left, top + i), canvasPixel(PickerCanvas, left + 15, top + i)};
        for (uint32_t colour : edge)
            if (colour != first) return "mixed";
    }
    return colourText(first);
}

// True when the inside of picker cell (column, row) shows the glyph of `code`, light blue on blue.
// The last glyph column and row are left out: an outline may cover them.
bool cellShowsGlyph(int column, int row, int code) {
    for (int k = 0; k < 7; ++k)
        for (int l = 0; l < 7; ++l) {
            const bool set = GlyphSet[code * 8 + k] & (128 >> l);
            if (canvasPixel(PickerCanvas, 16 * column + 2 * l + 1, 16 * row + 2 * k + 1) != (set ? LightBlue : Blue))
                return false;
        }
    return true;
}

int greenPixels() {
    int count = 0;
    for (int y = 0; y < 272; ++y)
        for (int x = 0; x < 256; ++x) count += canvasPixel(PickerCanvas, x, y) == Green;
    return count;
}

QPoint centreOf(int column, int row) { return {16 * column + 8, 16 * row + 8}; }

// The pointer comes onto the picker (an enter) and moves once more (a hover).
void hover(QPoint position) {
    movePointer(PickerCanvas, position - QPoint(1, 1));
    movePointer(PickerCanvas, position);
    routeQueuedEvents();
}

void clickPicker(QPoint position) {
    hover(position);
    pressButton(PickerCanvas, position);
    releaseButton(PickerCanvas, position);
    routeQueuedEvents();
}

void leaveForTheScreenView() {
    movePointer(ScreenCanvas, {300, 100});
    routeQueuedEvents();
}

class QtPicker : public QtProgramTest {};

TEST_F(QtPicker, StartsWithTheSpaceFramedGreenAndTheLightBlueMarker) {
    EXPECT_EQ(windowTitle(), "Tegrel 0.9");
    for (int y = 1; y < 15; ++y)
        for (int x = 1; x < 15; ++x) ASSERT_EQ(pixel(x, y), colourText(Blue)) << x << "," << y;
    EXPECT_TRUE(cellShowsGlyph(0, 0, 32));
    EXPECT_EQ(frameOf(0, 0), colourText(Green));
    EXPECT_EQ(greenPixels(), 60) << "only the one outline";
    for (int y = 259; y <= 268; ++y)
        for (int x = 227; x <= 236; ++x) {
            const bool marker = x >= 228 && x <= 235 && y >= 260 && y <= 267;
            ASSERT_EQ(pixel(x, y), marker ? "(147,161,74)" : colourText(LightBlue)) << x << "," << y;
        }
}

TEST_F(QtPicker, FirstMotionIsAnEnterOnlyAndTheNextOneHovers) {
    const int64_t shown = canvasShowCount(PickerCanvas);
    movePointer(PickerCanvas, centreOf(5, 2));
    routeQueuedEvents();
    EXPECT_EQ(windowTitle(), "Tegrel 0.9");
    EXPECT_EQ(canvasShowCount(PickerCanvas), shown);
    EXPECT_EQ(frameOf(0, 0), colourText(Green));
    movePointer(PickerCanvas, centreOf(5, 2) + QPoint(1, 1));
    routeQueuedEvents();
    EXPECT_EQ(windowTitle(), "Tegrel 0.9 char:53");
    EXPECT_EQ(canvasShowCount(PickerCanvas), shown + 1);
    EXPECT_EQ(frameOf(5, 2), colourText(Green));
    EXPECT_EQ(frameOf(0, 0), colourText(Red)) << "the selection alone";
}

struct HoverCase {
    const char* name;
    int32_t charset;
    int column;
    int row;
    const char* title;
};

const HoverCase HoverCases[] = {
    {"ReverseSpaceInTheUpperSet", CharsetUpper, 0, 8, "Tegrel 0.9 char:160"},
    {"ReverseSpaceInTheLowerSet", CharsetLower, 0, 8, "Tegrel 0.9 char:160"},
    {"ColourBarColumnThree", CharsetUpper, 3, 16, "Tegrel 0.9 char:3"},
    {"ColourBarColumnThreeInTheLowerSet", CharsetLower, 3, 16, "Tegrel 0.9 char:3"},
    {"LastCellOfTheUpperSet", CharsetUpper, 15, 15, "Tegrel 0.9 char:224"},
    {"LastCellOfTheLowerSet", CharsetLower, 15, 15, "Tegrel 0.9 char:221"},
};

void PrintTo(const HoverCase& c, std::ostream* os) { *os << c.name; }

class QtPickerHover : public QtProgramTest, public ::testing::WithParamInterface<HoverCase> {};

TEST_P(QtPickerHover, PutsTheCodeInTheTitleAndFramesTheCellGreen) {
    const HoverCase& c = GetParam();
    if (c.charset == CharsetLower) chooseMenuItem(MenuLower);
    hover(centreOf(c.column, c.row));
    EXPECT_EQ(windowTitle(), c.title);
    EXPECT_EQ(frameOf(c.column, c.row), colourText(Green));
    EXPECT_EQ(greenPixels(), 60);
    EXPECT_EQ(editor.selectedIndex, 0) << "hovering selects nothing";
    EXPECT_EQ(editor.selectedColour, 14);
}

INSTANTIATE_TEST_SUITE_P(Cells, QtPickerHover, ::testing::ValuesIn(HoverCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(QtPicker, ClickedCellIsFramedGreenOverRedThenRedOnceThePointerLeaves) {
    clickPicker(centreOf(5, 2));
    EXPECT_EQ(editor.selectedIndex, 37);
    EXPECT_EQ(editor.selectedColour, 14);
    EXPECT_EQ(frameOf(5, 2), colourText(Green));
    EXPECT_TRUE(cellShowsGlyph(5, 2, 53));
    leaveForTheScreenView();
    EXPECT_EQ(frameOf(5, 2), colourText(Red));
    EXPECT_EQ(greenPixels(), 0);
    EXPECT_EQ(editor.selectedIndex, 37);
}

TEST_F(QtPicker, ClickedColourSquareMovesTheMarkerAndKeepsTheCharacter) {
    clickPicker(centreOf(2, 16));
    EXPECT_EQ(editor.selectedColour, 2);
    EXPECT_EQ(editor.selectedIndex, 0);
    for (int y = 257; y <= 270; ++y)
        for (int x = 33; x <= 46; ++x) {
            const bool marker = x >= 36 && x <= 43 && y >= 260 && y <= 267;
            ASSERT_EQ(pixel(x, y), marker ? "(151,200,212)" : "(104,55,43)") << x << "," << y;
        }
    EXPECT_EQ(pixel(231, 263), colourText(LightBlue)) << "the old marker is gone";
    EXPECT_EQ(frameOf(0, 0), colourText(Red));
    EXPECT_EQ(frameOf(2, 16), colourText(Green));
}

TEST_F(QtPicker, LeavingAColourSquareLeavesABlackFrameOnIt) {
    hover(centreOf(9, 16));
    EXPECT_EQ(frameOf(9, 16), colourText(Green));
    leaveForTheScreenView();
    EXPECT_EQ(frameOf(9, 16), colourText(Black));
    EXPECT_EQ(pixel(152, 264), "(67,57,0)") << "the square itself stays brown";
    EXPECT_EQ(frameOf(0, 0), colourText(Red)) << "the selection is red again";
    EXPECT_EQ(windowTitle(), "Tegrel 0.9 char:9") << "leaving keeps the title";
}

// A drag that starts on the picker: the picker holds the pointer and reports it outside itself.
struct DragCase {
    const char* name;
    QPoint to;  // relative to the picker
    const char* title;
    int greenPixels;
};

const DragCase DragCases[] = {
    {"JustLeftIsColumnZero", {-5, 5}, "Tegrel 0.9 char:32", 60},
    {"FartherLeftIsColumnMinusOne", {-20, 5}, "Tegrel 0.9 char:224", 0},
    {"AboveIsRowMinusOne", {5, -20}, "Tegrel 0.9 char:189", 0},
    {"BelowTheColourBar", {8, 300}, "Tegrel 0.9 char:48", 0},
};

void PrintTo(const DragCase& c, std::ostream* os) { *os << c.name; }

class QtPickerDrag : public QtProgramTest, public ::testing::WithParamInterface<DragCase> {};

TEST_P(QtPickerDrag, TitlesTheComputedIndexAndReleasingOutsideSelectsNothing) {
    const DragCase& c = GetParam();
    hover(centreOf(3, 1));
    pressButton(PickerCanvas, centreOf(3, 1));
    movePointer(PickerCanvas, c.to);
    routeQueuedEvents();
    EXPECT_EQ(windowTitle(), c.title);
    EXPECT_EQ(greenPixels(), c.greenPixels);
    releaseButton(PickerCanvas, c.to);
    routeQueuedEvents();
    EXPECT_EQ(editor.selectedIndex, 0);
    EXPECT_EQ(editor.selectedColour, 14);
}

INSTANTIATE_TEST_SUITE_P(Outside, QtPickerDrag, ::testing::ValuesIn(DragCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(QtPicker, LowerRedrawsWithTheLowerSetAndKeepsTheSelectionMark) {
    clickPicker(centreOf(5, 2));
    leaveForTheScreenView();
    EXPECT_TRUE(cellShowsGlyph(1, 0, 1));
    EXPECT_TRUE(cellShowsGlyph(0, 10, 176)) << "picker index 160 in the upper order";
    const uint32_t upperA = canvasPixel(PickerCanvas, 23, 1);
    const int64_t shown = canvasShowCount(PickerCanvas);
    chooseMenuItem(MenuLower);
    EXPECT_EQ(editor.charset, CharsetLower);
    EXPECT_EQ(canvasShowCount(PickerCanvas), shown + 1);
    EXPECT_TRUE(cellShowsGlyph(1, 0, 1));
    EXPECT_NE(canvasPixel(PickerCanvas, 23, 1), upperA) << "the lower-case a differs from the upper-case A";
    EXPECT_TRUE(cellShowsGlyph(0, 10, 224)) << "picker index 160 in the lower order";
    EXPECT_TRUE(cellShowsGlyph(5, 2, 69)) << "the selected cell now holds another character";
    EXPECT_EQ(editor.selectedIndex, 37);
    EXPECT_EQ(frameOf(5, 2), colourText(Red));
    EXPECT_EQ(frameOf(0, 0), colourText(Green)) << "a redraw outside a picker event outlines cell (0, 0)";
}

}  // namespace
