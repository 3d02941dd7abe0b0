// The right canvas: the 256 characters in picker order, the colour bar and their marks.
#pragma once
#include <cstdint>

constexpr int PickerViewWidth = 256;
constexpr int PickerViewHeight = 272;

// The cell the last redraw outlined in green.
extern int32_t lastHoverColumn;
extern int32_t lastHoverRow;

void renderPickerView();
// Handles the current event of the picker canvas: hover, leave and selection clicks.
void handlePickerEvent();
