#include <gtest/gtest.h>

#include <cstring>
#include <ostream>

#include "model/cell_edits.h"
#include "model/editor_state.h"
#include "model/picker_order.h"
#include "model/screen_buffer.h"
#include "model/tool_dispatch.h"
#include "support/program_fixture.h"

using CellEdits = ProgramTest;

TEST_F(CellEdits, StartUpPenClickStoresBlankSpace) {
    screen->codePlane[cellIndex(3, 4)] = 81;
    screen->colourPlane[cellIndex(3, 4)] = 2;
    toolClick(3, 4);
    EXPECT_EQ(screen->codePlane[cellIndex(3, 4)], 32);
    EXPECT_EQ(screen->colourPlane[cellIndex(3, 4)], 14);
}

struct PickerCase {
    int32_t charset;
    int32_t index;
    int32_t code;
};

std::ostream& operator<<(std::ostream& out, const PickerCase& c) {
    return out << "charset " << c.charset << " index " << c.index;
}

class PickerMapping : public ::testing::TestWithParam<PickerCase> {};

TEST_P(PickerMapping, MapsIndexToScreenCode) {
    editor.charset = GetParam().charset;
    EXPECT_EQ(pickerScreenCode(GetParam().index), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(Table, PickerMapping,
                         ::testing::Values(PickerCase{CharsetUpper, 0, 32}, PickerCase{CharsetLower, 0, 32},
                                           PickerCase{CharsetUpper, 128, 160}, PickerCase{CharsetUpper, 200, 235},
                                           PickerCase{CharsetLower, 200, 184}, PickerCase{CharsetUpper, -1, 224},
                                           PickerCase{CharsetLower, 127, 93}));

TEST(PickerOrderTable, EachSetIsAPermutationOfTheFirst128Codes) {
    for (int set = 0; set < 2; ++set) {
        bool seen[128] = {};
        for (int i = 0; i < 128; ++i) {
            ASSERT_LT(PickerOrder[set * 128 + i], 128);
            seen[PickerOrder[set * 128 + i]] = true;
        }
        for (bool s : seen) EXPECT_TRUE(s);
    }
}

TEST_F(CellEdits, PlotCellClipsToTheGrid) {
    editor.selectedIndex = 1;
    editor.selectedColour = 2;
    uint8_t before[sizeof(ScreenBuffer)];
    std::memcpy(before, screen, sizeof before);
    plotCell(40, 0);
    plotCell(-1, 3);
    plotCell(5, 25);
    EXPECT_EQ(std::memcmp(before, screen, sizeof before), 0);
    plotCell(39, 24);
    EXPECT_EQ(screen->codePlane[999], 1);
    EXPECT_EQ(screen->colourPlane[999], 2);
}

TEST_F(CellEdits, RightClickErasesTheCodeOnlyAndKeepsTheAnchor) {
    for (int32_t tool : {ToolPen, ToolLine, ToolFill}) {
        editor.toolMode = tool;
        editor.anchorColumn = 7;
        editor.anchorRow = 8;
        screen->codePlane[cellIndex(5, 5)] = 81;
        screen->colourPlane[cellIndex(5, 5)] = 2;
        eraseCell(5, 5);
        EXPECT_EQ(screen->codePlane[cellIndex(5, 5)], 32);
        EXPECT_EQ(screen->colourPlane[cellIndex(5, 5)], 2);
        EXPECT_EQ(editor.anchorColumn, 7);
        EXPECT_EQ(editor.anchorRow, 8);
    }
}

TEST_F(CellEdits, EraseOutsideTheGridChangesNothing) {
    uint8_t before[sizeof(ScreenBuffer)];
    std::memcpy(before, screen, sizeof before);
    eraseCell(3, 25);
    eraseCell(-1, 0);
    eraseCell(40, 0);
    EXPECT_EQ(std::memcmp(before, screen, sizeof before), 0);
}

TEST_F(CellEdits, ClearScreenKeepsTheEditingState) {
    editor = {37, 3, 9, CharsetLower, ToolFill, 4, 5, 1, 2};
    screen->codePlane[0] = 81;
    screen->colourPlane[0] = 3;
    clearScreen();
    for (int i = 0; i < CellCount; ++i) {
        ASSERT_EQ(screen->codePlane[i], 32);
        ASSERT_EQ(screen->colourPlane[i], 14);
    }
    EXPECT_EQ(editor.selectedIndex, 37);
    EXPECT_EQ(editor.selectedColour, 3);
    EXPECT_EQ(editor.backgroundColour, 9);
    EXPECT_EQ(editor.toolMode, ToolFill);
    EXPECT_EQ(editor.anchorColumn, 4);
    EXPECT_EQ(editor.anchorRow, 5);
}

TEST_F(CellEdits, PenDragPaintsOnlyWhenTheLeftButtonIsHeld) {
    editor.selectedIndex = 1;
    toolMove(2, 2, false);
    EXPECT_EQ(screen->codePlane[cellIndex(2, 2)], 32);
    toolMove(2, 2, true);
    EXPECT_EQ(screen->codePlane[cellIndex(2, 2)], 1);
}
