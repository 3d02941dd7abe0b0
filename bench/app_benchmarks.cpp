// Whole operations as the user meets them: a pointer move, a fill, a save and a load.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

#include "app/event_loop.h"
#include "bench_setup.h"
#include "file/file_commands.h"
#include "file/raw_text_file.h"
#include "model/editor_state.h"
#include "model/fill_tool.h"
#include "model/screen_buffer.h"
#include "platform/events.h"

namespace {

// Title, tool and redraw of one move, then the toolkit shows the new image.
void BM_PointerMove(benchmark::State& state) {
    fillBusyPicture(2);
    editor.toolMode = ToolPen;
    int32_t step = 0;
    for (auto _ : state) {
        step = (step + 1) % 600;
        postViewEvent(ScreenCanvas, PointerMove, {20 + step, 30 + step / 2, 0, 0, 0});
        takeNextEvent();
        routeEvent();
        QCoreApplication::processEvents();
    }
}

void BM_FloodFillBlank(benchmark::State& state) {
    editor.selectedIndex = 81;
    for (auto _ : state) {
        std::memset(screen->codePlane, BlankCode, CellCount);
        floodFill(0, 0);
        benchmark::DoNotOptimize(screen->codePlane[999]);
    }
}

void BM_SaveLoadRoundTrip(benchmark::State& state) {
    fillBusyPicture(3);
    char folder[] = "/tmp/tegrel-bench-XXXXXX";
    if (mkdtemp(folder) == nullptr) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::string path = std::string(folder) + "/picture.rawtext";
    for (auto _ : state) {
        writeScreenFile(path);
        loadScreenFile(path);
    }
    unlink(path.c_str());
    rmdir(folder);
}

}  // namespace

BENCHMARK(BM_PointerMove);
BENCHMARK(BM_FloodFillBlank);
BENCHMARK(BM_SaveLoadRoundTrip);
