// Escape as the application has seen it, for platforms where the key state cannot be asked.
#pragma once

// Starts following Escape presses and releases in every widget of the application.
void trackEscapeKey();
// The X server's answer about Escape; false in `answered` when this is not X11.
bool x11EscapeDown(bool* answered);
