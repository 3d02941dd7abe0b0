#include "platform/qt_canvas_widget.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QUrl>

static int32_t buttonBits(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? ButtonLeft : 0) | (buttons & Qt::RightButton ? ButtonRight : 0) |
           (buttons & Qt::MiddleButton ? ButtonMiddle : 0);
}

static int32_t modifierBits(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? ModifierShift : 0) | (modifiers & Qt::AltModifier ? ModifierAlt : 0) |
           (modifiers & Qt::ControlModifier ? ModifierControl : 0);
}

// The local files among the dragged URLs, one per line.
static QString droppedPaths(const QMimeData* mime) {
    QStringList paths;
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile()) paths.append(url.toLocalFile());
    return paths.join('\n');
}

CanvasWidget::CanvasWidget(CanvasId canvasId, int width, int height, bool keyboard, QWidget* parent)
    : QWidget(parent), id(canvasId), image(width, height, QImage::Format_RGBX8888) {
    image.fill(Qt::white);
    setFixedSize(width, height);
    setFocusPolicy(keyboard ? Qt::ClickFocus : Qt::NoFocus);
    setMouseTracking(true);
    // paintEvent covers every pixel from the image.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
}

void CanvasWidget::post(ViewEventType type, QPoint position, Qt::MouseButtons buttons,
                        Qt::KeyboardModifiers modifiers, int32_t key) {
    postViewEvent(id, type, {position.x(), position.y(), buttonBits(buttons), key, modifierBits(modifiers)});
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect().topLeft(), image, event->rect());
}

void CanvasWidget::enterEvent(QEnterEvent*) {
    // The movement that brought the pointer here is reported by the move that follows.
    pointerOutside = true;
}

void CanvasWidget::leaveEvent(QEvent*) { pointerLeft(); }

void CanvasWidget::pointerLeft() {
    pointerOutside = true;
    post(PointerLeave, mapFromGlobal(QCursor::pos()), QGuiApplication::mouseButtons(),
         QGuiApplication::keyboardModifiers(), 0);
}

void CanvasWidget::pointerMoved(QPoint position, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    if (pointerOutside && rect().contains(position)) {
        pointerOutside = false;
        post(PointerEnter, position, buttons, modifiers, 0);
        return;
    }
    post(PointerMove, position, buttons, modifiers, 0);
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
    pointerMoved(event->position().toPoint(), event->buttons(), event->modifiers());
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
    // Qt keeps sending the pointer here until the last button is up; a click needs this press.
    if (event->buttons() == event->button()) holdsPointer = true;
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint position = event->position().toPoint();
    if (holdsPointer && rect().contains(position)) {
        if (event->button() == Qt::LeftButton) post(LeftClick, position, event->buttons(), event->modifiers(), 0);
        if (event->button() == Qt::RightButton) post(RightClick, position, event->buttons(), event->modifiers(), 0);
    }
    if (event->buttons() == Qt::NoButton) holdsPointer = false;
}

void CanvasWidget::keyPressEvent(QKeyEvent* event) {
    // Where the pointer is now, wherever that is.
    post(KeyDown, mapFromGlobal(QCursor::pos()), QGuiApplication::mouseButtons(), event->modifiers(),
         virtualKeyCode(event->key(), event->modifiers()));
}

void CanvasWidget::dragEnterEvent(QDragEnterEvent* event) { dragMoveEvent(event); }

// Files are taken as copies; anything without a local file is refused.
void CanvasWidget::dragMoveEvent(QDragMoveEvent* event) {
    if (droppedPaths(event->mimeData()).isEmpty()) return event->ignore();
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void CanvasWidget::dropEvent(QDropEvent* event) {
    const QString paths = droppedPaths(event->mimeData());
    if (paths.isEmpty()) return event->ignore();
    event->setDropAction(Qt::CopyAction);
    event->accept();
    postDropEvent(paths.toStdString());
}

bool CanvasWidget::focusNextPrevChild(bool) { return false; }
