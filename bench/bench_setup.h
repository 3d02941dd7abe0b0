// What the benchmarks share: the program started once on the offscreen platform, and a busy picture.
#pragma once
#include <cstdint>

// Fills both planes with random codes and colours (colour bytes up to 255) from a fixed seed.
void fillBusyPicture(uint32_t seed);
// Makes a pointer move over the screen view the current event, so the outline lands inside the grid.
void pointAtScreenCell(int32_t column, int32_t row);
// Runs the program's start-up in a fresh process; prints the time to reach the event loop and the peak memory.
void reportStartUp(const char* self);
// The child side of reportStartUp.
[[noreturn]] void startUpChild();
