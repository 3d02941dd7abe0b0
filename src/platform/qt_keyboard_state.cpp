#include "platform/qt_keyboard_state.h"

#include <QApplication>
#include <QKeyEvent>

#include "platform/keyboard_state.h"

// Escape's state from the key events the application received.
static bool escapeSeenDown = false;

namespace {
class EscapeTracker : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
            const QKeyEvent* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Escape && !key->isAutoRepeat())
                escapeSeenDown = event->type() == QEvent::KeyPress;
        }
        return QObject::eventFilter(watched, event);
    }
};
}  // namespace

void trackEscapeKey() {
    escapeSeenDown = false;
    qApp->installEventFilter(new EscapeTracker(qApp));
}

bool isEscapeDown() { return x11EscapeDown().value_or(escapeSeenDown); }
