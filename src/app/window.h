// Full screen or a window (Alt+Enter, F11, --window), and where the mouse look holds the
// pointer: only while the pointer is over the program's window.
#pragma once

extern bool fullScreen;
extern bool pointerInWindow;

void showFullScreen();
// About three quarters of the screen, in its middle.
void showInWindow();
void toggleFullScreen();
// Called by idle, after GLUT has carried out the window requests of the last callbacks.
void finishWindowChange();
// The point the pointer is held at follows the window: GLUT's reshape and position callbacks.
void followWindow();
void windowMoved(int x, int y);
// GLUT's entry callback: the view follows the mouse only while the pointer is in the window,
// and the pointer is never pulled back once it has gone elsewhere.
void pointerEntry(int state);
