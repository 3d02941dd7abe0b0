// The fill tool on the real window: a space selection is refused in a real message box, a
// reverse space picked with a real click fills the blank picture.
#include <QAction>
#include <QMenuBar>
#include <cstring>

#include "app/menu_bar.h"
#include "dialog_answers.h"
#include "model/editor_state.h"
#include "model/screen_buffer.h"
#include "platform/canvas.h"

namespace {

void clickAt(CanvasId canvas, QPoint position) {
    movePointer(canvas, position);
    routeQueuedEvents();
    pressButton(canvas, position);
    releaseButton(canvas, position);
    routeQueuedEvents();
}

class QtFillRefusal : public DialogTest, public ::testing::WithParamInterface<int32_t> {};

TEST_P(QtFillRefusal, SpaceSelectionShowsTheBoxAndChangesNothing) {
    chooseMenuItem(GetParam());
    chooseMenuItem(MenuFill);
    ASSERT_EQ(editor.toolMode, ToolFill);
    ASSERT_EQ(editor.selectedIndex, 0);
    movePointer(ScreenCanvas, {200, 120});
    routeQueuedEvents();
    uint8_t before[PictureImageBytes];
    std::memcpy(before, pictureImage(), PictureImageBytes);
    const int64_t shown = canvasShowCount(ScreenCanvas);

    pressOnNextBox(QMessageBox::Ok);
    pressButton(ScreenCanvas, {200, 120});
    releaseButton(ScreenCanvas, {200, 120});
    routeQueuedEvents();

    ASSERT_EQ(seenDialogs().size(), 1u);
    const SeenDialog& box = seenDialogs()[0];
    EXPECT_EQ(box.title, "Fill");
    EXPECT_EQ(box.text, "Cannot fill space!");
    EXPECT_EQ(box.icon, QMessageBox::NoIcon);
    EXPECT_EQ(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(std::memcmp(before, pictureImage(), PictureImageBytes), 0);
    EXPECT_EQ(canvasShowCount(ScreenCanvas), shown) << "the screen view is not redrawn";
}

INSTANTIATE_TEST_SUITE_P(BothSets, QtFillRefusal, ::testing::Values(MenuUpper, MenuLower),
                         [](const auto& info) { return info.param == MenuUpper ? "Upper" : "Lower"; });

class QtFillReverseSpace : public DialogTest, public ::testing::WithParamInterface<int32_t> {};

TEST_P(QtFillReverseSpace, PickedWithAClickFillsTheBlankPicture) {
    chooseMenuItem(GetParam());
    chooseMenuItem(MenuFill);
    clickAt(PickerCanvas, {8, 136});
    ASSERT_EQ(editor.selectedIndex, 128);
    const int64_t shown = canvasShowCount(ScreenCanvas);
    clickAt(ScreenCanvas, {200, 120});
    for (int32_t cell = 0; cell < CellCount; ++cell) {
        ASSERT_EQ(screen->codePlane[cell], 160) << "cell " << cell;
        ASSERT_EQ(screen->colourPlane[cell], 14) << "cell " << cell;
    }
    EXPECT_GT(canvasShowCount(ScreenCanvas), shown);
    EXPECT_TRUE(seenDialogs().empty());
}

INSTANTIATE_TEST_SUITE_P(BothSets, QtFillReverseSpace, ::testing::Values(MenuUpper, MenuLower),
                         [](const auto& info) { return info.param == MenuUpper ? "Upper" : "Lower"; });

}  // namespace
