// The page's GLUT header: Emscripten has only the classic GLUT's, and the program names
// freeglut's, whose further calls it makes only on the desktop (platform_desktop.cpp). Only the
// page's build has this folder on its include path.
#pragma once

#include <GL/glut.h>
