// Redrawing both views against the memory limit (one plain fill) and a naive toolkit renderer.
#include <benchmark/benchmark.h>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <algorithm>

#include "bench_setup.h"
#include "model/editor_state.h"
#include "model/screen_buffer.h"
#include "platform/canvas.h"
#include "platform/canvas_drawing.h"
#include "view/glyph_set.h"
#include "view/palette.h"
#include "view/picker_view.h"
#include "view/screen_view.h"

namespace {

void fillWholeImage(CanvasId canvas, uint32_t colour) {
    beginDrawing(canvas);
    const CanvasDrawing& d = currentDrawing;
    for (int32_t y = 0; y < d.height; ++y) std::fill_n(d.pixels + int64_t(y) * d.stride, d.width, colour | OpaquePixel);
    endDrawing();
}

void BM_RenderScreenView(benchmark::State& state) {
    fillBusyPicture(1);
    pointAtScreenCell(12, 3);
    for (auto _ : state) renderScreenView();
}

void BM_RenderPickerView(benchmark::State& state) {
    for (auto _ : state) renderPickerView();
}

void BM_FillScreenImage(benchmark::State& state) {
    uint32_t colour = 0;
    for (auto _ : state) fillWholeImage(ScreenCanvas, ++colour & 0xFFFFFF);
}

void BM_FillPickerImage(benchmark::State& state) {
    uint32_t colour = 0;
    for (auto _ : state) fillWholeImage(PickerCanvas, ++colour & 0xFFFFFF);
}

QColor toQColor(uint32_t colour) { return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

// What a straightforward toolkit program does: one fillRect per glyph square and per grid dot.
void BM_NaivePainterScreenView(benchmark::State& state) {
    fillBusyPicture(1);
    QImage image(canvasWidth(ScreenCanvas), canvasHeight(ScreenCanvas), QImage::Format_RGBX8888);
    image.fill(Qt::white);
    for (auto _ : state) {
        QPainter painter(&image);
        const QColor background = toQColor(Palette[editor.backgroundColour & 15]);
        for (int32_t r = 0; r < GridRows; ++r)
            for (int32_t c = 0; c < GridColumns; ++c) {
                const int32_t cell = cellIndex(c, r);
                const QColor foreground = toQColor(Palette[screen->colourPlane[cell] & 15]);
                for (int32_t k = 0; k < 8; ++k) {
                    const uint8_t glyphRow = GlyphSet[screen->codePlane[cell] * 8 + k];
                    for (int32_t l = 0; l < 8; ++l)
                        painter.fillRect(16 * c + 2 * l, 16 * r + 2 * k, 2, 2,
                                         (glyphRow & (0x80 >> l)) ? foreground : background);
                }
            }
        const QColor grey = toQColor(ColourGrey);
        for (int32_t j = 0; j < 40; ++j)
            for (int32_t t = 0; t <= 640; t += 2) {
                painter.fillRect(16 * j, t, 1, 1, grey);
                painter.fillRect(t, 16 * j, 1, 1, grey);
            }
        painter.setPen(toQColor(ColourRed));
        painter.drawRect(16 * 12, 16 * 3, 15, 15);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

}  // namespace

BENCHMARK(BM_RenderScreenView);
BENCHMARK(BM_RenderPickerView);
BENCHMARK(BM_FillScreenImage);
BENCHMARK(BM_FillPickerImage);
BENCHMARK(BM_NaivePainterScreenView);
