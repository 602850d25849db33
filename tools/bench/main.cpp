// halvane_bench: measures halvane beside its baselines and prints one table.
//   halvane_bench [--short] [--out FILE] [--pictures FOLDER] [--only startup|frames|loaders|hitches|walking|building]
//                 [--screen WIDTHxHEIGHT]  (one screen in place of 1024x768 and 1920x1080: a phone's canvas)
// Loaders and walking run in this process; start-up, frames and hitches run in one worker process per
// screen size, each on a private Xvfb (Mesa's llvmpipe renders), and hand back their rows.
#include "Bench.h"
#include "Xvfb.h"

#include "platform/Gl.h"

#include <benchmark/benchmark.h>
#include <GL/freeglut.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Screen {
    int width, height;
    std::string name() const { return std::to_string(width) + "x" + std::to_string(height); }
};

const std::vector<Screen> SCREENS = {{1024, 768}, {1920, 1080}};

bool readScreen(const char* text, Screen& screen)
{
    return std::sscanf(text, "%dx%d", &screen.width, &screen.height) == 2 && screen.width > 0 && screen.height > 0;
}

struct Arguments {
    BenchOptions options;
    std::vector<Screen> screens = SCREENS;
    std::string out = "benchmark-results.md";
    std::string workerRows;  // set in a worker: where its rows go
    std::string workerScreen;
};

Arguments parse(int argc, char** argv)
{
    Arguments a;
    Screen screen{0, 0};
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--short")
            a.options.shortMode = true;
        else if (arg == "--out" && hasValue)
            a.out = argv[++i];
        else if (arg == "--only" && hasValue)
            a.options.only = argv[++i];
        else if (arg == "--pictures" && hasValue)
            a.options.picturesFolder = argv[++i];
        else if (arg == "--screen" && hasValue && readScreen(argv[++i], screen))
            a.screens = {screen};
        else if (arg == "--worker" && i + 2 < argc) {
            a.workerScreen = argv[++i];
            a.workerRows = argv[++i];
        } else {
            std::fprintf(stderr, "usage: %s [--short] [--out FILE] [--pictures FOLDER] [--only SECTION] [--screen WxH]\n",
                         argv[0]);
            std::exit(2);
        }
    }
    return a;
}

// In a worker: the console text of the program goes nowhere, the rows go to the file.
int runWorker(const Arguments& a)
{
    // The program's set-up reads "../bin/..." from wherever the benchmark was started.
    if (chdir(dataSiblingFolder().c_str()) != 0) {
        std::fprintf(stderr, "cannot enter %s\n", dataSiblingFolder().c_str());
        return 1;
    }
    std::vector<Row> rows;
    if (a.options.runs("startup"))
        rows = measureStartup(a.options, a.workerScreen);
    openProgramWindow();
    if (a.options.runs("frames"))
        for (const Row& row : measureFrames(a.options, a.workerScreen))
            rows.push_back(row);
    if (a.options.runs("hitches"))
        for (const Row& row : measureHitches(a.options, a.workerScreen))
            rows.push_back(row);
    if (a.options.runs("building"))
        for (const Row& row : measureBuilding(a.options, a.workerScreen))
            rows.push_back(row);
    std::ofstream out(a.workerRows);
    out << "#renderer\t" << reinterpret_cast<const char*>(glGetString(GL_RENDERER)) << ", OpenGL "
        << reinterpret_cast<const char*>(glGetString(GL_VERSION)) << '\n';
    for (const Row& row : rows)
        out << toLine(row) << '\n';
    return out ? 0 : 1;
}

// Returns false when the worker failed; the X server is ended either way, with this scope.
bool runWorkerOn(const Screen& screen, const Arguments& a, const char* self, std::string& renderer,
                 std::vector<Row>& rows)
{
    Xvfb server(screen.width, screen.height);
    if (server.display().empty()) {
        std::fprintf(stderr, "cannot start Xvfb\n");
        return false;
    }
    const std::string rowsPath = "/tmp/halvane-bench-rows-" + std::to_string(getpid()) + "-" + screen.name();
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("DISPLAY", server.display().c_str(), 1);
        std::vector<std::string> args = {self, "--worker", screen.name(), rowsPath};
        if (a.options.shortMode)
            args.push_back("--short");
        if (!a.options.only.empty())
            args.insert(args.end(), {"--only", a.options.only});
        if (!a.options.picturesFolder.empty())
            args.insert(args.end(), {"--pictures", a.options.picturesFolder});
        std::vector<char*> argv;
        for (std::string& s : args)
            argv.push_back(s.data());
        argv.push_back(nullptr);
        execv(self, argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    std::ifstream in(rowsPath);
    for (std::string line; std::getline(in, line);) {
        Row row;
        if (line.rfind("#renderer\t", 0) == 0)
            renderer = line.substr(10);
        else if (fromLine(line, row))
            rows.push_back(row);
    }
    std::remove(rowsPath.c_str());
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "the worker for %s failed (status %d, signal %d)\n", screen.name().c_str(),
                     WIFEXITED(status) ? WEXITSTATUS(status) : -1, WIFSIGNALED(status) ? WTERMSIG(status) : 0);
        return false;
    }
    return true;
}

int sectionRank(const std::string& section)
{
    const char* order[] = {"Start-up", "Frames", "Loaders", "Hitches", "Walking", "Building"};
    for (int i = 0; i < 5; ++i)
        if (section == order[i])
            return i;
    return 5;
}

std::string report(const std::vector<Row>& rows, const std::string& renderer, bool shortMode)
{
    char date[32];
    const std::time_t now = std::time(nullptr);
    std::strftime(date, sizeof date, "%Y-%m-%d %H:%M UTC", std::gmtime(&now));
    std::string text = std::string("halvane benchmark, ") + date + (shortMode ? ", SHORT MODE (not measurements)" : "") +
                       "\nRenderer: " + renderer +
                       "\nFigures are medians of repeated runs; ratio = halvane / baseline (lower is better).\n\n";
    return text + formatTable(rows);
}

}  // namespace

int main(int argc, char** argv)
{
    const Arguments a = parse(argc, argv);
    // Everything the program prints goes to /dev/null; the table is written to the saved stdout.
    std::fflush(stdout);
    const int console = dup(STDOUT_FILENO);
    if (!std::freopen("/dev/null", "w", stdout))
        return 1;
    if (!a.workerRows.empty())
        return runWorker(a);

    int benchArgc = 1;
    char* benchArgv[] = {argv[0], nullptr};
    benchmark::Initialize(&benchArgc, benchArgv);
    std::vector<Row> rows;
    if (a.options.runs("loaders")) {
        std::fprintf(stderr, "loaders\n");
        rows = measureLoaders(a.options);
    }
    if (a.options.runs("walking"))
        for (const Row& row : measureWalking(a.options))
            rows.push_back(row);
    std::string renderer;
    if (a.options.only != "loaders" && a.options.only != "walking")
        for (const Screen& screen : a.screens)
            if (!runWorkerOn(screen, a, argv[0], renderer, rows))
                return 1;
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Row& x, const Row& y) { return sectionRank(x.section) < sectionRank(y.section); });
    const std::string text = report(rows, renderer, a.options.shortMode);
    std::ofstream(a.out) << text;
    std::fflush(stdout);
    dup2(console, STDOUT_FILENO);
    std::fputs(text.c_str(), stdout);
    std::printf("\nwritten to %s\n", a.out.c_str());
    return 0;
}
