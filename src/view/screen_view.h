// The left canvas: the picture at double size, the dotted cell grid and the pointer outline.
#pragma once

constexpr int ScreenViewWidth = 640;

// Redraws the whole screen view from the picture and shows it.
void renderScreenView();
