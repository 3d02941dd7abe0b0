// The top-level window: a close request becomes a program event and the window stays open.
#pragma once
#include <QCloseEvent>
#include <QIcon>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

class MainWindow : public QWidget {
    Q_OBJECT

public:
    MainWindow();

protected:
    void closeEvent(QCloseEvent* event) override;
};

class CanvasWidget;

// The area below the menu bar. A drag that starts on its uncovered part holds the pointer nowhere:
// the canvases it passes over see its movements as their own.
class ClientArea : public QWidget {
    Q_OBJECT

public:
    explicit ClientArea(QWidget* parent);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPointer<CanvasWidget> passedOver;
};

// A 32 × 32 picture of a character cell, drawn in code.
QIcon programIcon();
