// Keys on the real screen view: virtual-key numbers, modifiers, the pointer position, shortcuts.
#include <QCursor>
#include <QTest>

#include "offscreen_fixture.h"
#include "platform/keyboard_state.h"

namespace {

// The queued events without the key-downs of Shift, Control and Alt themselves.
std::vector<Event> eventsBesidesModifierKeys() {
    std::vector<Event> events;
    for (const Event& event : takeQueuedEvents())
        if (!(event.kind == ViewEvent && event.type == KeyDown && event.data.key >= 16 && event.data.key <= 18))
            events.push_back(event);
    return events;
}

struct KeyCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int32_t virtualKey;
    int32_t modifierBits;
};

const KeyCase KeyCases[] = {
    {"Insert", Qt::Key_Insert, Qt::NoModifier, 45, 0},
    {"Delete", Qt::Key_Delete, Qt::NoModifier, 46, 0},
    {"ShiftDelete", Qt::Key_Delete, Qt::ShiftModifier, 46, ModifierShift},
    {"ControlInsert", Qt::Key_Insert, Qt::ControlModifier, 45, ModifierControl},
    {"AltDelete", Qt::Key_Delete, Qt::AltModifier, 46, ModifierAlt},
    {"ControlShiftInsert", Qt::Key_Insert, Qt::ControlModifier | Qt::ShiftModifier, 45, ModifierControl | ModifierShift},
    {"ControlAltShiftDelete", Qt::Key_Delete, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier, 46, 7},
    {"Escape", Qt::Key_Escape, Qt::NoModifier, 27, 0},
    {"LetterA", Qt::Key_A, Qt::NoModifier, 65, 0},
    {"ShiftLetterZ", Qt::Key_Z, Qt::ShiftModifier, 90, ModifierShift},
    {"Digit7", Qt::Key_7, Qt::NoModifier, 55, 0},
    {"KeypadDigit5", Qt::Key_5, Qt::KeypadModifier, 101, 0},
    {"F10", Qt::Key_F10, Qt::NoModifier, 121, 0},
    {"Tab", Qt::Key_Tab, Qt::NoModifier, 9, 0},
    {"Left", Qt::Key_Left, Qt::NoModifier, 37, 0},
    {"ControlB", Qt::Key_B, Qt::ControlModifier, 66, ModifierControl},
    {"ShiftItself", Qt::Key_Shift, Qt::NoModifier, 16, ModifierShift},
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

class Keys : public QtProgramTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(Keys, RaiseKeyDownWithWindowsNumberAndModifierBits) {
    const KeyCase& c = GetParam();
    giveKeyboardFocus(ScreenCanvas);
    QTest::keyClick(canvasWidgets[ScreenCanvas], c.key, c.modifiers);
    const std::vector<Event> events = takeQueuedEvents();
    // Shift, Control and Alt go down first, as a hand presses them.
    const size_t modifierKeys = (c.modifiers & Qt::ShiftModifier ? 1 : 0) + (c.modifiers & Qt::AltModifier ? 1 : 0) +
                                (c.modifiers & Qt::ControlModifier ? 1 : 0);
    ASSERT_EQ(events.size(), 1 + modifierKeys);
    for (const Event& event : events) {
        EXPECT_EQ(event.kind, ViewEvent);
        EXPECT_EQ(event.view, ScreenCanvas);
        EXPECT_EQ(event.type, KeyDown);
    }
    EXPECT_EQ(events.back().data.key, c.virtualKey);
    EXPECT_EQ(events.back().data.modifiers, c.modifierBits);
}

INSTANTIATE_TEST_SUITE_P(ScreenView, Keys, ::testing::ValuesIn(KeyCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(QtProgramTest, AutoRepeatRaisesAKeyDownForEveryRepeat) {
    giveKeyboardFocus(ScreenCanvas);
    for (int i = 0; i < 3; ++i) QTest::sendKeyEvent(QTest::Press, canvasWidgets[ScreenCanvas], Qt::Key_Delete, QString(), Qt::NoModifier);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(canvasWidgets[ScreenCanvas], &repeat);
    const std::vector<Event> events = takeQueuedEvents();
    ASSERT_EQ(events.size(), 4u);
    for (const Event& event : events) EXPECT_EQ(event.data.key, KeyDelete);
}

// Wherever the pointer is when the key goes down, relative to the screen view.
const QPoint PointerPlaces[] = {{200, 40}, {5, 395}, {700, 30}, {-30, -10}};

class KeyPosition : public QtProgramTest, public ::testing::WithParamInterface<QPoint> {};

TEST_P(KeyPosition, IsThePointerPositionWhenTheKeyWentDown) {
    const QPoint place = GetParam();
    giveKeyboardFocus(ScreenCanvas);
    QCursor::setPos(canvasWidgets[ScreenCanvas]->mapToGlobal(place));
    QCoreApplication::processEvents();
    takeQueuedEvents();
    QTest::keyClick(canvasWidgets[ScreenCanvas], Qt::Key_Insert);
    const std::vector<Event> events = takeQueuedEvents();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].data.pointerX, place.x());
    EXPECT_EQ(events[0].data.pointerY, place.y());
    EXPECT_EQ(events[0].data.buttons, 0);
}

INSTANTIATE_TEST_SUITE_P(AnywhereOnScreen, KeyPosition, ::testing::ValuesIn(PointerPlaces));

struct ShortcutCase {
    const char* name;
    Qt::Key key;
    CanvasId focused;
    int32_t menuId;
};

const ShortcutCase ShortcutCases[] = {
    {"OpenOnScreenView", Qt::Key_O, ScreenCanvas, 0},
    {"SaveOnScreenView", Qt::Key_S, ScreenCanvas, 1},
    {"CloseOnScreenView", Qt::Key_Q, ScreenCanvas, 2},
    {"OpenOnPicker", Qt::Key_O, PickerCanvas, 0},
    {"SaveOnPicker", Qt::Key_S, PickerCanvas, 1},
    {"CloseOnPicker", Qt::Key_Q, PickerCanvas, 2},
};

void PrintTo(const ShortcutCase& c, std::ostream* os) { *os << c.name; }

class Shortcuts : public QtProgramTest, public ::testing::WithParamInterface<ShortcutCase> {};

TEST_P(Shortcuts, RaiseTheMenuEventAndNoKeyDown) {
    const ShortcutCase& c = GetParam();
    giveKeyboardFocus(ScreenCanvas);
    QTest::keyClick(canvasWidgets[c.focused], c.key, Qt::ControlModifier);
    const std::vector<Event> events = eventsBesidesModifierKeys();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, MenuEvent);
    EXPECT_EQ(events[0].menuId, c.menuId);
}

