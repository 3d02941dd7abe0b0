// The two Commodore 64 character sets, 128 glyphs of 8 row bytes each, bit 7 leftmost.
#pragma once
#include <cstdint>

// Set s, screen code c, row r is byte s·1024 + c·8 + r.
extern const uint8_t CharRom[2048];
