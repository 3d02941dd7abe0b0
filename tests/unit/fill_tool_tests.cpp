#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "model/editor_state.h"
#include "model/fill_tool.h"
#include "model/picker_order.h"
#include "model/screen_buffer.h"
#include "model/tool_dispatch.h"
#include "platform/canvas.h"
#include "support/program_fixture.h"

namespace {
constexpr uint8_t Wall = 81;
constexpr int32_t FillIndex = 1;  // screen code 1 in both sets
constexpr uint8_t FillCode = 1;
constexpr uint8_t FillColour = 3;

// A picture drawn as 25 strings of 40: '.' a space, '#' a wall (code 81), '*' a cell the fill paints.
using Sketch = std::vector<std::string>;

void drawSketch(const Sketch& sketch) {
    ASSERT_EQ(sketch.size(), size_t(GridRows));
    for (const std::string& line : sketch) ASSERT_EQ(line.size(), size_t(GridColumns)) << line;
    for (int32_t row = 0; row < GridRows; ++row)
        for (int32_t column = 0; column < GridColumns; ++column) {
            const int32_t cell = cellIndex(column, row);
            screen->codePlane[cell] = sketch[row][column] == '#' ? Wall : BlankCode;
            screen->colourPlane[cell] = static_cast<uint8_t>(cell % 13);
        }
}

void expectFilledAsSketched(const Sketch& sketch) {
    for (int32_t row = 0; row < GridRows; ++row)
        for (int32_t column = 0; column < GridColumns; ++column) {
            const int32_t cell = cellIndex(column, row);
            SCOPED_TRACE(::testing::Message() << "cell (" << column << "," << row << ")");
            switch (sketch[row][column]) {
                case '*':
                    ASSERT_EQ(screen->codePlane[cell], FillCode);
                    ASSERT_EQ(screen->colourPlane[cell], FillColour);
                    break;
                case '#':
                    ASSERT_EQ(screen->codePlane[cell], Wall);
                    ASSERT_EQ(screen->colourPlane[cell], cell % 13);
                    break;
                default:
                    ASSERT_EQ(screen->codePlane[cell], BlankCode);
                    ASSERT_EQ(screen->colourPlane[cell], cell % 13);
            }
        }
}

// The same sketch as it is before the fill: painted cells were spaces, except the start cell.
Sketch before(Sketch sketch, int32_t startColumn, int32_t startRow, char startWas) {
    for (std::string& line : sketch)
        for (char& c : line)
            if (c == '*') c = '.';
    sketch[startRow][startColumn] = startWas;
    return sketch;
}

Sketch rows(const std::string& line) { return Sketch(GridRows, line); }

class FillToolTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        editor.toolMode = ToolFill;
        editor.selectedIndex = FillIndex;
        editor.selectedColour = FillColour;
    }
};

struct FillCase {
    const char* name;
    int32_t column;
    int32_t row;
    char startWas;
    Sketch after;
};

Sketch withLines(Sketch sketch, std::initializer_list<std::pair<int32_t, std::string>> lines) {
    for (const auto& [row, line] : lines) sketch[row] = line;
    return sketch;
}

const std::string Open = "........................................";

const FillCase FillCases[] = {
    {"WallAtColumn20", 30, 5, '.', rows("....................#*******************")},
    {"WallAtColumn20FromTheLeftEdge", 0, 24, '.', rows("********************#...................")},
    {"EnclosedStartCell", 5, 5, '.',
     withLines(rows(Open), {{4, ".....#.................................."},
                            {5, "....#*#................................."},
                            {6, ".....#.................................."}})},
    // The start cell is painted whatever it holds; corners do not join areas, and code 81 walls them off.
    {"StartOnAWall", 10, 10, '#',
     withLines(rows("########################################"),
               {{5, "#####.##################################"},
                {9, "###########.############################"},
                {10, "########***#############################"},
                {11, "##########*#############################"},
                {12, "##########*#############################"}})},
    {"PocketsDoNotWrapAcrossRows", 39, 3, '.',
     withLines(rows("########################################"),
               {{3, "#####################################***"}, {4, "..######################################"}})},
    {"ClosedRing", 20, 12, '.',
     withLines(rows(Open), {{10, "..................#####................."},
                            {11, "..................#***#................."},
                            {12, "..................#***#................."},
                            {13, "..................#####................."}})},
};

class FillCaseTest : public FillToolTest, public ::testing::WithParamInterface<FillCase> {};

