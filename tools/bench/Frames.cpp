// Frames: the time of display with glFinish in four states, beside the same picture drawn
// by the reference scene, with the heap allocations of idle and display counted.
#include "AllocationCounter.h"
#include "Bench.h"
#include "ReferenceScene.h"

#include "app/callbacks.h"
#include "app/globals.h"
#include "app/switches.h"
#include "picture/FrameReadBack.h"

#include <GL/freeglut.h>
#include <cstdio>
#include <cstdlib>

namespace {

void look(Vec3 from, Vec3 to)
{
    camera.position = from;
    camera.viewPoint = to;
    camera.up.set(0.0f, 1.0f, 0.0f);
    camera.updateSide();
}

void lookFromStart()
{
    look(Vec3(7.5f, 4.0f, 0.0f), Vec3(0.0f, 4.0f, 0.0f));
}

// The switches announce themselves; the measured frames show the scene alone.
void hideMessage()
{
    overlay.messageFrames = 0;
}

struct State {
    const char* name;
    void (*enter)();
};

const State STATES[] = {
    {"start view", [] { lookFromStart(); }},
    {"inside a room (7 rooms built)",
     [] {
         keyUp('4', 0, 0);
         look(Vec3(-8.0f, 4.0f, -8.0f), Vec3(-15.0f, 4.0f, -8.0f));
     }},
    {"wireframe on (start view, 7 rooms)",
     [] {
         specialKeyUp(GLUT_KEY_F3, 0, 0);
         hideMessage();
         lookFromStart();
     }},
    {"light normals on (facing the character)",
     [] {
         specialKeyUp(GLUT_KEY_F3, 0, 0);
         keyUp('1', 0, 0);
         hideMessage();
         look(Vec3(8.0f, 6.0f, 0.0f), Vec3(8.0f, 4.0f, 8.0f));
     }},
};

struct Picture {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;
};

Picture readBack()
{
    glFinish();
    Picture p;
    p.width = windowWidth;
    p.height = windowHeight;
    p.rgb = readFrame(p.width, p.height);
    return p;
}

// Share of pixels whose colour differs by more than a few steps in any channel.
double differingShare(const Picture& a, const Picture& b)
{
    std::size_t differing = 0;
    for (std::size_t i = 0; i + 2 < a.rgb.size(); i += 3)
        for (std::size_t c = 0; c < 3; ++c)
            if (std::abs(int(a.rgb[i + c]) - int(b.rgb[i + c])) > 8) {
                ++differing;
                break;
            }
    return a.rgb.empty() ? 0 : double(differing) / double(a.rgb.size() / 3);
}

void save(const Picture& p, const std::string& path)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return;
    std::fprintf(f, "P6\n%d %d\n255\n", p.width, p.height);
    for (int y = p.height - 1; y >= 0; --y)
        std::fwrite(&p.rgb[static_cast<std::size_t>(y) * p.width * 3], 1, static_cast<std::size_t>(p.width) * 3, f);
    std::fclose(f);
}

double comparePictures(const ReferenceScene& reference, const BenchOptions& options, const std::string& tag)
{
    drawFrame();
    const Picture program = readBack();
    reference.draw();
    const Picture baseline = readBack();
    if (!options.picturesFolder.empty()) {
        save(program, options.picturesFolder + "/" + tag + "-halvane.ppm");
        save(baseline, options.picturesFolder + "/" + tag + "-reference.ppm");
    }
    return differingShare(program, baseline);
}

struct FrameRun {
    std::vector<double> means, p99s;
};

void addRun(FrameRun& run, const std::vector<double>& times)
{
    run.means.push_back(mean(times));
    run.p99s.push_back(percentile99(times));
}

void programFrame()
{
    idle();
    display();
    glFinish();
}

void referenceFrame(const ReferenceScene& reference)
{
    reference.draw();
    glutSwapBuffers();
    glFinish();
}

// Display with glFinish; idle runs before each frame, outside the time.
std::vector<double> timeProgramFrames(int count)
{
    std::vector<double> times;
    for (int i = 0; i < count; ++i) {
        idle();
        const long long start = monotonicNanoseconds();
        display();
        glFinish();
        times.push_back(secondsSince(start) * 1000);
    }
    return times;
}

