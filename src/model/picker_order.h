// Which screen code each picker position shows, for each character set.
#pragma once
#include <cstdint>

// Set 0 (upper case) in entries 0..127, set 1 (lower case) in 128..255; each a permutation of 0..127.
extern const uint8_t PickerOrder[256];

// The screen code of a picker index under the current character set; bit 7 selects reverse video.
int32_t pickerScreenCode(int32_t index);
// The same for any charset; the ANDs are taken on the two's-complement value.
int32_t pickerCodeIn(int32_t charset, int32_t index);
