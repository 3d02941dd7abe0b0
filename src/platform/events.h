// Program events: what the canvases, menus, drops and the close button raise, one at a time.
#pragma once
#include <cstdint>
#include <string>

#include "platform/canvas.h"

enum EventKind : int32_t { NoEvent = 0, ViewEvent, MenuEvent, DropEvent, CloseEvent };

enum ViewEventType : int32_t { PointerEnter = 0, PointerMove, PointerLeave, LeftClick, RightClick, KeyDown };

enum ButtonBit : int32_t { ButtonLeft = 1, ButtonRight = 2, ButtonMiddle = 4 };
enum ModifierBit : int32_t { ModifierShift = 1, ModifierAlt = 2, ModifierControl = 4 };
// Windows virtual-key numbering.
enum VirtualKey : int32_t { KeyEscape = 27, KeyInsert = 45, KeyDelete = 46 };

struct ViewEventData {
    int32_t pointerX;
    int32_t pointerY;
    int32_t buttons;
    int32_t key;
    int32_t modifiers;
};

struct Event {
    EventKind kind;
    CanvasId view;          // ViewEvent
    ViewEventType type;     // ViewEvent
    ViewEventData data;     // ViewEvent
    int32_t menuId;         // MenuEvent
    std::string dropText;   // DropEvent: the paths joined by line feeds
};

// Appends an event to the queue; called by the widgets and menu actions (and by tests).
void postEvent(const Event& event);
void postViewEvent(CanvasId view, ViewEventType type, const ViewEventData& data);
void postMenuEvent(int32_t menuId);
void postDropEvent(const std::string& joinedPaths);
void postCloseEvent();
void clearEventQueue();
bool eventQueueEmpty();

// Blocks until an event is queued or one window-system message has been processed;
// the current event is then the next queued one, or NoEvent.
void waitEvent();
// Makes the next queued event current (NoEvent when none); waitEvent's non-blocking half.
void takeNextEvent();

const Event& currentEvent();
// The current event's data if it is an event of this view; all zeros otherwise.
ViewEventData eventData(CanvasId view);
// The pointer position of the current event if it is an event of this canvas; (0, 0) otherwise.
CanvasPoint eventPointerPosition(CanvasId canvas);
