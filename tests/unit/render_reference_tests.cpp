#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <vector>

#include "model/editor_state.h"
#include "model/screen_buffer.h"
#include "platform/canvas.h"
#include "platform/events.h"
#include "support/program_fixture.h"
#include "support/reference_render.h"
#include "view/glyph_set.h"
#include "view/picker_view.h"
#include "view/screen_view.h"

namespace {

struct CanvasSize {
    int32_t width;
    int32_t height;
};

// Where the event being handled puts the pointer; an event of the other canvas gives (0, 0).
struct PointerCase {
    CanvasId view;
    int32_t x;
    int32_t y;
};

// Draws with `render` on a new white canvas of exactly the given size, the pointer event current,
// and returns the image. A new canvas holds just its own pixels, so a stray write shows under ASan.
template <typename Render>
std::vector<uint32_t> imageFrom(CanvasId canvas, CanvasSize size, const PointerCase& pointer, Render render) {
    resetFakePlatform();
    createCanvas(canvas, 0, 0, size.width, size.height, canvas == ScreenCanvas);
    postViewEvent(pointer.view, PointerMove, {pointer.x, pointer.y, 0, 0, 0});
    takeNextEvent();
    render();
    return fakeCanvasImage(canvas);
}

const PointerCase Pointers[] = {
    {ScreenCanvas, 123, 77},       {ScreenCanvas, 639, 399},        {ScreenCanvas, 100, 405},
    {ScreenCanvas, -5, -20},       {ScreenCanvas, -40, 300},        {ScreenCanvas, 100000, -100000},
    {ScreenCanvas, INT_MIN, INT_MAX}, {PickerCanvas, 50, 50},       {PickerCanvas, 40, 265},
    {PickerCanvas, -20, 5},        {PickerCanvas, 250, -20},        {PickerCanvas, 300, 280},
};

class ScreenViewAgainstReference
    : public ::testing::TestWithParam<std::tuple<CanvasSize, PointerCase>> {
protected:
    void SetUp() override { startFakeProgram(); }
};

TEST_P(ScreenViewAgainstReference, DrawsTheSameImage) {
    const auto& [size, pointer] = GetParam();
    const int32_t backgrounds[] = {0, 6, 15, 16, 200, 255};
    for (int32_t picture = 0; picture < 3; ++picture) {
        std::mt19937 random(unsigned(picture * 1000 + size.width) + unsigned(pointer.x));
        // Busy pictures: any code, any colour byte, also above 15.
        for (int32_t i = 0; i < PictureImageBytes; ++i) pictureImage()[i] = uint8_t(random());
        editor.backgroundColour = backgrounds[random() % 6];
        editor.charset = int32_t(random() % 2);
        buildGlyphSet();
        const std::vector<uint32_t> fast = imageFrom(ScreenCanvas, size, pointer, renderScreenView);
        const std::vector<uint32_t> reference = imageFrom(ScreenCanvas, size, pointer, referenceRenderScreenView);
        ASSERT_EQ(fast, reference) << "picture " << picture << ", background " << editor.backgroundColour;
    }
}

// The real canvas, taller than the dotted lines reach, wider, smaller in both directions, tiny.
INSTANTIATE_TEST_SUITE_P(SizesAndPointers, ScreenViewAgainstReference,
                         ::testing::Combine(::testing::Values(CanvasSize{640, 423}, CanvasSize{640, 700},
                                                              CanvasSize{700, 700}, CanvasSize{300, 200},
                                                              CanvasSize{17, 31}, CanvasSize{1, 1}),
                                            ::testing::ValuesIn(Pointers)));

class PickerViewAgainstReference
    : public ::testing::TestWithParam<std::tuple<CanvasSize, PointerCase>> {
protected:
    void SetUp() override { startFakeProgram(); }
};

TEST_P(PickerViewAgainstReference, DrawsTheSameImageAndHoverCell) {
    const auto& [size, pointer] = GetParam();
    for (int32_t round = 0; round < 4; ++round) {
        std::mt19937 random(unsigned(round * 1000 + size.height) + unsigned(pointer.y));
        editor.charset = round % 2;
        editor.selectedIndex = int32_t(random() % 256);
        editor.selectedColour = int32_t(random() % 16);
        buildGlyphSet();
        const std::vector<uint32_t> fast = imageFrom(PickerCanvas, size, pointer, renderPickerView);
        const int32_t hoverColumn = lastHoverColumn;
        const int32_t hoverRow = lastHoverRow;
        lastHoverColumn = lastHoverRow = 12345;
        const std::vector<uint32_t> reference = imageFrom(PickerCanvas, size, pointer, referenceRenderPickerView);
        ASSERT_EQ(fast, reference) << "round " << round;
        EXPECT_EQ(hoverColumn, lastHoverColumn);
        EXPECT_EQ(hoverRow, lastHoverRow);
    }
}

INSTANTIATE_TEST_SUITE_P(SizesAndPointers, PickerViewAgainstReference,
                         ::testing::Combine(::testing::Values(CanvasSize{256, 272}, CanvasSize{300, 300},
                                                              CanvasSize{100, 31}, CanvasSize{1, 1}),
                                            ::testing::ValuesIn(Pointers)));

}  // namespace
