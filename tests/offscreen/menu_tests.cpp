// The real menu bar: its tree, the events its items raise, and the check marks the program sets.
#include <QAction>
#include <QMenu>

#include "app/event_loop.h"
#include "app/menu_bar.h"
#include "model/editor_state.h"
#include "offscreen_fixture.h"

namespace {

// Every item of a menu as text: items by their text, "-" for a separator, "[Title]" for a submenu
// followed by its items and "[end]".
std::vector<std::string> menuTree(const QMenu* menu) {
    std::vector<std::string> tree;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            tree.push_back("-");
        } else if (action->menu() != nullptr) {
            tree.push_back(("[" + action->text() + "]").toStdString());
            for (const std::string& item : menuTree(action->menu())) tree.push_back(item);
            tree.push_back("[end]");
        } else {
            tree.push_back(action->text().toStdString());
        }
    }
    return tree;
}

QMenu* menuTitled(const char* title) {
    for (QAction* action : menuBar->actions())
        if (action->text() == title) return action->menu();
    return nullptr;
}

std::vector<int32_t> checkedItems() {
    std::vector<int32_t> ids;
    for (int32_t id = 0; id <= 40; ++id)
        if (menuChecked(id)) ids.push_back(id);
    return ids;
}

void chooseItem(int32_t id) {
    QAction* action = menuItem(id);
    ASSERT_NE(action, nullptr);
    action->trigger();
    waitEvent();
    routeEvent();
}

TEST_F(QtProgramTest, MenuBarHoldsFileModeAndDrawInOrder) {
    std::vector<std::string> titles;
    for (const QAction* action : menuBar->actions()) titles.push_back(action->text().toStdString());
    EXPECT_EQ(titles, (std::vector<std::string>{"File", "Mode", "Draw"}));
    EXPECT_EQ(menuTree(menuTitled("File")),
              (std::vector<std::string>{"Open\tCtrl+O", "Save\tCtrl+S", "-", "Close\tCtrl+Q"}));
    EXPECT_EQ(menuTree(menuTitled("Mode")),
              (std::vector<std::string>{"Lower", "Upper", "[Background]", "0", "1", "2", "3", "4", "5", "6", "7", "8",
                                        "9", "10", "11", "12", "13", "14", "15", "[end]"}));
    EXPECT_EQ(menuTree(menuTitled("Draw")), (std::vector<std::string>{"Pen", "line", "fill", "-", "Clear screen"}));
}

class MenuItems : public QtProgramTest, public ::testing::WithParamInterface<int32_t> {};

TEST_P(MenuItems, RaiseAMenuEventWithTheirIdentifier) {
    QAction* action = menuItem(GetParam());
    ASSERT_NE(action, nullptr);
    action->trigger();
    const std::vector<Event> events = takeQueuedEvents();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, MenuEvent);
    EXPECT_EQ(events[0].menuId, GetParam());
}

INSTANTIATE_TEST_SUITE_P(EveryItem, MenuItems,
                         ::testing::Values(0, 1, 2, 3, 4, 5, 6, 7, 8, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26,
                                           27, 28, 29, 30));

TEST_F(QtProgramTest, StartUpMarksUpperAndBackgroundSixOnly) {
    EXPECT_EQ(checkedItems(), (std::vector<int32_t>{MenuUpper, MenuBackgroundBase + 6}));
    EXPECT_TRUE(menuItem(MenuUpper)->isChecked());
    EXPECT_FALSE(menuItem(MenuPen)->isCheckable()) << "an item that never carries a mark shows none";
}

// A command, and the marks once the program has handled it.
struct MarkCase {
    const char* name;
    std::vector<int32_t> chosen;
    std::vector<int32_t> marked;
};

const MarkCase MarkCases[] = {
    {"LowerSwapsTheCharsetMarks", {MenuLower}, {MenuLower, MenuBackgroundBase + 6}},
    {"UpperSwapsThemBack", {MenuLower, MenuUpper}, {MenuUpper, MenuBackgroundBase + 6}},
    {"LowerTwiceKeepsLower", {MenuLower, MenuLower}, {MenuLower, MenuBackgroundBase + 6}},
    {"BackgroundMovesItsMark", {MenuBackgroundBase + 3}, {MenuUpper, MenuBackgroundBase + 3}},
    {"MarkedBackgroundStaysMarked", {MenuBackgroundBase + 6}, {MenuUpper, MenuBackgroundBase + 6}},
    {"ToolsCarryNoMark", {MenuLine, MenuFill, MenuPen}, {MenuUpper, MenuBackgroundBase + 6}},
};

void PrintTo(const MarkCase& c, std::ostream* os) { *os << c.name; }

class Marks : public QtProgramTest, public ::testing::WithParamInterface<MarkCase> {};

TEST_P(Marks, FollowTheCommands) {
    for (int32_t id : GetParam().chosen) chooseItem(id);
    EXPECT_EQ(checkedItems(), GetParam().marked);
}

INSTANTIATE_TEST_SUITE_P(Commands, Marks, ::testing::ValuesIn(MarkCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(QtProgramTest, ChoosingAnItemDoesNotFlipItsMarkBeforeTheProgramActs) {
    menuItem(MenuUpper)->trigger();
    menuItem(MenuPen)->trigger();
    EXPECT_TRUE(menuChecked(MenuUpper));
    EXPECT_FALSE(menuChecked(MenuPen));
}

TEST_F(QtProgramTest, ChosenToolChangesNothingElse) {
    chooseItem(MenuFill);
    EXPECT_EQ(editor.toolMode, ToolFill);
    EXPECT_EQ(editor.charset, CharsetUpper);
}

}  // namespace
