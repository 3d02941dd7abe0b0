#include "view/palette.h"

// Red, green, blue, 0 for each colour index.
const uint8_t PaletteSource[64] = {
    /*  0 */   0,   0,   0, 0,  // black
    /*  1 */ 255, 255, 255, 0,  // white
    /*  2 */ 104,  55,  43, 0,  // red
    /*  3 */ 112, 164, 178, 0,  // cyan
    /*  4 */ 111,  61, 134, 0,  // purple
    /*  5 */  88, 141,  67, 0,  // green
    /*  6 */  53,  40, 121, 0,  // blue
    /*  7 */ 184, 199, 111, 0,  // yellow
    /*  8 */ 111,  79,  37, 0,  // orange
    /*  9 */  67,  57,   0, 0,  // brown
    /* 10 */ 154, 103,  89, 0,  // light red
    /* 11 */  68,  68,  68, 0,  // dark grey
    /* 12 */ 108, 108, 108, 0,  // grey
    /* 13 */ 154, 210, 132, 0,  // light green
    /* 14 */ 108,  94, 181, 0,  // light blue
    /* 15 */ 149, 149, 149, 0,  // light grey
};

uint32_t Palette[16];

void fillPalette() {
    for (int i = 0; i < 16; ++i) {
        const uint8_t* group = PaletteSource + 4 * i;
        Palette[i] = uint32_t(group[0]) | uint32_t(group[1]) << 8 | uint32_t(group[2]) << 16 | uint32_t(group[3]) << 24;
    }
}
