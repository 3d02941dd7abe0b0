#include <deque>

#include "platform/events.h"

// Events raised but not yet taken, and the one being handled.
static std::deque<Event> queuedEvents;
static Event current = {NoEvent, ScreenCanvas, PointerEnter, {0, 0, 0, 0, 0}, 0, {}};

void postEvent(const Event& event) { queuedEvents.push_back(event); }

void postViewEvent(CanvasId view, ViewEventType type, const ViewEventData& data) {
    postEvent({ViewEvent, view, type, data, 0, {}});
}

void postMenuEvent(int32_t menuId) { postEvent({MenuEvent, ScreenCanvas, PointerEnter, {}, menuId, {}}); }

void postDropEvent(const std::string& joinedPaths) {
    postEvent({DropEvent, ScreenCanvas, PointerEnter, {}, 0, joinedPaths});
}

void postCloseEvent() { postEvent({CloseEvent, ScreenCanvas, PointerEnter, {}, 0, {}}); }

void clearEventQueue() { queuedEvents.clear(); }

bool eventQueueEmpty() { return queuedEvents.empty(); }

void takeNextEvent() {
    if (queuedEvents.empty()) {
        current = {NoEvent, ScreenCanvas, PointerEnter, {0, 0, 0, 0, 0}, 0, {}};
        return;
    }
    current = std::move(queuedEvents.front());
    queuedEvents.pop_front();
}

const Event& currentEvent() { return current; }

ViewEventData eventData(CanvasId view) {
    if (current.kind != ViewEvent || current.view != view) return {0, 0, 0, 0, 0};
    return current.data;
}

CanvasPoint eventPointerPosition(CanvasId canvas) {
    const ViewEventData data = eventData(canvas);
    return {data.pointerX, data.pointerY};
}
