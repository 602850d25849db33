// OpenGL and GLU headers; on Windows they need windows.h first, which only the platform layer includes.
#pragma once

#ifdef _WIN32
#include "platform/Win32.h"
#endif
#include <GL/gl.h>
#include <GL/glu.h>

