// The commands of the menu items and their shortcuts.
#pragma once
#include <cstdint>

void handleMenuCommand(int32_t id);
