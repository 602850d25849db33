// Hitches: the texture rebuilds of F4 and F5 and the room key's seven rooms, each timed from
// the key's callback to the renderer being idle again, and counted in 60 Hz frames.
#include "Bench.h"

#include "app/callbacks.h"
#include "app/globals.h"
#include "app/switches.h"

#include <GL/freeglut.h>
#include <cstdio>

namespace {

constexpr double FRAME_MS = 1000.0 / 60.0;

template <typename Action>
double timeMs(Action action)
{
    glFinish();
    const long long start = monotonicNanoseconds();
    action();
    glFinish();
    return secondsSince(start) * 1000;
}

// The room key builds its rooms once per run; the benchmark forgets them to build them again.
void forgetRooms()
{
    for (int r = 0; r < level.roomCount; ++r)
        level.rooms[r].reset();
    level.roomCount = 0;
    roomsBuilt = false;
}

Row hitchRow(const std::string& measure, const std::string& screen, const std::vector<double>& times)
{
    return Row{"Hitches", measure, screen, median(times), FRAME_MS, "ms",
               std::to_string(times.size()) + " runs", "one 60 Hz frame", 1, true};
}

}  // namespace

std::vector<Row> measureHitches(const BenchOptions& options, const std::string& screen)
{
    std::fprintf(stderr, "hitches %s\n", screen.c_str());
    const int runs = options.shortMode ? 1 : 7;
    std::vector<double> toBilinear, toTrilinear, mipmapsOff, mipmapsOn, rooms;
    for (int i = 0; i < runs; ++i) {
        toBilinear.push_back(timeMs([] { specialKeyUp(GLUT_KEY_F4, 0, 0); }));
        toTrilinear.push_back(timeMs([] { specialKeyUp(GLUT_KEY_F4, 0, 0); }));
        mipmapsOff.push_back(timeMs([] { specialKeyUp(GLUT_KEY_F5, 0, 0); }));
        mipmapsOn.push_back(timeMs([] { specialKeyUp(GLUT_KEY_F5, 0, 0); }));
        forgetRooms();
        rooms.push_back(timeMs([] { keyUp('4', 0, 0); }));
    }
    overlay.messageFrames = 0;
    return {
        hitchRow("F4: rebuild every texture, to bilinear", screen, toBilinear),
        hitchRow("F4: rebuild every texture, back to trilinear", screen, toTrilinear),
        hitchRow("F5: rebuild every texture, mipmapping off", screen, mipmapsOff),
        hitchRow("F5: rebuild every texture, mipmapping on", screen, mipmapsOn),
        hitchRow("key 4: seven rooms with their console log", screen, rooms),
    };
}
