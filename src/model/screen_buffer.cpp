#include "model/screen_buffer.h"

#include <cstdlib>

ScreenBuffer* screen = nullptr;

void allocateScreenBuffer() {
    if (screen == nullptr) screen = static_cast<ScreenBuffer*>(std::calloc(1, sizeof(ScreenBuffer)));
}

void releaseScreenBuffer() {
    std::free(screen);
    screen = nullptr;
}
