// Every way of ending the real program leaves the process with status 0 and without a question.
#include <QTest>
#include <QWindow>

#include "app/event_loop.h"
#include "app/menu_bar.h"
#include "app/menu_commands.h"
#include "offscreen_fixture.h"

namespace {

struct ExitCase {
    const char* name;
    std::function<void()> ask;
};

const ExitCase ExitCases[] = {
    {"CloseButton", [] { mainWindow->windowHandle()->close(); }},
    {"CloseMenuItem", [] { handleMenuCommand(MenuClose); }},
    {"ControlQ", [] { QTest::keyClick(canvasWidgets[PickerCanvas], Qt::Key_Q, Qt::ControlModifier); }},
    {"EscapeHeld", [] { QTest::keyPress(canvasWidgets[ScreenCanvas], Qt::Key_Escape); }},
    {"EscapeHeldDuringAMenuCommand",
     [] {
         QTest::keyPress(canvasWidgets[ScreenCanvas], Qt::Key_Escape);
         clearEventQueue();
         postMenuEvent(MenuOpen);
     }},
};

void PrintTo(const ExitCase& c, std::ostream* os) { *os << c.name; }

class Ending : public QtProgramTest, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(Ending, LeavesTheProcessWithStatusZero) {
    EXPECT_EXIT(
        {
            GetParam().ask();
            runEventLoop();
        },
        ::testing::ExitedWithCode(0), "");
}

INSTANTIATE_TEST_SUITE_P(EveryWay, Ending, ::testing::ValuesIn(ExitCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(QtProgramTest, RoutedCloseRequestEnds) {
    EXPECT_EXIT(
        {
            postCloseEvent();
            waitEvent();
            routeEvent();
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
