// A canvas: a child widget that keeps an off-screen image and turns Qt's input into program events.
#pragma once
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QEnterEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QWidget>

#include "platform/events.h"

class CanvasWidget : public QWidget {
    Q_OBJECT

public:
    CanvasWidget(CanvasId id, int width, int height, bool keyboard, QWidget* parent);

    const CanvasId id;
    // Bytes R, G, B, 0xFF per pixel; the drawing code writes into it directly.
    QImage image;
    int64_t showCount = 0;

    // A movement over the canvas, also one that another widget holding the pointer passes on.
    void pointerMoved(QPoint position, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void pointerLeft();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // Tab is a key like any other here, not a move to another widget.
    bool focusNextPrevChild(bool next) override;

private:
    void post(ViewEventType type, QPoint position, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
              int32_t key);

    // The next movement is the first since the pointer came over the canvas.
    bool pointerOutside = true;
    // A button was pressed here while no other was down; cleared when the last button is up.
    bool holdsPointer = false;
};

// Windows virtual-key number of a Qt key; 0 for keys without one.
int32_t virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);
