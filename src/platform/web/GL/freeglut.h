// The page's GLUT: Emscripten's GLUT holds the classic calls; the few freeglut calls the
// program uses besides are declared here and answered by glut.cpp. Only the page's build
// has this folder on its include path.
#pragma once

#include <GL/glut.h>

#ifndef GLUT_FULL_SCREEN
#define GLUT_FULL_SCREEN 0x01FF
#endif

#ifdef __cplusplus
extern "C" {
#endif
void glutLeaveFullScreen(void);
void glutPositionFunc(void (*callback)(int x, int y));
void glutIgnoreKeyRepeat(int ignore);
// glutGet with freeglut's GLUT_FULL_SCREEN, which Emscripten's glutGet refuses.
int halvaneGlutGet(GLenum what);
#ifdef __cplusplus
}
#endif
#define glutGet halvaneGlutGet
// A page's size is the page's to give: leaving full screen, the canvas goes back to it.
#ifdef __cplusplus
extern "C" {
#endif
void halvaneGlutReshapeWindow(int width, int height);
// Full screen is the canvas's own: Emscripten's GLUT wraps the canvas in a box of its own for it
// and, when leaving follows entering before the browser has told it, takes the page's body away.
void halvaneGlutFullScreen(void);
#ifdef __cplusplus
}
#endif
#define glutReshapeWindow halvaneGlutReshapeWindow
#define glutFullScreen halvaneGlutFullScreen
