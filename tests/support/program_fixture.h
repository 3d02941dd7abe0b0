// Starts the program's state on the fake platform, the way start-up does, without entering the loop.
#pragma once
#include <gtest/gtest.h>

#include "support/fake_platform.h"

void startFakeProgram();

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override { startFakeProgram(); }
};
