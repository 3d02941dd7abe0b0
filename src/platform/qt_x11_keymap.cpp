#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include "platform/qt_keyboard_state.h"

// After the Qt headers: Xlib's macros (KeyPress, None, ...) clash with Qt's names.
#include <X11/Xlib.h>
#include <X11/keysym.h>

std::optional<bool> x11EscapeDown() {
    // Only the xcb platform has the X11 interface; asking elsewhere would crash.
    if (qGuiApp == nullptr || QGuiApplication::platformName() != "xcb") return std::nullopt;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 != nullptr ? x11->display() : nullptr;
    if (display == nullptr) return std::nullopt;
    const KeyCode escape = XKeysymToKeycode(display, XK_Escape);
    if (escape == 0) return std::nullopt;
    char keys[32];
    XQueryKeymap(display, keys);
    return (keys[escape / 8] & (1 << (escape % 8))) != 0;
}
