#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include "platform/qt_keyboard_state.h"

// After the Qt headers: Xlib's macros (KeyPress, None, ...) clash with Qt's names.
#include <X11/Xlib.h>
#include <X11/keysym.h>

bool x11EscapeDown(bool* answered) {
    *answered = false;
    // Only the xcb platform has the X11 interface; asking elsewhere would crash.
    if (qGuiApp == nullptr || QGuiApplication::platformName() != "xcb") return false;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 != nullptr ? x11->display() : nullptr;
    if (display == nullptr) return false;
    const KeyCode escape = XKeysymToKeycode(display, XK_Escape);
    if (escape == 0) return false;
    char keys[32];
    XQueryKeymap(display, keys);
    *answered = true;
    return (keys[escape / 8] & (1 << (escape % 8))) != 0;
}
