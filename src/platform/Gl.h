// OpenGL and GLU headers; on Windows they need windows.h first, which only the platform layer includes.
#pragma once

#ifdef _WIN32
#include "platform/Win32.h"
#endif
#include <GL/gl.h>
#include <GL/glu.h>

#ifdef __EMSCRIPTEN__
// The browser's GL emulation keeps texturing per texture unit, where its own glIsEnabled does not
// look: it always answers "off", and a state put back from that answer would leave the scene
// untextured. src/platform/glut.cpp answers it from the unit.
GLboolean halvaneGlIsEnabled(GLenum capability);
#define glIsEnabled halvaneGlIsEnabled
#endif
