// tegrel_bench: the drawing, editing and file benchmarks, the ratios they must keep, and start-up.
// Runs on Qt's offscreen platform with the program started once.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

#include "app/startup.h"
#include "bench_setup.h"
#include "model/screen_buffer.h"
#include "platform/canvas.h"
#include "platform/command_line.h"
#include "platform/events.h"
#include "platform/window.h"
#include "support/reference_render.h"
#include "view/picker_view.h"
#include "view/screen_view.h"

void fillBusyPicture(uint32_t seed) {
    std::mt19937 random(seed);
    for (int32_t cell = 0; cell < CellCount; ++cell) {
        screen->codePlane[cell] = uint8_t(random());
        screen->colourPlane[cell] = uint8_t(random());
    }
}

void pointAtScreenCell(int32_t column, int32_t row) {
    postViewEvent(ScreenCanvas, PointerMove, {16 * column + 5, 16 * row + 5, 0, 0, 0});
    takeNextEvent();
}

namespace {

std::vector<uint32_t> canvasImage(CanvasId canvas) {
    std::vector<uint32_t> image;
    for (int32_t y = 0; y < canvasHeight(canvas); ++y)
        for (int32_t x = 0; x < canvasWidth(canvas); ++x) image.push_back(canvasPixel(canvas, x, y));
    return image;
}

// The fast renderers must draw exactly what the step-by-step ones draw.
bool fastDrawingMatchesReference() {
    fillBusyPicture(7);
    pointAtScreenCell(12, 3);
    renderScreenView();
    const std::vector<uint32_t> fastScreen = canvasImage(ScreenCanvas);
    referenceRenderScreenView();
    const bool screenMatches = fastScreen == canvasImage(ScreenCanvas);
    renderPickerView();
    const std::vector<uint32_t> fastPicker = canvasImage(PickerCanvas);
    referenceRenderPickerView();
    const bool pickerMatches = fastPicker == canvasImage(PickerCanvas);
    std::printf("fast drawing equals the reference drawing: screen view %s, picker view %s\n",
                screenMatches ? "yes" : "NO", pickerMatches ? "yes" : "NO");
    return screenMatches && pickerMatches;
}

// Keeps the median time of every benchmark besides printing it.
class MedianCollector : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> medians;

    MedianCollector() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.aggregate_name == "median") medians[run.run_name.function_name] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

bool reportRatio(const MedianCollector& collector, const char* slow, const char* fast, const char* relation,
                 double goal) {
    const auto a = collector.medians.find(slow);
    const auto b = collector.medians.find(fast);
    if (a == collector.medians.end() || b == collector.medians.end() || b->second <= 0) return true;
    const double ratio = a->second / b->second;
    const bool met = std::strcmp(relation, "<=") == 0 ? ratio <= goal : ratio >= goal;
    std::printf("%s / %s = %.2f (goal %s %.0f): %s\n", slow, fast, ratio, relation, goal, met ? "met" : "NOT MET");
    return met;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--startup-child") == 0) startUpChild();
    setenv("QT_QPA_PLATFORM", "offscreen", 0);

    // Medians from repeated runs unless the caller asks otherwise.
    std::vector<char*> arguments(argv, argv + argc);
    static char repetitions[] = "--benchmark_repetitions=5";
    static char aggregatesOnly[] = "--benchmark_report_aggregates_only=true";
    bool repetitionsGiven = false;
    for (int i = 1; i < argc; ++i) repetitionsGiven |= std::strncmp(argv[i], "--benchmark_repetitions", 23) == 0;
    if (!repetitionsGiven) {
        arguments.push_back(repetitions);
        arguments.push_back(aggregatesOnly);
    }
    int count = int(arguments.size());
    benchmark::Initialize(&count, arguments.data());

    static char name[] = "tegrel";
    static char* programArguments[] = {name, nullptr};
    recordCommandLine(1, programArguments);
    initPlatform(1, programArguments);
    startUp();
    const bool matches = fastDrawingMatchesReference();

    MedianCollector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    bool met = reportRatio(collector, "BM_RenderScreenView", "BM_FillScreenImage", "<=", 4);
    met &= reportRatio(collector, "BM_RenderPickerView", "BM_FillPickerImage", "<=", 4);
    met &= reportRatio(collector, "BM_NaivePainterScreenView", "BM_RenderScreenView", ">=", 50);
    reportStartUp("/proc/self/exe");
    std::fflush(stdout);
    return matches && met ? 0 : 1;
}
