// Times the editor from process start to its first painted frame after start-up: starts
// `vorlan --first-frame MISSION` several times and reports each time and the median.
// Usage: first_frame_timer EDITOR MISSION [RUNS]

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

extern char** environ;

namespace {

long long MonotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

// One run: milliseconds from spawning to the printed frame time, or a negative number.
double RunOnce(const char* editor, const char* mission) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        return -1;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    char firstFrame[] = "--first-frame";
    std::string missionArgument = mission;
    char* argv[] = {const_cast<char*>(editor), firstFrame, missionArgument.data(), nullptr};
    pid_t child = 0;
    const long long start = MonotonicNanoseconds();
    const int spawned = posix_spawn(&child, editor, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        return -1;
    }
    std::string output;
    char buffer[256];
    ssize_t count = 0;
    while ((count = read(pipeFds[0], buffer, sizeof buffer)) > 0) {
        output.append(buffer, static_cast<std::size_t>(count));
    }
    close(pipeFds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    long long painted = 0;
    const auto at = output.find("first-frame-monotonic-ns ");
    if (at == std::string::npos ||
        std::sscanf(output.c_str() + at, "first-frame-monotonic-ns %lld", &painted) != 1) {
        return -1;
    }
    return static_cast<double>(painted - start) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s EDITOR MISSION [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 11;
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double ms = RunOnce(argv[1], argv[2]);
        if (ms < 0) {
            std::fprintf(stderr, "run %d failed\n", i + 1);
            return 1;
        }
        std::printf("run %2d: %.1f ms\n", i + 1, ms);
        times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    std::printf("first frame, median of %d: %.1f ms (min %.1f, max %.1f)\n", runs,
                times[times.size() / 2], times.front(), times.back());
    return 0;
}
