#include <gtest/gtest.h>

#include <string>

#include "model/editor_state.h"
#include "support/sha256.h"
#include "view/char_rom.h"

namespace {

struct RomRows {
    int32_t set;
    int32_t code;
    const char* character;
    uint8_t rows[8];
};

class CharRomRows : public ::testing::TestWithParam<RomRows> {};

TEST_P(CharRomRows, MatchTheCharacterGenerator) {
    const RomRows& sample = GetParam();
    for (int r = 0; r < 8; ++r)
        EXPECT_EQ(CharRom[sample.set * 1024 + sample.code * 8 + r], sample.rows[r])
            << sample.character << " row " << r;
}

INSTANTIATE_TEST_SUITE_P(
    Samples, CharRomRows,
    ::testing::Values(RomRows{CharsetUpper, 0, "at sign", {0x3C, 0x66, 0x6E, 0x6E, 0x60, 0x62, 0x3C, 0x00}},
                      RomRows{CharsetUpper, 1, "A", {0x18, 0x3C, 0x66, 0x7E, 0x66, 0x66, 0x66, 0x00}},
                      RomRows{CharsetUpper, 2, "B", {0x7C, 0x66, 0x66, 0x7C, 0x66, 0x66, 0x7C, 0x00}},
                      RomRows{CharsetUpper, 28, "pound sign", {0x0C, 0x12, 0x30, 0x7C, 0x30, 0x62, 0xFC, 0x00}},
                      RomRows{CharsetUpper, 30, "up arrow", {0x00, 0x18, 0x3C, 0x7E, 0x18, 0x18, 0x18, 0x18}},
                      RomRows{CharsetUpper, 32, "space", {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},
                      RomRows{CharsetUpper, 64, "horizontal bar", {0x00, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x00}},
                      RomRows{CharsetUpper, 81, "ball", {0x00, 0x3C, 0x7E, 0x7E, 0x7E, 0x7E, 0x3C, 0x00}},
                      RomRows{CharsetUpper, 102, "checkerboard", {0xCC, 0xCC, 0x33, 0x33, 0xCC, 0xCC, 0x33, 0x33}},
                      RomRows{CharsetUpper, 127, "two quadrants", {0xF0, 0xF0, 0xF0, 0xF0, 0x0F, 0x0F, 0x0F, 0x0F}},
                      RomRows{CharsetLower, 0, "at sign", {0x3C, 0x66, 0x6E, 0x6E, 0x60, 0x62, 0x3C, 0x00}},
                      RomRows{CharsetLower, 1, "a", {0x00, 0x00, 0x3C, 0x06, 0x3E, 0x66, 0x3E, 0x00}},
                      RomRows{CharsetLower, 26, "z", {0x00, 0x00, 0x7E, 0x0C, 0x18, 0x30, 0x7E, 0x00}},
                      RomRows{CharsetLower, 65, "A", {0x18, 0x3C, 0x66, 0x7E, 0x66, 0x66, 0x66, 0x00}},
                      RomRows{CharsetLower, 122, "check mark", {0x01, 0x03, 0x06, 0x6C, 0x78, 0x70, 0x60, 0x00}}));

TEST(CharRom, EachSetHasTheDigestOfItsRomQuarter) {
    EXPECT_EQ(sha256Hex(CharRom, 1024), "e515f060c297f0cfde19f101c2869d45204ba1c900c77f046bf85bad370da85f");
    EXPECT_EQ(sha256Hex(CharRom + 1024, 1024), "3612eb038591c38b491712edf548461c744687c8a5242924f8b917aaea7deda4");
}

// The digest helper itself, on the standard short and two-block messages.
TEST(Sha256, MatchesKnownDigests) {
    const std::string abc = "abc";
    EXPECT_EQ(sha256Hex(reinterpret_cast<const uint8_t*>(abc.data()), abc.size()),
              "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    const std::string twoBlocks = "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq";
    EXPECT_EQ(sha256Hex(reinterpret_cast<const uint8_t*>(twoBlocks.data()), twoBlocks.size()),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    EXPECT_EQ(sha256Hex(nullptr, 0), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
}

}  // namespace
