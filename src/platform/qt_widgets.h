// The widgets of the one main window, shared by the Qt platform files (and read by the offscreen tests).
#pragma once
#include <QApplication>
#include <QMenuBar>
#include <QWidget>

#include "platform/canvas.h"

class CanvasWidget;
class MainWindow;

// The toolkit and the window's widgets; null before they exist and after teardown.
extern QApplication* application;
extern MainWindow* mainWindow;
// The part of the window below the menu bar; the canvases are placed in it.
extern QWidget* clientArea;
extern QMenuBar* menuBar;
extern CanvasWidget* canvasWidgets[CanvasCount];

// Gives the menu bar the height its titles need and the client area the rest of the window.
void placeMenuBar();
// Destroys the window with its menus, shortcuts and canvases; the toolkit stays.
void destroyMainWindow();
// Forgets the menu items, which went with the menu bar.
void forgetMenuItems();
