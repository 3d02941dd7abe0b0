#include "platform/qt_main_window.h"

#include <QScreen>

#include "platform/canvas_drawing.h"
#include "platform/events.h"
#include "platform/qt_canvas_widget.h"
#include "platform/qt_widgets.h"
#include "platform/window.h"

// The toolkit, the one window and its parts.
QApplication* application = nullptr;
MainWindow* mainWindow = nullptr;
QWidget* clientArea = nullptr;
QMenuBar* menuBar = nullptr;
CanvasWidget* canvasWidgets[CanvasCount] = {};

MainWindow::MainWindow() {
    setObjectName("mainWindow");
    // A minimise and a close button, no maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The program decides; the window goes only with the exit path.
    postCloseEvent();
    event->ignore();
}

ClientArea::ClientArea(QWidget* parent) : QWidget(parent) { setObjectName("clientArea"); }

void ClientArea::mouseMoveEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    CanvasWidget* canvas = qobject_cast<CanvasWidget*>(childAt(position));
    if (canvas != passedOver && passedOver != nullptr) passedOver->pointerLeft();
    passedOver = canvas;
    if (canvas != nullptr) canvas->pointerMoved(canvas->mapFrom(this, position), event->buttons(), event->modifiers());
}

void ClientArea::mouseReleaseEvent(QMouseEvent* event) {
    // Qt reports the canvas under the pointer as entered once the last button is up.
    if (event->buttons() == Qt::NoButton) passedOver = nullptr;
}

bool openMainWindow(const std::string& title, int32_t contentWidth, int32_t contentHeight) {
    if (application == nullptr || mainWindow != nullptr) return false;
    mainWindow = new MainWindow;
    mainWindow->setWindowTitle(QString::fromStdString(title));
    mainWindow->setWindowIcon(programIcon());
    mainWindow->setFixedSize(contentWidth, contentHeight);
    clientArea = new ClientArea(mainWindow);
    clientArea->setGeometry(0, 0, contentWidth, contentHeight);

    // Centred on the whole screen by the outer size, as far as the window system tells the frame
    // before the window is shown; creating the native window first lets it tell.
    mainWindow->winId();
    const QRect screen = mainWindow->screen()->geometry();
    const QSize outer = mainWindow->frameGeometry().size();
    const int left = std::max(0, (screen.width() - outer.width()) / 2);
    const int top = std::max(0, (screen.height() - outer.height()) / 2);
    mainWindow->move(screen.x() + left, screen.y() + top);
    mainWindow->show();
    mainWindow->activateWindow();
    return true;
}

void placeMenuBar() {
    if (mainWindow == nullptr) return;
    const int width = mainWindow->width();
    const int menuHeight = menuBar != nullptr ? menuBar->sizeHint().height() : 0;
    if (menuBar != nullptr) menuBar->setGeometry(0, 0, width, menuHeight);
    // The window keeps its size: the menu bar's height comes off the area below it.
    clientArea->setGeometry(0, menuHeight, width, mainWindow->height() - menuHeight);
}

void setWindowTitle(const std::string& text) {
    if (mainWindow != nullptr) mainWindow->setWindowTitle(QString::fromStdString(text));
}

std::string windowTitle() { return mainWindow != nullptr ? mainWindow->windowTitle().toStdString() : std::string(); }

void destroyMainWindow() {
    currentDrawing = {nullptr, 0, 0, 0, false};
    forgetMenuItems();
    delete mainWindow;
    mainWindow = nullptr;
    clientArea = nullptr;
    menuBar = nullptr;
    for (CanvasWidget*& canvas : canvasWidgets) canvas = nullptr;
}
