// The program's window and scene inside the benchmark process, opened the way main opens them,
// so that the frames and hitches run the real callbacks on the real state.
#include "Bench.h"

#include "app/callbacks.h"
#include "app/globals.h"

#include <GL/freeglut.h>
#include <unistd.h>

namespace {

void pumpEvents()
{
    glutMainLoopEvent();
    usleep(5000);
}

}  // namespace

void openProgramWindow()
{
    int argc = 1;
    char name[] = "halvane";
    char* argv[] = {name, nullptr};
    startProgramOrEnd(&argc, argv);
    // Let the window reach the size of the screen before anything is measured.
    const int screenWidth = glutGet(GLUT_SCREEN_WIDTH);
    for (int i = 0; i < 200 && windowWidth != screenWidth; ++i)
        pumpEvents();
}
