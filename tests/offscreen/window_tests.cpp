// The real main window: geometry, style, title, canvases on screen, close requests and file drops.
#include <QMimeData>
#include <QScreen>
#include <QTest>
#include <QUrl>
#include <QWindow>

#include "app/event_loop.h"
#include "app/startup.h"
#include "platform/canvas_drawing.h"
#include "offscreen_fixture.h"

namespace {

TEST_F(QtProgramTest, WindowHasAFixedSizeAndNoMaximiseButton) {
    const QSize content(896, 400 + menuFrameHeight);
    EXPECT_EQ(mainWindow->size(), content);
    EXPECT_EQ(mainWindow->minimumSize(), content);
    EXPECT_EQ(mainWindow->maximumSize(), content);
    const Qt::WindowFlags flags = mainWindow->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(mainWindow->windowIcon().isNull());
}

TEST_F(QtProgramTest, WindowIsCentredOnTheScreenByItsOuterSize) {
    const QRect screen = mainWindow->screen()->geometry();
    const QRect outer = mainWindow->frameGeometry();
    EXPECT_EQ(outer.left() - screen.left(), std::max(0, (screen.width() - outer.width()) / 2));
    EXPECT_EQ(outer.top() - screen.top(), std::max(0, (screen.height() - outer.height()) / 2));
}

TEST_F(QtProgramTest, ScreenViewReachesBelowTheWindowEdgeLeavingAStripUnderThePicture) {
    CanvasWidget* screenView = canvasWidgets[ScreenCanvas];
    EXPECT_EQ(screenView->size(), QSize(640, 400 + menuFrameHeight));
    EXPECT_EQ(screenView->mapTo(mainWindow, QPoint(0, 0)), QPoint(0, menuBar->height()));
    const int visibleRows = screenView->visibleRegion().boundingRect().height();
    EXPECT_GT(visibleRows - 400, 0) << "rows of the strip under the picture";
    EXPECT_EQ(visibleRows - 400, menuFrameHeight - menuBar->height());
    EXPECT_EQ(screenView->height() - visibleRows, menuBar->height()) << "rows hidden below the window's edge";

    CanvasWidget* picker = canvasWidgets[PickerCanvas];
    EXPECT_EQ(picker->size(), QSize(256, 272));
    EXPECT_EQ(picker->mapTo(mainWindow, QPoint(0, 0)), QPoint(640, menuBar->height()));
}

TEST_F(QtProgramTest, PointerReachesTheStripBelowThePicture) {
    const int lastVisibleRow = canvasWidgets[ScreenCanvas]->visibleRegion().boundingRect().bottom();
    movePointer(ScreenCanvas, {50, lastVisibleRow});
    movePointer(ScreenCanvas, {51, lastVisibleRow});
    const std::vector<Event> events = takeQueuedEvents();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().type, PointerMove);
    EXPECT_EQ(events.back().data.pointerY / 16, 25);
}

TEST_F(QtProgramTest, UncoveredAreaShowsTheDialogBackground) {
    const QImage window = mainWindow->grab().toImage();
    const QColor background = mainWindow->palette().color(QPalette::Window);
    EXPECT_EQ(window.pixelColor(QPoint(700, menuBar->height() + 300)), background);
    EXPECT_EQ(window.pixelColor(QPoint(895, mainWindow->height() - 1)), background);
}

TEST_F(QtProgramTest, DrawingIsShownAtItsEnd) {
    const int64_t shown = canvasShowCount(PickerCanvas);
    ASSERT_TRUE(beginDrawing(PickerCanvas));
    drawRect(10, 20, 4, 3, 0x0000FF);  // red
    setOutlineMode();
    drawRect(30, 20, 5, 5, 0x00FF00);
    endDrawing();
    EXPECT_EQ(canvasShowCount(PickerCanvas), shown + 1);
    EXPECT_EQ(canvasPixel(PickerCanvas, 13, 22), 0x0000FFu);
    EXPECT_EQ(canvasPixel(PickerCanvas, 30, 24), 0x00FF00u);
    EXPECT_NE(canvasPixel(PickerCanvas, 32, 22), 0x00FF00u) << "an outline leaves its inside";
    const QImage window = mainWindow->grab().toImage();
    const QPoint origin = canvasWidgets[PickerCanvas]->mapTo(mainWindow, QPoint(0, 0));
    EXPECT_EQ(window.pixelColor(origin + QPoint(13, 22)), QColor(255, 0, 0));
    EXPECT_EQ(window.pixelColor(origin + QPoint(30, 24)), QColor(0, 255, 0));
}

