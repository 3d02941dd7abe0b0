#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "app/screen_view_events.h"
#include "model/editor_state.h"
#include "model/screen_buffer.h"
#include "model/shifts.h"
#include "platform/canvas.h"
#include "platform/events.h"
#include "support/program_fixture.h"

namespace {
constexpr int32_t Blank = -1;  // a source meaning "code 32, colour 14"

// Every cell of the pattern has its own code and colour pair, and none is a blank cell.
uint8_t patternCode(int32_t cell) { return static_cast<uint8_t>(cell & 255); }
uint8_t patternColour(int32_t cell) { return static_cast<uint8_t>((cell >> 8) | ((cell * 7) & 0xF0)); }

void drawPattern() {
    for (int32_t cell = 0; cell < CellCount; ++cell) {
        screen->codePlane[cell] = patternCode(cell);
        screen->colourPlane[cell] = patternColour(cell);
    }
    std::memset(screen->scratchCopy, 0xA5, sizeof screen->scratchCopy);
}

int32_t at(int32_t column, int32_t row) { return cellIndex(column, row); }

// Where each cell's content must come from after the operation: a cell of the pattern or Blank.
using Source = int32_t (*)(int32_t column, int32_t row);

void expectPicture(Source source) {
    for (int32_t row = 0; row < GridRows; ++row)
        for (int32_t column = 0; column < GridColumns; ++column) {
            const int32_t from = source(column, row);
            const int32_t cell = cellIndex(column, row);
            SCOPED_TRACE(::testing::Message() << "cell (" << column << "," << row << ")");
            ASSERT_EQ(screen->codePlane[cell], from == Blank ? BlankCode : patternCode(from));
            ASSERT_EQ(screen->colourPlane[cell], from == Blank ? BlankColour : patternColour(from));
        }
    for (uint8_t byte : screen->scratchCopy) ASSERT_EQ(byte, 0xA5);
}

int32_t unchanged(int32_t column, int32_t row) { return at(column, row); }

class ShiftsTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        // Vacated cells stay code 32, colour 14 whatever these are.
        editor.selectedIndex = 77;
        editor.selectedColour = 5;
        editor.backgroundColour = 9;
        editor.anchorColumn = 3;
        editor.anchorRow = 4;
        drawPattern();
    }
};

struct ShiftCase {
    const char* name;
    int32_t key;
    int32_t modifiers;
    int32_t column;
    int32_t row;
    int64_t redraws;
    Source source;
};

constexpr int32_t Del = KeyDelete;
constexpr int32_t Ins = KeyInsert;
constexpr int32_t Shift = ModifierShift;
constexpr int32_t Alt = ModifierAlt;
constexpr int32_t Ctrl = ModifierControl;

