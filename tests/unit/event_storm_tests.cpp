// Random event storms through the real routing, checking after every event what must always hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "app/event_loop.h"
#include "app/menu_bar.h"
#include "model/editor_state.h"
#include "model/picker_order.h"
#include "model/screen_buffer.h"
#include "platform/events.h"
#include "support/program_fixture.h"

namespace {

int32_t randomPosition(std::mt19937& random) {
    switch (random() % 6) {
        case 0: return int32_t(random());                               // anywhere at all
        case 1: return int32_t(random() % 2000) - 1000;                 // around and beyond both views
        case 2: return -int32_t(random() % 40);                         // just left of or above a view
        default: return int32_t(random() % 680);                        // inside a view or its strip
    }
}

Event randomEvent(std::mt19937& random) {
    static const int32_t menuIds[] = {MenuLower, MenuUpper, MenuPen, MenuLine, MenuFill, MenuClearScreen, 9, 14, 31, -1,
                                      MenuBackgroundBase, MenuBackgroundBase + 6, MenuBackgroundBase + 15};
    static const int32_t keys[] = {KeyInsert, KeyDelete, KeyInsert, KeyDelete, KeyEscape, 65, 0, -1};
    Event event = {ViewEvent, ScreenCanvas, PointerMove, {0, 0, 0, 0, 0}, 0, {}};
    const uint32_t choice = random() % 100;
    if (choice < 8) {
        event.kind = MenuEvent;
        event.menuId = menuIds[random() % std::size(menuIds)];
        return event;
    }
    if (choice < 9) {
        event.kind = DropEvent;
        event.dropText = random() % 2 ? "/no/such/picture.rawtext" : "a\nb";
        return event;
    }
    event.view = random() % 3 ? ScreenCanvas : PickerCanvas;
    event.type = ViewEventType(random() % 6);
    event.data = {randomPosition(random), randomPosition(random), int32_t(random() % 8),
                  event.type == KeyDown ? keys[random() % std::size(keys)] : 0, int32_t(random() % 8)};
    return event;
}

std::string describe(const Event& event) {
    static const char* const typeNames[] = {"PointerEnter", "PointerMove", "PointerLeave", "LeftClick", "RightClick", "KeyDown"};
    std::ostringstream text;
    if (event.kind == MenuEvent) text << "menu " << event.menuId;
    else if (event.kind == DropEvent) text << "drop";
    else
        text << (event.view == ScreenCanvas ? "screen" : "picker") << " " << typeNames[event.type] << " at ("
             << event.data.pointerX << ", " << event.data.pointerY << ") buttons " << event.data.buttons << " key "
             << event.data.key << " modifiers " << event.data.modifiers;
    return text.str();
}

// Which cells an event may change, given the state before it.
bool changeAllowed(const Event& event, const ScreenBuffer& before, const EditorState& state, std::string& why) {
    const uint8_t* oldCodes = before.codePlane;
    const uint8_t* oldColours = before.colourPlane;
    const uint8_t selectedCode = uint8_t(pickerCodeIn(state.charset, state.selectedIndex));
    const uint8_t selectedColour = uint8_t(state.selectedColour);
    const bool screenView = event.kind == ViewEvent && event.view == ScreenCanvas;
    const int32_t column = event.data.pointerX / 16;
    const int32_t row = event.data.pointerY / 16;
    for (int32_t cell = 0; cell < CellCount; ++cell) {
        const bool codeChanged = screen->codePlane[cell] != oldCodes[cell];
        const bool colourChanged = screen->colourPlane[cell] != oldColours[cell];
        if (!codeChanged && !colourChanged) continue;
        const bool pointerCell = cellInGrid(column, row) && cell == cellIndex(column, row);
        const bool paintedWithSelection =
            screen->codePlane[cell] == selectedCode && screen->colourPlane[cell] == selectedColour;
        bool allowed = false;
        if (event.kind == MenuEvent && event.menuId == MenuClearScreen)
            allowed = screen->codePlane[cell] == BlankCode && screen->colourPlane[cell] == BlankColour;
        else if (screenView && event.type == PointerMove)
            allowed = state.toolMode == ToolPen && (event.data.buttons & ButtonLeft) && pointerCell && paintedWithSelection;
        else if (screenView && event.type == RightClick)
            allowed = pointerCell && !colourChanged && screen->codePlane[cell] == BlankCode;
        else if (screenView && event.type == LeftClick)
            allowed = paintedWithSelection && (state.toolMode != ToolPen || pointerCell);
        else if (screenView && event.type == KeyDown)
            allowed = event.data.key == KeyInsert || event.data.key == KeyDelete;
        if (!allowed) {
            why = "cell " + std::to_string(cell) + " changed";
            return false;
        }
    }
    return true;
}

// Replays the events from a fresh start; returns the index of the first event after which an invariant fails, or -1.
int64_t firstFailure(const std::vector<Event>& events, std::string& why) {
    startFakeProgram();
    for (size_t i = 0; i < events.size(); ++i) {
        const ScreenBuffer before = *screen;
        const EditorState state = editor;
        postEvent(events[i]);
        takeNextEvent();
        routeEvent();
        if (!(editor.anchorColumn == -1 && editor.anchorRow == -1) && (editor.anchorColumn < 0 || editor.anchorRow < 0))
            why = "anchor (" + std::to_string(editor.anchorColumn) + ", " + std::to_string(editor.anchorRow) + ")";
        else if (editor.selectedIndex < 0 || editor.selectedIndex > 255)
            why = "selectedIndex " + std::to_string(editor.selectedIndex);
        else if (editor.selectedColour < 0 || editor.selectedColour > 15)
            why = "selectedColour " + std::to_string(editor.selectedColour);
        else if (!changeAllowed(events[i], before, state, why))
            ;
        else
            continue;
        return int64_t(i);
    }
    return -1;
}

// Removes ever smaller runs of events while the failure persists, to show a short sequence that still fails.
std::vector<Event> shrink(std::vector<Event> events) {
    std::string why;
    int attempts = 0;
    for (size_t run = events.size() / 2; run >= 1 && attempts < 300; run /= 2) {
        for (size_t start = 0; start < events.size() && attempts < 300; ++attempts) {
            std::vector<Event> shorter = events;
            shorter.erase(shorter.begin() + int64_t(start),
                          shorter.begin() + int64_t(std::min(start + run, shorter.size())));
            const int64_t failure = firstFailure(shorter, why);
            if (failure >= 0) {
                shorter.resize(size_t(failure) + 1);
                events = shorter;
            } else {
                start += run;
            }
        }
    }
    return events;
}

}  // namespace

class EventStorm : public ::testing::TestWithParam<uint32_t> {};

TEST_P(EventStorm, KeepsEveryInvariant) {
    const uint32_t seed = GetParam();
    std::mt19937 random(seed);
    std::vector<Event> events;
    for (int i = 0; i < 12000; ++i) events.push_back(randomEvent(random));
    std::string why;
    const int64_t failure = firstFailure(events, why);
    if (failure < 0) return;
    events.resize(size_t(failure) + 1);
    std::vector<Event> shortest = shrink(events);
    firstFailure(shortest, why);
    std::ostringstream report;
    report << "seed " << seed << ": " << why << " after\n";
    for (const Event& event : shortest) report << "  " << describe(event) << "\n";
    FAIL() << report.str();
}

INSTANTIATE_TEST_SUITE_P(Seeds, EventStorm, ::testing::Values(1u, 2u, 3u, 20261211u));
