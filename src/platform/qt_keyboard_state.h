// Escape's state: asked of the X server where there is one, else as the application has seen it.
#pragma once
#include <optional>

// Starts following Escape presses and releases in every widget of the application.
void trackEscapeKey();
// Whether the X server has Escape down; nothing when the application does not run on X11.
std::optional<bool> x11EscapeDown();
