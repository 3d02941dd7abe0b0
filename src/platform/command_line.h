// The process command line, recorded by main.
#pragma once
#include <cstdint>
#include <string>

void recordCommandLine(int argc, char** argv);
// Arguments after the program name.
int32_t argumentCount();
std::string firstArgument();
