// OpenGL and GLU headers; on Windows they need windows.h first, which only the platform layer includes.
#pragma once

#ifdef _WIN32
// MinGW's headers may define these already.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif
#include <GL/gl.h>
#include <GL/glu.h>
