#include <gtest/gtest.h>

#include "app/event_loop.h"
#include "app/menu_bar.h"
#include "app/startup.h"
#include "model/editor_state.h"
#include "model/screen_buffer.h"
#include "platform/canvas.h"
#include "platform/command_line.h"
#include "platform/events.h"
#include "platform/window.h"
#include "support/program_fixture.h"

using StartUp = ProgramTest;

TEST_F(StartUp, LeavesABlankPictureAndTheDefaultState) {
    for (int i = 0; i < CellCount; ++i) {
        ASSERT_EQ(screen->codePlane[i], 32);
        ASSERT_EQ(screen->colourPlane[i], 14);
    }
    EXPECT_EQ(editor.selectedIndex, 0);
    EXPECT_EQ(editor.selectedColour, 14);
    EXPECT_EQ(editor.backgroundColour, 6);
    EXPECT_EQ(editor.charset, CharsetUpper);
    EXPECT_EQ(editor.toolMode, ToolPen);
    EXPECT_EQ(editor.anchorColumn, -1);
    EXPECT_EQ(editor.anchorRow, -1);
    EXPECT_EQ(windowTitle(), "Tegrel 0.9");
}

TEST_F(StartUp, BuildsTheMenusInOrderWithTheirShortcuts) {
    std::vector<std::string> expected = {"title File", "item 0 Open\tCtrl+O", "item 1 Save\tCtrl+S", "separator",
                                         "item 2 Close\tCtrl+Q", "title Mode", "item 3 Lower", "item 4 Upper",
                                         "submenu Background"};
    for (int n = 0; n < 16; ++n) expected.push_back("item " + std::to_string(15 + n) + " " + std::to_string(n));
    for (const char* line : {"end submenu", "title Draw", "item 5 Pen", "item 6 line", "item 7 fill", "separator",
                             "item 8 Clear screen", "shortcut Ctrl+O 0", "shortcut Ctrl+S 1", "shortcut Ctrl+Q 2"})
        expected.push_back(line);
    EXPECT_EQ(fake.menuLog, expected);
}

TEST_F(StartUp, ChecksUpperAndBackgroundSixOnly) {
    for (int32_t id = 0; id <= 30; ++id) EXPECT_EQ(menuChecked(id), id == MenuUpper || id == MenuBackgroundBase + 6) << id;
}

TEST_F(StartUp, CreatesTheScreenViewTallerThanThePicture) {
    EXPECT_EQ(canvasWidth(ScreenCanvas), 640);
    EXPECT_EQ(canvasHeight(ScreenCanvas), 400 + menuFrameHeight);
    EXPECT_GT(menuFrameHeight, 0);
    EXPECT_EQ(canvasWidth(PickerCanvas), 256);
    EXPECT_EQ(canvasHeight(PickerCanvas), 272);
}

TEST(StartUpWithoutMenuBar, RunsWithoutMenusOrCheckMarks) {
    resetFakePlatform();
    fake.menuBarCreates = false;
    static char name[] = "tegrel";
    static char* argv[] = {name, nullptr};
    recordCommandLine(1, argv);
    startUp();
    EXPECT_TRUE(fake.menuLog.empty());
    EXPECT_FALSE(menuChecked(MenuUpper));
    EXPECT_EQ(screen->codePlane[0], 32);
}

TEST(StartUpDeathTest, AWindowThatCannotOpenEndsWithStatusZero) {
    EXPECT_EXIT(
        {
            resetFakePlatform();
            fake.windowOpens = false;
            startUp();
            std::exit(3);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(EventLoopDeathTest, EscapeHeldEndsTheProgramBeforeTheEventIsHandled) {
    EXPECT_EXIT(
        {
            startFakeProgram();
            postMenuEvent(MenuClearScreen);
            fake.escapeDown = true;
            runEventLoop();
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(EventLoopDeathTest, CloseRequestEndsWithStatusZero) {
    EXPECT_EXIT(
        {
            startFakeProgram();
            postCloseEvent();
            runEventLoop();
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(EventLoopDeathTest, CloseCommandEndsWithStatusZero) {
    EXPECT_EXIT(
        {
            startFakeProgram();
            postMenuEvent(MenuClose);
            runEventLoop();
        },
        ::testing::ExitedWithCode(0), "");
}