TEST_F(QtProgramTest, NewCanvasIsWhiteAndAMissingOneCannotBeDrawnOn) {
    destroyMainWindow();
    EXPECT_FALSE(canvasExists(PickerCanvas));
    EXPECT_FALSE(beginDrawing(PickerCanvas));
    ASSERT_TRUE(openMainWindow("fresh", 896, 425));
    createCanvas(PickerCanvas, 640, 0, 256, 272, false);
    ASSERT_TRUE(canvasExists(PickerCanvas));
    EXPECT_EQ(canvasWidth(PickerCanvas), 256);
    EXPECT_EQ(canvasHeight(PickerCanvas), 272);
    for (int y = 0; y < 272; y += 17)
        for (int x = 0; x < 256; x += 15) EXPECT_EQ(canvasPixel(PickerCanvas, x, y), 0xFFFFFFu);
    EXPECT_EQ(canvasShowCount(PickerCanvas), 0);
}

TEST_F(QtProgramTest, TitleShowsThePointerCellAfterARoutedMove) {
    EXPECT_EQ(windowTitle(), "Tegrel 0.9");
    movePointer(ScreenCanvas, {12 * 16 + 3, 3 * 16 + 9});
    waitEvent();
    routeEvent();
    EXPECT_EQ(windowTitle(), "Tegrel 0.9") << "entering changes no title";
    EXPECT_TRUE(canvasHasFocus(ScreenCanvas)) << "entering gives the focus";
    movePointer(ScreenCanvas, {12 * 16 + 5, 3 * 16 + 9});
    waitEvent();
    routeEvent();
    EXPECT_EQ(windowTitle(), "Tegrel 0.9 x:12,y:3 char=32 col:14");
    EXPECT_EQ(mainWindow->windowTitle(), "Tegrel 0.9 x:12,y:3 char=32 col:14");
}

TEST_F(QtProgramTest, CloseButtonAsksAndTheWindowStays) {
    EXPECT_FALSE(mainWindow->windowHandle()->close());
    EXPECT_TRUE(mainWindow->isVisible());
    const std::vector<Event> events = takeQueuedEvents();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, CloseEvent);
}

// Drags a list of files over the window at `position` (window coordinates) and drops it.
struct DropResult {
    bool enterAccepted;
    Qt::DropAction action;
    bool dropAccepted;
};

DropResult dragAndDrop(QPoint position, const QList<QUrl>& urls) {
    QMimeData mime;
    mime.setUrls(urls);
    QWindow* window = mainWindow->windowHandle();
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    QDragEnterEvent enter(position, offered, &mime, Qt::LeftButton, Qt::NoModifier);
    enter.setDropAction(Qt::MoveAction);
    QCoreApplication::sendEvent(window, &enter);
    DropResult result{enter.isAccepted(), enter.dropAction(), false};
    QDropEvent drop(position, offered, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &drop);
    result.dropAccepted = drop.isAccepted();
    return result;
}

TEST_F(QtProgramTest, FilesDroppedOnTheScreenViewArriveJoinedByLineFeeds) {
    const QPoint over = canvasWidgets[ScreenCanvas]->mapTo(mainWindow, QPoint(200, 200));
    const DropResult result =
        dragAndDrop(over, {QUrl::fromLocalFile("/tmp/one.rawtext"), QUrl::fromLocalFile("/tmp/two words.rawtext")});
    EXPECT_TRUE(result.enterAccepted);
    EXPECT_EQ(result.action, Qt::CopyAction);
    EXPECT_TRUE(result.dropAccepted);
    const std::vector<Event> events = takeQueuedEvents();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, DropEvent);
    EXPECT_EQ(events[0].dropText, "/tmp/one.rawtext\n/tmp/two words.rawtext");
}

TEST_F(QtProgramTest, OneDroppedFileArrivesAsItsName) {
    dragAndDrop(canvasWidgets[ScreenCanvas]->mapTo(mainWindow, QPoint(5, 5)), {QUrl::fromLocalFile("/tmp/a.rawtext")});
    const std::vector<Event> events = takeQueuedEvents();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].dropText, "/tmp/a.rawtext");
}

TEST_F(QtProgramTest, DropsElsewhereAreRefused) {
    const QPoint places[] = {canvasWidgets[PickerCanvas]->mapTo(mainWindow, QPoint(100, 100)),
                             clientArea->mapTo(mainWindow, QPoint(760, 350))};
    for (QPoint place : places) {
        const DropResult result = dragAndDrop(place, {QUrl::fromLocalFile("/tmp/a.rawtext")});
        EXPECT_FALSE(result.enterAccepted);
        EXPECT_FALSE(result.dropAccepted);
    }
    EXPECT_TRUE(takeQueuedEvents().empty());
}

TEST_F(QtProgramTest, DragWithoutLocalFilesIsRefusedByTheScreenView) {
    const DropResult result = dragAndDrop(canvasWidgets[ScreenCanvas]->mapTo(mainWindow, QPoint(200, 200)),
                                          {QUrl("https://example.org/picture.rawtext")});
    EXPECT_FALSE(result.enterAccepted);
    EXPECT_TRUE(takeQueuedEvents().empty());
}

}  // namespace