const ShiftCase ShiftCases[] = {
    {"DeleteAtColumn0", Del, 0, 0, 5, 1,
     [](int32_t c, int32_t r) { return r != 5 ? at(c, r) : c < 39 ? at(c + 1, r) : Blank; }},
    {"DeleteMidRow", Del, 0, 12, 7, 1,
     [](int32_t c, int32_t r) { return r != 7 || c < 12 ? at(c, r) : c < 39 ? at(c + 1, r) : Blank; }},
    {"DeleteAtColumn39", Del, 0, 39, 5, 0, unchanged},
    {"DeleteOverThePicker", Del, 0, 45, 5, 0, unchanged},
    {"InsertAtColumn39", Ins, 0, 39, 5, 1, [](int32_t c, int32_t r) { return c == 39 && r == 5 ? Blank : at(c, r); }},
    {"InsertAtColumn0", Ins, 0, 0, 5, 1,
     [](int32_t c, int32_t r) { return r != 5 ? at(c, r) : c > 0 ? at(c - 1, r) : Blank; }},
    {"InsertMidRow", Ins, 0, 12, 7, 1,
     [](int32_t c, int32_t r) { return r != 7 || c < 12 ? at(c, r) : c > 12 ? at(c - 1, r) : Blank; }},
    {"ControlDeleteRow0", Del, Ctrl, 17, 0, 1, [](int32_t c, int32_t r) { return r < 24 ? at(c, r + 1) : Blank; }},
    {"ControlDeleteRow24", Del, Ctrl, 17, 24, 1, [](int32_t c, int32_t r) { return r < 24 ? at(c, r) : Blank; }},
    {"ControlInsertRow24", Ins, Ctrl, 17, 24, 1, [](int32_t c, int32_t r) { return r < 24 ? at(c, r) : Blank; }},
    {"ControlInsertRow10", Ins, Ctrl, 17, 10, 1,
     [](int32_t c, int32_t r) { return r < 10 ? at(c, r) : r > 10 ? at(c, r - 1) : Blank; }},
    {"ControlDeleteOverThePickerRow4", Del, Ctrl, 45, 4, 1,
     [](int32_t c, int32_t r) { return r < 4 ? at(c, r) : r < 24 ? at(c, r + 1) : Blank; }},
    {"ShiftDeleteColumn10", Del, Shift, 10, 30, 1,
     [](int32_t c, int32_t r) { return c < 10 ? at(c, r) : c < 39 ? at(c + 1, r) : Blank; }},
    {"ShiftDeleteColumn39", Del, Shift, 39, 3, 1, [](int32_t c, int32_t r) { return c < 39 ? at(c, r) : Blank; }},
    {"ShiftDeleteOverThePicker", Del, Shift, 45, 3, 1, [](int32_t c, int32_t r) { return c < 39 ? at(c, r) : Blank; }},
    {"ShiftInsertColumn0", Ins, Shift, 0, -3, 1, [](int32_t c, int32_t r) { return c > 0 ? at(c - 1, r) : Blank; }},
    {"ShiftInsertColumn39", Ins, Shift, 39, 3, 1, [](int32_t c, int32_t r) { return c < 39 ? at(c, r) : Blank; }},
    // Row 3 goes first; then column 10 goes from the picture that left.
    {"ControlShiftDelete", Del, Ctrl | Shift, 10, 3, 2,
     [](int32_t c, int32_t r) {
         const int32_t afterLine = r < 3 ? r : r < 24 ? r + 1 : Blank;
         if (afterLine == Blank || c == 39) return Blank;
         return at(c < 10 ? c : c + 1, afterLine);
     }},
    {"ControlShiftInsert", Ins, Ctrl | Shift, 10, 3, 2,
     [](int32_t c, int32_t r) {
         if (r == 3 || c == 10) return Blank;
         return at(c < 10 ? c : c - 1, r < 3 ? r : r - 1);
     }},
    {"AltDelete", Del, Alt, 10, 3, 0, unchanged},
    {"AltInsert", Ins, Alt, 10, 3, 0, unchanged},
    {"AltControlDelete", Del, Alt | Ctrl, 10, 3, 1,
     [](int32_t c, int32_t r) { return r < 3 ? at(c, r) : r < 24 ? at(c, r + 1) : Blank; }},
    {"AltShiftInsert", Ins, Alt | Shift, 0, 5, 1, [](int32_t c, int32_t r) { return c > 0 ? at(c - 1, r) : Blank; }},
    {"OtherKey", 65, 0, 10, 3, 0, unchanged},
    {"Escape", KeyEscape, Ctrl | Shift, 10, 3, 0, unchanged},
};

class ShiftCaseTest : public ShiftsTest, public ::testing::WithParamInterface<ShiftCase> {};

TEST_P(ShiftCaseTest, MovesCodesAndColoursTogether) {
    const ShiftCase& c = GetParam();
    const EditorState state = editor;
    const int64_t shown = canvasShowCount(ScreenCanvas);
    editKey(c.key, c.modifiers, c.column, c.row);
    expectPicture(c.source);
    EXPECT_EQ(canvasShowCount(ScreenCanvas), shown + c.redraws);
    EXPECT_EQ(std::memcmp(&state, &editor, sizeof state), 0);
}

INSTANTIATE_TEST_SUITE_P(Table, ShiftCaseTest, ::testing::ValuesIn(ShiftCases),
                         [](const ::testing::TestParamInfo<ShiftCase>& info) { return info.param.name; });

// Pointer cells outside the grid: nothing moves and nothing outside the planes is touched. Only
// deleteColumn right of the grid acts (it blanks column 39); every operation but deleteCharacter redraws.
struct OutsideCell {
    int32_t column;
    int32_t row;
};

const OutsideCell OutsideCells[] = {
    {-1, 5},       {-16, 5},      {5, -1},       {38, 25},      {5, 26},       {40, 5},        {45, 30},
    {-1, -1},      {1000, 1000},  {INT32_MIN, 5}, {INT32_MAX, 5}, {5, INT32_MIN}, {0, INT32_MAX},
    {INT32_MIN, INT32_MIN},       {INT32_MAX, INT32_MAX},       {INT32_MIN, INT32_MAX},
};
const int32_t OutsideRows[] = {-1, -2, 25, 26, 1000, INT32_MIN, INT32_MAX};
const int32_t OutsideColumns[] = {-1, -16, 40, 45, 1000, INT32_MIN, INT32_MAX};

void expectUntouched(int64_t redraws) {
    expectPicture(unchanged);
    EXPECT_EQ(canvasShowCount(ScreenCanvas), redraws);
}

class OutsideCellTest : public ShiftsTest, public ::testing::WithParamInterface<OutsideCell> {};

TEST_P(OutsideCellTest, CharacterOperationsLeaveThePictureAlone) {
    const OutsideCell& c = GetParam();
    const int64_t shown = canvasShowCount(ScreenCanvas);
    deleteCharacter(c.column, c.row);
    expectUntouched(shown);
    insertCharacter(c.column, c.row);
    expectUntouched(shown + 1);
}

