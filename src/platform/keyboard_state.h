#pragma once

// True while the Escape key is physically held, whatever window has the focus.
bool isEscapeDown();
