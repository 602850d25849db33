// Start-up: process start to the first frame swapped, and the peak memory until then, for
// halvane and for the minimal freeglut program. A preloaded probe reports the first swap.
#include "Bench.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

struct FirstFrame {
    bool seen = false;
    double seconds = 0;
    double peakMegabytes = 0;
    int width = 0;
    int height = 0;
};

std::vector<std::string> probeEnvironment(int fd)
{
    std::vector<std::string> variables;
    for (char** v = environ; *v; ++v)
        if (std::strncmp(*v, "LD_PRELOAD=", 11) != 0)
            variables.emplace_back(*v);
    variables.push_back(std::string("LD_PRELOAD=") + HALVANE_BENCH_PROBE);
    variables.push_back("HALVANE_BENCH_PROBE_FD=" + std::to_string(fd));
    return variables;
}

pid_t spawnWithProbe(const char* program, const char* argument, int probeFd)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addchdir_np(&actions, dataSiblingFolder().c_str());
    std::vector<std::string> variables = probeEnvironment(probeFd);
    std::vector<char*> envp;
    for (std::string& v : variables)
        envp.push_back(v.data());
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program), const_cast<char*>(argument), nullptr};
    pid_t pid = -1;
    if (posix_spawn(&pid, program, &actions, nullptr, argv, envp.data()) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

std::string readReport(int fd)
{
    std::string report;
    pollfd wait{fd, POLLIN, 0};
    char buffer[256];
    while (poll(&wait, 1, 60000) > 0) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got <= 0)
            break;
        report.append(buffer, static_cast<std::size_t>(got));
    }
    return report;
}

FirstFrame runOnce(const char* program, const char* argument = nullptr)
{
    FirstFrame result;
    int fds[2];
    if (pipe(fds) != 0)
        return result;
    const long long start = monotonicNanoseconds();
    const pid_t pid = spawnWithProbe(program, argument, fds[1]);
    close(fds[1]);
    const std::string report = pid > 0 ? readReport(fds[0]) : std::string();
    close(fds[0]);
    if (pid > 0) {
        kill(pid, SIGKILL);  // only if the probe never ended it
        waitpid(pid, nullptr, 0);
    }
    long long at = 0;
    long kilobytes = 0;
    if (std::sscanf(report.c_str(), "%lld %ld %d %d", &at, &kilobytes, &result.width, &result.height) == 4) {
        result.seen = true;
        result.seconds = static_cast<double>(at - start) * 1e-9;
        result.peakMegabytes = static_cast<double>(kilobytes) / 1024.0;
    }
    return result;
}

}  // namespace

std::vector<Row> measureStartup(const BenchOptions& options, const std::string& screen)
{
    const int runs = options.shortMode ? 1 : 9;
    std::vector<double> programTimes, baselineTimes, programMemory, baselineMemory, drawTimes, drawMemory;
    FirstFrame lastProgram, lastBaseline, lastDraw;
    for (int i = 0; i < runs; ++i) {
        lastProgram = runOnce(HALVANE_BENCH_PROGRAM);
        lastBaseline = runOnce(HALVANE_BENCH_MINIMAL);
        lastDraw = runOnce(HALVANE_BENCH_MINIMAL, "textured");
        if (!lastProgram.seen || !lastBaseline.seen || !lastDraw.seen) {
            std::fprintf(stderr, "start-up: no first frame seen (halvane %d, minimal %d, textured %d)\n",
                         lastProgram.seen, lastBaseline.seen, lastDraw.seen);
            std::exit(1);
        }
        drawTimes.push_back(lastDraw.seconds * 1000);
        drawMemory.push_back(lastDraw.peakMegabytes);
        programTimes.push_back(lastProgram.seconds * 1000);
        baselineTimes.push_back(lastBaseline.seconds * 1000);
        programMemory.push_back(lastProgram.peakMegabytes);
        baselineMemory.push_back(lastBaseline.peakMegabytes);
    }
    const std::string frames = std::to_string(runs) + " runs, first frame " + std::to_string(lastProgram.width) +
                               "x" + std::to_string(lastProgram.height);
    const std::string minimal = "minimal freeglut, first frame " + std::to_string(lastBaseline.width) + "x" +
                                std::to_string(lastBaseline.height);
    return {
        Row{"Start-up", "process start to first frame swapped", screen, median(programTimes),
            median(baselineTimes), "ms", frames, minimal, 1.25, false},
        Row{"Start-up", "peak resident memory (VmHWM) at first frame", screen, median(programMemory),
            median(baselineMemory), "MB", "", "minimal freeglut", 1.25, false},
        // What bounds the two above: the renderer's first textured drawing, without any of halvane's data.
        Row{"Start-up", "first frame, against a minimal program that draws textured", screen,
            median(programTimes), median(drawTimes), "ms", "", "minimal freeglut drawing one textured quad and triangle",
            0, false},
        Row{"Start-up", "peak memory, against a minimal program that draws textured", screen,
            median(programMemory), median(drawMemory), "MB", "", "minimal freeglut drawing one textured quad and triangle",
            0, false},
    };
}