TEST_P(FillCaseTest, PaintsTheStartCellAndItsConnectedSpaces) {
    const FillCase& c = GetParam();
    drawSketch(before(c.after, c.column, c.row, c.startWas));
    const int64_t shown = canvasShowCount(ScreenCanvas);
    toolClick(c.column, c.row);
    expectFilledAsSketched(c.after);
    EXPECT_EQ(canvasShowCount(ScreenCanvas), shown + 1);
    EXPECT_TRUE(fake.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Table, FillCaseTest, ::testing::ValuesIn(FillCases),
                         [](const ::testing::TestParamInfo<FillCase>& info) { return info.param.name; });

TEST_F(FillToolTest, ReverseSpaceFillsTheWholeBlankPicture) {
    editor.selectedIndex = 128;
    toolClick(0, 0);  // nests one level per cell: 1000 deep
    for (int32_t cell = 0; cell < CellCount; ++cell) {
        ASSERT_EQ(screen->codePlane[cell], 160);
        ASSERT_EQ(screen->colourPlane[cell], FillColour);
    }
}

TEST_F(FillToolTest, ReverseSpaceIsABorderLikeAnyOtherCode) {
    screen->codePlane[cellIndex(1, 0)] = 160;
    screen->codePlane[cellIndex(0, 1)] = 160;
    toolClick(0, 0);
    EXPECT_EQ(screen->codePlane[cellIndex(0, 0)], FillCode);
    EXPECT_EQ(screen->codePlane[cellIndex(1, 0)], 160);
    EXPECT_EQ(screen->codePlane[cellIndex(2, 0)], BlankCode);
}

TEST_F(FillToolTest, SpaceSelectionIsRefusedWithOneMessage) {
    for (int32_t charset : {CharsetUpper, CharsetLower}) {
        editor.charset = charset;
        editor.selectedIndex = 0;
        fake.messages.clear();
        uint8_t picture[sizeof(ScreenBuffer)];
        std::memcpy(picture, screen, sizeof picture);
        const int64_t shown = canvasShowCount(ScreenCanvas);
        toolClick(12, 12);
        ASSERT_EQ(fake.messages.size(), 1u);
        EXPECT_EQ(fake.messages[0].caption, "Fill");
        EXPECT_EQ(fake.messages[0].text, "Cannot fill space!");
        EXPECT_EQ(std::memcmp(picture, screen, sizeof picture), 0);
        EXPECT_EQ(canvasShowCount(ScreenCanvas), shown);
    }
}

TEST_F(FillToolTest, StartCellOutsideTheGridPaintsNothing) {
    std::memset(screen->scratchCopy, 0xA5, sizeof screen->scratchCopy);
    uint8_t picture[sizeof(ScreenBuffer)];
    std::memcpy(picture, screen, sizeof picture);
    const int32_t starts[][2] = {{5, 25}, {5, 26}, {-1, 5}, {40, 5}, {-1, -1}, {40, 25},
                                 {INT32_MIN, 0}, {INT32_MAX, 0}, {0, INT32_MIN}, {0, INT32_MAX}};
    for (const auto& start : starts) {
        toolClick(start[0], start[1]);
        ASSERT_EQ(std::memcmp(picture, screen, sizeof picture), 0) << start[0] << "," << start[1];
    }
    EXPECT_TRUE(fake.messages.empty());
}

// The plain recursive fill, to compare the explicit-stack one against.
void referenceFill(uint8_t* codes, uint8_t* colours, uint8_t code, uint8_t colour, int32_t column, int32_t row) {
    codes[cellIndex(column, row)] = code;
    colours[cellIndex(column, row)] = colour;
    if (column > 0 && codes[cellIndex(column - 1, row)] == BlankCode)
        referenceFill(codes, colours, code, colour, column - 1, row);
    if (column < 39 && codes[cellIndex(column + 1, row)] == BlankCode)
        referenceFill(codes, colours, code, colour, column + 1, row);
    if (row > 0 && codes[cellIndex(column, row - 1)] == BlankCode)
        referenceFill(codes, colours, code, colour, column, row - 1);
    if (row < 24 && codes[cellIndex(column, row + 1)] == BlankCode)
        referenceFill(codes, colours, code, colour, column, row + 1);
}

TEST_F(FillToolTest, MatchesARecursiveFillOnRandomPictures) {
    std::mt19937 random(2024);
    std::uniform_int_distribution<int32_t> byte(0, 255), column(0, 39), row(0, 24), percent(0, 99);
    for (int trial = 0; trial < 400; ++trial) {
        const int32_t spaces = 40 + trial % 55;  // from scattered pockets to nearly open pictures
        for (int32_t cell = 0; cell < CellCount; ++cell) {
            screen->codePlane[cell] = percent(random) < spaces ? BlankCode : static_cast<uint8_t>(byte(random));
            screen->colourPlane[cell] = static_cast<uint8_t>(byte(random));
        }
        editor.selectedIndex = byte(random);
        editor.charset = trial % 2;
        if (pickerScreenCode(editor.selectedIndex) == BlankCode) continue;
        editor.selectedColour = byte(random) & 15;
        uint8_t codes[CellCount], colours[CellCount];
        std::memcpy(codes, screen->codePlane, CellCount);
        std::memcpy(colours, screen->colourPlane, CellCount);
        const int32_t x = column(random), y = row(random);
        referenceFill(codes, colours, static_cast<uint8_t>(pickerScreenCode(editor.selectedIndex)),
                      static_cast<uint8_t>(editor.selectedColour), x, y);
        floodFill(x, y);
        ASSERT_EQ(std::memcmp(codes, screen->codePlane, CellCount), 0) << "trial " << trial;
        ASSERT_EQ(std::memcmp(colours, screen->colourPlane, CellCount), 0) << "trial " << trial;
    }
}

// The tool never fills with a space, but a direct call must still end rather than revisit its own spaces.
TEST_F(FillToolTest, FloodFillWithASpaceEndsAndColoursTheArea) {
    drawSketch(withLines(rows(Open), {{3, "########################################"}}));
    editor.selectedIndex = 0;
    floodFill(7, 1);
    for (int32_t row = 0; row < GridRows; ++row)
        for (int32_t column = 0; column < GridColumns; ++column) {
            const int32_t cell = cellIndex(column, row);
            EXPECT_EQ(screen->colourPlane[cell], row < 3 ? FillColour : cell % 13) << column << "," << row;
        }
}
}  // namespace
