#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <random>
#include <set>
#include <utility>
#include <vector>

#include "app/menu_bar.h"
#include "app/menu_commands.h"
#include "model/editor_state.h"
#include "model/line_tool.h"
#include "model/screen_buffer.h"
#include "model/tool_dispatch.h"
#include "platform/canvas.h"
#include "support/program_fixture.h"

namespace {
using Cell = std::pair<int32_t, int32_t>;
using Cells = std::vector<Cell>;

// The code the tests paint with: picker index 1 is screen code 1 in both sets.
constexpr int32_t LineIndex = 1;
constexpr uint8_t LineCode = 1;
constexpr uint8_t LineColour = 7;

std::set<Cell> paintedCells() {
    std::set<Cell> cells;
    for (int32_t row = 0; row < GridRows; ++row)
        for (int32_t column = 0; column < GridColumns; ++column)
            if (screen->codePlane[cellIndex(column, row)] == LineCode) {
                EXPECT_EQ(screen->colourPlane[cellIndex(column, row)], LineColour);
                cells.insert({column, row});
            }
    return cells;
}

Cells visited;
void recordCell(int32_t column, int32_t row) { visited.push_back({column, row}); }

Cells lineCells(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    visited.clear();
    stepLine(static_cast<int16_t>(x1), static_cast<int16_t>(y1), static_cast<int16_t>(x2), static_cast<int16_t>(y2),
             recordCell);
    return visited;
}

// What every line promises: it starts at the first end and ends at the second, covers max(dx, dy) + 1
// cells, each a side or corner neighbour of the one before, and only ever moves toward the end.
void expectWellFormedLine(const Cells& cells, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    const int32_t longer = std::max(std::abs(x2 - x1), std::abs(y2 - y1));
    ASSERT_FALSE(cells.empty());
    EXPECT_EQ(cells.front(), Cell(x1, y1));
    EXPECT_EQ(cells.back(), Cell(x2, y2));
    if (longer == 0) {
        EXPECT_EQ(cells.size(), 2u);  // the one cell is plotted twice
        return;
    }
    ASSERT_EQ(cells.size(), size_t(longer) + 1);
    for (size_t i = 1; i < cells.size(); ++i) {
        const int32_t stepX = cells[i].first - cells[i - 1].first;
        const int32_t stepY = cells[i].second - cells[i - 1].second;
        ASSERT_TRUE(std::abs(stepX) <= 1 && std::abs(stepY) <= 1 && (stepX || stepY)) << "pass " << i;
        ASSERT_TRUE(stepX == 0 || (stepX > 0) == (x2 > x1)) << "pass " << i;
        ASSERT_TRUE(stepY == 0 || (stepY > 0) == (y2 > y1)) << "pass " << i;
    }
}

class LineToolTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        editor.toolMode = ToolLine;
        editor.selectedIndex = LineIndex;
        editor.selectedColour = LineColour;
    }
};

struct LineCase {
    const char* name;
    Cell anchor;
    Cell click;
    Cells painted;
};

const LineCase LineCases[] = {
    {"SlantFromTheFarEnd", {0, 0}, {4, 2}, {{4, 2}, {3, 2}, {2, 1}, {1, 1}, {0, 0}}},
    {"SlantFromTheNearEnd", {4, 2}, {0, 0}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}},
    {"SlantFiveByTwo", {0, 0}, {5, 2}, {{5, 2}, {4, 2}, {3, 1}, {2, 1}, {1, 0}, {0, 0}}},
    {"Horizontal", {3, 5}, {10, 5}, {{10, 5}, {9, 5}, {8, 5}, {7, 5}, {6, 5}, {5, 5}, {4, 5}, {3, 5}}},
    {"Vertical", {7, 20}, {7, 14}, {{7, 14}, {7, 15}, {7, 16}, {7, 17}, {7, 18}, {7, 19}, {7, 20}}},
    {"Diagonal", {0, 0}, {3, 3}, {{3, 3}, {2, 2}, {1, 1}, {0, 0}}},
    {"SameCell", {6, 6}, {6, 6}, {{6, 6}}},
    {"AnchorBelowTheGridVertical", {2, 26}, {2, 22}, {{2, 22}, {2, 23}, {2, 24}}},
    {"AnchorBelowTheGridSlanted", {4, 25}, {0, 23}, {{0, 23}, {1, 23}, {2, 24}, {3, 24}}},
    {"EndLeftOfTheGrid", {2, 3}, {-3, 3}, {{0, 3}, {1, 3}, {2, 3}}},
};

