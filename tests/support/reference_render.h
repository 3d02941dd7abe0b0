// Plain renderers of both views, one drawRect per glyph square and per grid dot, step by step as the
// views are meant to be drawn; the fast renderers must produce the same images.
#pragma once

void referenceRenderScreenView();
void referenceRenderPickerView();
