#include <gtest/gtest.h>

#include <cstring>

#include "app/menu_bar.h"
#include "app/menu_commands.h"
#include "model/editor_state.h"
#include "model/screen_buffer.h"
#include "platform/canvas.h"
#include "platform/window.h"
#include "support/program_fixture.h"
#include "view/char_rom.h"
#include "view/glyph_set.h"
#include "view/palette.h"

namespace {

constexpr uint32_t Blue = rgbColour(53, 40, 121);
constexpr uint32_t LightBlue = rgbColour(108, 94, 181);
constexpr uint32_t White = rgbColour(255, 255, 255);

// Each command applied after the one before; choosing the current set again still rebuilds and redraws.
struct CharsetStep {
    int32_t command;
    int32_t charset;
    uint32_t screenPixel;  // cell (0, 0) holds code 1 in white: A has row 2 = 66, a has row 2 = 3C
    uint32_t pickerPixel;  // picker cell (1, 0) shows code 1: A has row 0 = 18, a has row 0 empty
};

using CharsetCommands = ProgramTest;

TEST_F(CharsetCommands, RebuildTheGlyphsAndRedrawBothViews) {
    screen->codePlane[0] = 1;
    screen->colourPlane[0] = 1;
    const CharsetStep steps[] = {{MenuLower, CharsetLower, Blue, Blue},
                                 {MenuLower, CharsetLower, Blue, Blue},
                                 {MenuUpper, CharsetUpper, White, LightBlue},
                                 {MenuUpper, CharsetUpper, White, LightBlue}};
    for (const CharsetStep& step : steps) {
        const int64_t screenFrames = canvasShowCount(ScreenCanvas);
        const int64_t pickerFrames = canvasShowCount(PickerCanvas);
        handleMenuCommand(step.command);
        EXPECT_EQ(editor.charset, step.charset);
        EXPECT_EQ(menuChecked(MenuLower), step.charset == CharsetLower);
        EXPECT_EQ(menuChecked(MenuUpper), step.charset == CharsetUpper);
        EXPECT_EQ(std::memcmp(GlyphSet, CharRom + 1024 * step.charset, 1024), 0);
        EXPECT_EQ(canvasShowCount(ScreenCanvas), screenFrames + 1);
        EXPECT_EQ(canvasShowCount(PickerCanvas), pickerFrames + 1);
        EXPECT_EQ(canvasPixel(ScreenCanvas, 3, 5), step.screenPixel);
        EXPECT_EQ(canvasPixel(PickerCanvas, 22, 1), step.pickerPixel);
    }
}

}  // namespace