INSTANTIATE_TEST_SUITE_P(ControlLetters, Shortcuts, ::testing::ValuesIn(ShortcutCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(QtProgramTest, EscapeIsDownFromPressToRelease) {
    EXPECT_FALSE(isEscapeDown());
    QTest::keyPress(canvasWidgets[ScreenCanvas], Qt::Key_Escape);
    EXPECT_TRUE(isEscapeDown());
    QTest::keyRelease(canvasWidgets[ScreenCanvas], Qt::Key_Escape);
    EXPECT_FALSE(isEscapeDown());
}

TEST_F(QtProgramTest, PickerNeverTakesTheFocus) {
    giveKeyboardFocus(PickerCanvas);
    EXPECT_FALSE(canvasHasFocus(PickerCanvas));
    movePointer(PickerCanvas, {20, 20});
    pressButton(PickerCanvas, {20, 20});
    releaseButton(PickerCanvas, {20, 20});
    EXPECT_FALSE(canvasHasFocus(PickerCanvas));
}

TEST_F(QtProgramTest, ScreenViewTakesTheFocusWhenClicked) {
    EXPECT_FALSE(canvasHasFocus(ScreenCanvas));
    movePointer(ScreenCanvas, {20, 20});
    pressButton(ScreenCanvas, {20, 20});
    releaseButton(ScreenCanvas, {20, 20});
    EXPECT_TRUE(canvasHasFocus(ScreenCanvas));
}

}  // namespace
