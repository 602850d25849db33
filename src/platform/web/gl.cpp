// The page's own glShadeModel, in place of the one of Emscripten's GL emulation (3.1.6), which
// always shades smoothly, as the program asks, but also puts a "TODO" line into the console
// that the desktop never prints.
#include <GL/gl.h>

extern "C" void glShadeModel(GLenum) {}
