// Start-up measured in fresh processes: from exec to the event loop, and the peak resident memory.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "app/startup.h"
#include "bench_setup.h"
#include "platform/command_line.h"
#include "platform/window.h"

void startUpChild() {
    static char name[] = "tegrel";
    static char* arguments[] = {name, nullptr};
    recordCommandLine(1, arguments);
    initPlatform(1, arguments);
    startUp();
    // This is where the program enters its event loop.
    const char ready = 'r';
    if (write(STDOUT_FILENO, &ready, 1) != 1) std::_Exit(2);
    exitProgram();
}

void reportStartUp(const char* self) {
    const int runs = 7;
    std::vector<double> milliseconds;
    long peakKilobytes = 0;
    for (int run = 0; run < runs; ++run) {
        int channel[2];
        if (pipe(channel) != 0) return;
        const auto started = std::chrono::steady_clock::now();
        const pid_t child = fork();
        if (child == 0) {
            dup2(channel[1], STDOUT_FILENO);
            close(channel[0]);
            execl(self, self, "--startup-child", static_cast<char*>(nullptr));
            std::_Exit(127);
        }
        close(channel[1]);
        char ready = 0;
        const bool reached = read(channel[0], &ready, 1) == 1;
        const auto reachedAt = std::chrono::steady_clock::now();
        close(channel[0]);
        int status = 0;
        rusage usage = {};
        wait4(child, &status, 0, &usage);
        if (!reached) {
            std::printf("start-up: the child did not reach the event loop\n");
            return;
        }
        milliseconds.push_back(std::chrono::duration<double, std::milli>(reachedAt - started).count());
        peakKilobytes = std::max(peakKilobytes, usage.ru_maxrss);
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    std::printf("start-up to the event loop, offscreen: median %.1f ms over %d runs (goal: at most 150 ms)\n",
                milliseconds[runs / 2], runs);
    std::printf("peak resident memory: %.1f MB (goal: below 60 MB)\n", double(peakKilobytes) / 1024.0);
}
