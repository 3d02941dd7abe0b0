#include <gtest/gtest.h>

#include "view/palette.h"

namespace {

struct PaletteEntry {
    int32_t index;
    const char* name;
    uint32_t red, green, blue;
    uint32_t inverseRed, inverseGreen, inverseBlue;
};

class PaletteEntries : public ::testing::TestWithParam<PaletteEntry> {
protected:
    void SetUp() override { fillPalette(); }
};

TEST_P(PaletteEntries, HoldTheColourAndItsInverse) {
    const PaletteEntry& e = GetParam();
    EXPECT_EQ(Palette[e.index], e.red | e.green << 8 | e.blue << 16) << e.name;
    EXPECT_EQ(inverseColour(Palette[e.index]), rgbColour(e.inverseRed, e.inverseGreen, e.inverseBlue)) << e.name;
}

INSTANTIATE_TEST_SUITE_P(AllSixteen, PaletteEntries,
                         ::testing::Values(PaletteEntry{0, "black", 0, 0, 0, 255, 255, 255},
                                           PaletteEntry{1, "white", 255, 255, 255, 0, 0, 0},
                                           PaletteEntry{2, "red", 104, 55, 43, 151, 200, 212},
                                           PaletteEntry{3, "cyan", 112, 164, 178, 143, 91, 77},
                                           PaletteEntry{4, "purple", 111, 61, 134, 144, 194, 121},
                                           PaletteEntry{5, "green", 88, 141, 67, 167, 114, 188},
                                           PaletteEntry{6, "blue", 53, 40, 121, 202, 215, 134},
                                           PaletteEntry{7, "yellow", 184, 199, 111, 71, 56, 144},
                                           PaletteEntry{8, "orange", 111, 79, 37, 144, 176, 218},
                                           PaletteEntry{9, "brown", 67, 57, 0, 188, 198, 255},
                                           PaletteEntry{10, "light red", 154, 103, 89, 101, 152, 166},
                                           PaletteEntry{11, "dark grey", 68, 68, 68, 187, 187, 187},
                                           PaletteEntry{12, "grey", 108, 108, 108, 147, 147, 147},
                                           PaletteEntry{13, "light green", 154, 210, 132, 101, 45, 123},
                                           PaletteEntry{14, "light blue", 108, 94, 181, 147, 161, 74},
                                           PaletteEntry{15, "light grey", 149, 149, 149, 106, 106, 106}));

}  // namespace
