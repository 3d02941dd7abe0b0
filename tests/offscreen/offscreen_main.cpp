// The real Qt platform without a display: one QApplication for the whole test process.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/window.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    // Exit tests run in a fresh copy of this program rather than a fork of a process with Qt's threads.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    initPlatform(argc, argv);
    return RUN_ALL_TESTS();
}
