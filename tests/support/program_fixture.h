// Starts the program's state on the fake platform, the way start-up does, without entering the loop.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fake_platform.h"

// `arguments` are what follows the program name on the command line.
void startFakeProgram(const std::vector<std::string>& arguments = {});

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override { startFakeProgram(); }
};