class LineCaseTest : public LineToolTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(LineCaseTest, SecondClickPaintsTheLineAndClearsTheAnchor) {
    const LineCase& c = GetParam();
    toolClick(c.anchor.first, c.anchor.second);
    const int64_t shown = canvasShowCount(ScreenCanvas);
    toolClick(c.click.first, c.click.second);
    EXPECT_EQ(paintedCells(), std::set<Cell>(c.painted.begin(), c.painted.end()));
    EXPECT_EQ(editor.anchorColumn, -1);
    EXPECT_EQ(editor.anchorRow, -1);
    EXPECT_EQ(canvasShowCount(ScreenCanvas), shown + 1);
    // A line wholly inside the grid is listed in stepping order, from the click to the anchor.
    const bool whole = cellInGrid(c.anchor.first, c.anchor.second) && cellInGrid(c.click.first, c.click.second);
    if (whole && c.anchor != c.click) {
        EXPECT_EQ(lineCells(c.click.first, c.click.second, c.anchor.first, c.anchor.second), c.painted);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, LineCaseTest, ::testing::ValuesIn(LineCases),
                         [](const ::testing::TestParamInfo<LineCase>& info) { return info.param.name; });

TEST_F(LineToolTest, FirstClickOnlySetsTheAnchor) {
    uint8_t before[sizeof(ScreenBuffer)];
    std::memcpy(before, screen, sizeof before);
    const int64_t shown = canvasShowCount(ScreenCanvas);
    toolClick(8, 9);
    EXPECT_EQ(editor.anchorColumn, 8);
    EXPECT_EQ(editor.anchorRow, 9);
    EXPECT_EQ(canvasShowCount(ScreenCanvas), shown);
    EXPECT_EQ(std::memcmp(before, screen, sizeof before), 0);
}

TEST_F(LineToolTest, FirstClickLeftOfOrAboveTheViewSetsNoAnchor) {
    for (Cell cell : {Cell{-1, 3}, Cell{4, -1}, Cell{-54, -1}, Cell{INT32_MIN, 0}}) {
        toolClick(cell.first, cell.second);
        EXPECT_EQ(editor.anchorColumn, -1);
        EXPECT_EQ(editor.anchorRow, -1);
    }
}

TEST_F(LineToolTest, PreviewRedrawsAndLeavesThePlanesAsTheyWere) {
    for (int32_t i = 0; i < PictureImageBytes; ++i) pictureImage()[i] = static_cast<uint8_t>(i * 13 + 5);
    uint8_t before[PictureImageBytes];
    std::memcpy(before, pictureImage(), sizeof before);

    int64_t shown = canvasShowCount(ScreenCanvas);
    toolMove(20, 10, false);  // no anchor yet: a plain redraw
    EXPECT_EQ(canvasShowCount(ScreenCanvas), ++shown);

    toolClick(2, 3);
    EXPECT_EQ(canvasShowCount(ScreenCanvas), shown);
    for (const Cell& pointer : {Cell{20, 10}, Cell{0, 24}, Cell{2, 3}, Cell{-5, 30}, Cell{60, -2}}) {
        toolMove(pointer.first, pointer.second, true);
        EXPECT_EQ(canvasShowCount(ScreenCanvas), ++shown);
        EXPECT_EQ(std::memcmp(before, pictureImage(), sizeof before), 0);
        EXPECT_EQ(std::memcmp(before, screen->scratchCopy, sizeof before), 0);
        EXPECT_EQ(editor.anchorColumn, 2);
        EXPECT_EQ(editor.anchorRow, 3);
    }
}

TEST_F(LineToolTest, AnchorSurvivesToolChangeClearAndCharacterSetSwitch) {
    toolClick(0, 0);
    handleMenuCommand(MenuPen);
    toolClick(20, 20);
    handleMenuCommand(MenuFill);
    handleMenuCommand(MenuClearScreen);
    handleMenuCommand(MenuLower);
    EXPECT_EQ(editor.anchorColumn, 0);
    EXPECT_EQ(editor.anchorRow, 0);
    handleMenuCommand(MenuLine);
    toolClick(3, 3);
    EXPECT_EQ(paintedCells(), (std::set<Cell>{{0, 0}, {1, 1}, {2, 2}, {3, 3}}));
    EXPECT_EQ(editor.anchorColumn, -1);
}

TEST(LineStepping, RandomLinesAreWellFormed) {
    std::mt19937 random(1234);
    std::uniform_int_distribution<int32_t> coordinate(-60, 60);
    for (int i = 0; i < 5000; ++i) {
        const int32_t x1 = coordinate(random), y1 = coordinate(random);
        const int32_t x2 = coordinate(random), y2 = coordinate(random);
        SCOPED_TRACE(::testing::Message() << "(" << x1 << "," << y1 << ")-(" << x2 << "," << y2 << ")");
        expectWellFormedLine(lineCells(x1, y1, x2, y2), x1, y1, x2, y2);
        if (HasFatalFailure()) return;
    }
}

TEST_F(LineToolTest, DrawLinePaintsTheSteppedCellsInsideTheGrid) {
    std::mt19937 random(99);
    std::uniform_int_distribution<int32_t> coordinate(-60, 60);
    for (int i = 0; i < 300; ++i) {
        const int32_t x1 = coordinate(random), y1 = coordinate(random);
        const int32_t x2 = coordinate(random), y2 = coordinate(random);
        std::memset(screen->codePlane, BlankCode, CellCount);
        drawLine(static_cast<int16_t>(x1), static_cast<int16_t>(y1), static_cast<int16_t>(x2),
                 static_cast<int16_t>(y2));
        std::set<Cell> expected;
        for (const Cell& cell : lineCells(x1, y1, x2, y2))
            if (cellInGrid(cell.first, cell.second)) expected.insert(cell);
        ASSERT_EQ(paintedCells(), expected) << "(" << x1 << "," << y1 << ")-(" << x2 << "," << y2 << ")";
    }
}

struct FarLine {
    int32_t x1, y1, x2, y2;
};

// Ends too far apart for a 16-bit error term: the stepping must still end, after the longer distance.
class FarLineTest : public ::testing::TestWithParam<FarLine> {};

TEST_P(FarLineTest, EndsAndStaysWellFormed) {
    const FarLine& l = GetParam();
    expectWellFormedLine(lineCells(l.x1, l.y1, l.x2, l.y2), l.x1, l.y1, l.x2, l.y2);
}

INSTANTIATE_TEST_SUITE_P(Table, FarLineTest,
                         ::testing::Values(FarLine{0, 0, 10922, 3}, FarLine{0, 0, 10923, 7},
                                           FarLine{0, 0, 16384, 1}, FarLine{-20000, 5, 20000, -3},
                                           FarLine{INT16_MIN, 0, INT16_MAX, 0}, FarLine{INT16_MAX, 2, INT16_MIN, 9},
                                           FarLine{INT16_MIN, INT16_MIN, INT16_MAX, INT16_MAX},
                                           FarLine{INT16_MAX, INT16_MIN, INT16_MIN, 12345},
                                           FarLine{0, INT16_MIN, 1, INT16_MAX}));

TEST_F(LineToolTest, RowAcrossTheWholeCoordinateRangeCoversTheGridRow) {
    drawLine(INT16_MIN, 4, INT16_MAX, 4);
    std::set<Cell> row;
    for (int32_t column = 0; column < GridColumns; ++column) row.insert({column, 4});
    EXPECT_EQ(paintedCells(), row);
}
}  // namespace
