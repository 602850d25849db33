// The scene set-up and the GLUT callbacks that make up the program's frames and input.
#pragma once

#include "app/globals.h"
#include "data/RunFiles.h"

#include <string>

// Everything before the main loop: the command line (answered, or a mistake refused, before
// any window opens), the data folder, GLUT, the full-screen window covering the screen, the
// hidden pointer pinned to the mouse-look centre, the scene set-up and the callbacks. Returns
// the one line a file that cannot be used is refused with (nothing after it is done), or an
// empty line when the program is ready for its main loop.
std::string startProgram(int* argc, char** argv);
// The desktop's start: a refused file ends the program with its line, status 1.
void startProgramOrEnd(int* argc, char** argv);
// GLUT and the double-buffered window titled "halvane", full screen from the screen's corner
// (or, with --window, a window of three quarters of the screen in its middle).
void openWindow(int* argc, char** argv);

// The scene shown (app/scene.h) set up with the character, the camera at its start and the
// frame timer. Returns the line the first file that cannot be used is refused with, else empty.
std::string setupScene();
// The files this run reads, decided where halvane-check decides them too.
RunFiles theRunFiles();
// The camera where the scene shown starts, +y up; remembered for Home.
void placeCamera();
// The OpenGL state the whole program draws with: depth test, front faces culled with
// clockwise as front, texturing; set once and never changed.
void setFixedState();
// The field from bottom to top: 60 degrees on a screen 4:3 or wider, where a wider one sees more
// to the sides; on a narrower one (a phone held upright) the sides a 4:3 screen shows, and more
// above and below.
double verticalFieldOfView(int width, int height);
// The perspective of the whole window: that field, near 1 (0.35 with solid walls, both closer on
// a taller field), far as the scene shown reaches.
void setProjection(int width, int height);
// The viewport and the projection follow the window; the model-view matrix is left current.
void reshape(int width, int height);

// The frame: idleStep moves the world by the keys held; idle adds the redisplay request.
// drawFrame draws everything but does not swap; display swaps and times the frame.
void idleStep();
// Where the visitor means to walk this frame, as parts of the keys' pace: the movement keys
// held and the sticks together, each part within -1 to 1 (two keys or a key and a stick give no
// more than one).
Stride wishedStride();
// The free camera's walk by the keys held and the sticks, which no wall stops.
void walkThroughWalls(float step);
void idle();
void drawFrame();
void display();

void keyDown(unsigned char key, int x, int y);
void keyUp(unsigned char key, int x, int y);
void specialKeyDown(int key, int x, int y);
void specialKeyUp(int key, int x, int y);
void passiveMotion(int x, int y);