TEST_P(OutsideCellTest, KeysMoveNothingIntoAnotherRow) {
    const OutsideCell& c = GetParam();
    for (int32_t modifiers : {0, Ctrl, Shift, Ctrl | Shift})
        for (int32_t key : {Del, Ins}) editKey(key, modifiers, c.column, c.row);
    // Whole rows and whole columns may have moved, nothing else: every row holds cells of a single
    // pattern row, in their order, with blanks where something was vacated.
    for (int32_t row = 0; row < GridRows; ++row) {
        int32_t patternRow = -1;
        int32_t lastColumn = -1;
        for (int32_t column = 0; column < GridColumns; ++column) {
            const int32_t cell = cellIndex(column, row);
            if (screen->codePlane[cell] == BlankCode && screen->colourPlane[cell] == BlankColour) continue;
            int32_t from = -1;
            for (int32_t i = 0; i < CellCount; ++i)
                if (patternCode(i) == screen->codePlane[cell] && patternColour(i) == screen->colourPlane[cell]) from = i;
            SCOPED_TRACE(::testing::Message() << "cell (" << column << "," << row << ")");
            ASSERT_NE(from, -1);
            if (patternRow == -1) patternRow = from / GridColumns;
            ASSERT_EQ(from / GridColumns, patternRow);
            ASSERT_GT(from % GridColumns, lastColumn);
            lastColumn = from % GridColumns;
        }
    }
    for (uint8_t byte : screen->scratchCopy) ASSERT_EQ(byte, 0xA5);
}

INSTANTIATE_TEST_SUITE_P(Table, OutsideCellTest, ::testing::ValuesIn(OutsideCells));

class OutsideRowTest : public ShiftsTest, public ::testing::WithParamInterface<int32_t> {};

TEST_P(OutsideRowTest, LineOperationsChangeNothing) {
    const int64_t shown = canvasShowCount(ScreenCanvas);
    deleteLine(GetParam());
    expectUntouched(shown + 1);
    insertLine(GetParam());
    expectUntouched(shown + 2);
}

INSTANTIATE_TEST_SUITE_P(Table, OutsideRowTest, ::testing::ValuesIn(OutsideRows));

class OutsideColumnTest : public ShiftsTest, public ::testing::WithParamInterface<int32_t> {};

TEST_P(OutsideColumnTest, InsertChangesNothingAndDeleteBlanksColumn39OnlyToTheRight) {
    const int32_t column = GetParam();
    const int64_t shown = canvasShowCount(ScreenCanvas);
    insertColumn(column);
    expectUntouched(shown + 1);
    deleteColumn(column);
    if (column < 0)
        expectPicture(unchanged);
    else
        expectPicture([](int32_t c, int32_t r) { return c < 39 ? at(c, r) : Blank; });
    EXPECT_EQ(canvasShowCount(ScreenCanvas), shown + 2);
}

INSTANTIATE_TEST_SUITE_P(Table, OutsideColumnTest, ::testing::ValuesIn(OutsideColumns));

struct RoutedKey {
    const char* name;
    ViewEventData data;
    int32_t column;
    int32_t row;
    Source source;
};

const RoutedKey RoutedKeys[] = {
    {"DeleteUnderThePointer", {12 * 16 + 5, 7 * 16 + 15, 0, Del, 0}, 12, 7,
     [](int32_t c, int32_t r) { return r != 7 || c < 12 ? at(c, r) : c < 39 ? at(c + 1, r) : Blank; }},
    {"JustLeftOfTheView", {-15, 2 * 16, 0, Ins, 0}, 0, 2,
     [](int32_t c, int32_t r) { return r != 2 ? at(c, r) : c > 0 ? at(c - 1, r) : Blank; }},
    {"ControlDeleteOverThePicker", {45 * 16 + 3, 4 * 16 + 8, 0, Del, Ctrl}, 45, 4,
     [](int32_t c, int32_t r) { return r < 4 ? at(c, r) : r < 24 ? at(c, r + 1) : Blank; }},
    {"DeleteFarAbove", {3 * 16, -40, 0, Del, 0}, 3, -2, unchanged},
};

class RoutedKeyTest : public ShiftsTest, public ::testing::WithParamInterface<RoutedKey> {};

TEST_P(RoutedKeyTest, KeyDownOfTheScreenViewEditsAtThePointerCell) {
    const RoutedKey& k = GetParam();
    postViewEvent(ScreenCanvas, KeyDown, k.data);
    takeNextEvent();
    handleScreenViewEvent();
    EXPECT_EQ(editor.pointerColumn, k.column);
    EXPECT_EQ(editor.pointerRow, k.row);
    expectPicture(k.source);
}

INSTANTIATE_TEST_SUITE_P(Table, RoutedKeyTest, ::testing::ValuesIn(RoutedKeys),
                         [](const ::testing::TestParamInfo<RoutedKey>& info) { return info.param.name; });
}  // namespace
