#include "view/glyph_set.h"

#include <cstdlib>
#include <cstring>

#include "model/editor_state.h"
#include "view/char_rom.h"

uint8_t* GlyphSet = nullptr;

void allocateGlyphSet() {
    if (GlyphSet == nullptr) GlyphSet = static_cast<uint8_t*>(std::calloc(2048, 1));
}

void releaseGlyphSet() {
    std::free(GlyphSet);
    GlyphSet = nullptr;
}

void buildGlyphSet() {
    std::memcpy(GlyphSet, CharRom + (editor.charset & 1) * 1024, 1024);
    for (int i = 0; i < 1024; ++i) GlyphSet[1024 + i] = GlyphSet[i] ^ 0xFF;
}
