#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "model/editor_state.h"
#include "support/program_fixture.h"
#include "view/char_rom.h"
#include "view/glyph_set.h"

namespace {

struct GlyphRows {
    int32_t charset;
    int32_t code;
    uint8_t rows[8];
};

class GlyphSetRows : public ::testing::TestWithParam<GlyphRows> {
protected:
    void SetUp() override { startFakeProgram(); }
};

TEST_P(GlyphSetRows, HoldTheSetAndItsReverseVideo) {
    editor.charset = GetParam().charset;
    buildGlyphSet();
    for (int r = 0; r < 8; ++r) EXPECT_EQ(GlyphSet[GetParam().code * 8 + r], GetParam().rows[r]) << "row " << r;
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, GlyphSetRows,
    ::testing::Values(GlyphRows{CharsetUpper, 1, {0x18, 0x3C, 0x66, 0x7E, 0x66, 0x66, 0x66, 0x00}},
                      GlyphRows{CharsetUpper, 129, {0xE7, 0xC3, 0x99, 0x81, 0x99, 0x99, 0x99, 0xFF}},
                      GlyphRows{CharsetLower, 1, {0x00, 0x00, 0x3C, 0x06, 0x3E, 0x66, 0x3E, 0x00}},
                      GlyphRows{CharsetLower, 129, {0xFF, 0xFF, 0xC3, 0xF9, 0xC1, 0x99, 0xC1, 0xFF}},
                      GlyphRows{CharsetUpper, 32, {0, 0, 0, 0, 0, 0, 0, 0}},
                      GlyphRows{CharsetLower, 32, {0, 0, 0, 0, 0, 0, 0, 0}},
                      GlyphRows{CharsetUpper, 160, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
                      GlyphRows{CharsetLower, 160, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}}));

using GlyphSetBuild = ProgramTest;

TEST_F(GlyphSetBuild, CopiesTheChosenSetAndComplementsItAbove128) {
    for (int32_t charset : {CharsetUpper, CharsetLower}) {
        editor.charset = charset;
        buildGlyphSet();
        EXPECT_EQ(std::memcmp(GlyphSet, CharRom + charset * 1024, 1024), 0);
        for (int i = 0; i < 1024; ++i) ASSERT_EQ(GlyphSet[1024 + i], GlyphSet[i] ^ 0xFF) << "byte " << i;
    }
}

TEST_F(GlyphSetBuild, AtSignAndSpaceAreTheSameInBothSets) {
    editor.charset = CharsetUpper;
    buildGlyphSet();
    const std::vector<uint8_t> upper(GlyphSet, GlyphSet + 2048);
    editor.charset = CharsetLower;
    buildGlyphSet();
    for (int code : {0, 32, 128, 160})
        EXPECT_EQ(std::memcmp(GlyphSet + code * 8, upper.data() + code * 8, 8), 0) << "code " << code;
}

TEST_F(GlyphSetBuild, RebuildingTheCurrentSetGivesIdenticalContent) {
    for (int32_t charset : {CharsetUpper, CharsetLower}) {
        editor.charset = charset;
        buildGlyphSet();
        const std::vector<uint8_t> first(GlyphSet, GlyphSet + 2048);
        buildGlyphSet();
        EXPECT_EQ(std::memcmp(GlyphSet, first.data(), 2048), 0);
    }
}

}  // namespace