std::vector<double> timeReferenceFrames(const ReferenceScene& reference, int count)
{
    std::vector<double> times;
    for (int i = 0; i < count; ++i) {
        const long long start = monotonicNanoseconds();
        referenceFrame(reference);
        times.push_back(secondsSince(start) * 1000);
    }
    return times;
}

// Untimed frames, with every allocation of this thread attributed (which walks the stack).
// Keeps the compiler from dropping a store whose result nobody reads.
void benchmarkKeep(void* p)
{
    asm volatile("" : : "g"(p) : "memory");
}

struct Attributed {
    unsigned long long byHalvane = 0;
    std::string text;
};

template <typename Frame>
Attributed countAllocations(int frames, Frame frame)
{
    attributeAllocations(true);
    const AllocationCount before = allocationsOnThisThread();
    for (int i = 0; i < frames; ++i)
        frame();
    const AllocationCount after = allocationsOnThisThread();
    attributeAllocations(false);
    char text[128];
    std::snprintf(text, sizeof text, "%llu allocations by halvane, %llu inside Mesa/X in %d frames",
                  after.byHalvane - before.byHalvane, (after.all - before.all) - (after.byHalvane - before.byHalvane),
                  frames);
    return Attributed{after.byHalvane - before.byHalvane, text};
}

std::vector<Row> measureState(const State& state, const BenchOptions& options, const std::string& screen, int index)
{
    state.enter();
    drawFrame();  // settles the animation state the reference copies
    ReferenceScene reference;
    reference.build();
    const double differing = comparePictures(reference, options, screen + "-" + std::to_string(index));
    const int frames = options.shortMode ? 3 : 100;
    const int runs = options.shortMode ? 1 : 5;
    // Untimed warm-up of both, so that neither pays for the renderer's first use of a state.
    timeProgramFrames(options.shortMode ? 1 : 10);
    timeReferenceFrames(reference, options.shortMode ? 1 : 10);
    FrameRun program, baseline;
    for (int r = 0; r < runs; ++r) {
        addRun(program, timeProgramFrames(frames));
        addRun(baseline, timeReferenceFrames(reference, frames));
    }
    const int counted = options.shortMode ? 3 : 30;
    const Attributed programAllocations = countAllocations(counted, programFrame);
    const Attributed referenceAllocations = countAllocations(counted, [&reference] { referenceFrame(reference); });
    char picture[80];
    std::snprintf(picture, sizeof picture, "%.3f %% of pixels differ", differing * 100);
    const std::string runsText = std::to_string(runs) + " runs of " + std::to_string(frames) + " frames";
    return {
        Row{"Frames", std::string("mean, ") + state.name, screen, median(program.means), median(baseline.means),
            "ms", runsText, std::string("one array per texture; ") + picture, 1.15, false},
        Row{"Frames", std::string("99th percentile, ") + state.name, screen, median(program.p99s),
            median(baseline.p99s), "ms", "", "", 1.15, false},
        Row{"Frames", std::string("heap allocations in idle and display, ") + state.name, screen,
            double(programAllocations.byHalvane), 0, "", programAllocations.text,
            "reference: " + referenceAllocations.text, 0, false},
    };
}

// The attribution must see an allocation that this executable makes, or its zeros prove nothing.
void checkAttribution()
{
    const Attributed own = countAllocations(1, [] {
        std::vector<int> scratch(100);
        benchmarkKeep(scratch.data());
    });
    if (own.byHalvane == 0) {
        std::fprintf(stderr, "the allocation counter does not see this program's own allocations\n");
        std::exit(1);
    }
}

}  // namespace

std::vector<Row> measureFrames(const BenchOptions& options, const std::string& screen)
{
    checkAttribution();
    std::vector<Row> rows;
    int index = 0;
    for (const State& state : STATES) {
        std::fprintf(stderr, "frames %s: %s\n", screen.c_str(), state.name);
        for (Row& row : measureState(state, options, screen, index++))
            rows.push_back(row);
    }
    return rows;
}
