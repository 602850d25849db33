// The platform seam: a monotonic clock for the frame timer and the mouse pointer for
// start-up and the mouse look, and where a desktop window and a page's canvas differ. One
// implementation per platform lives beside this file (web/platform.cpp in a page); tests hand
// the timer and the camera fakes of their own.
#pragma once

#include <cstdint>
#include <string>

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t counter() = 0;    // current tick count, never going back
    virtual std::int64_t frequency() = 0;  // ticks per second, fixed while the program runs
};

class Pointer {
public:
    virtual ~Pointer() = default;
    virtual void hide() = 0;
    virtual void position(int& x, int& y) = 0;  // in screen pixels, not window pixels
    virtual void warp(int x, int y) = 0;        // to a screen point
};

Clock& systemClock();
Pointer& systemPointer();

// Makes the current full-screen window cover the whole screen from its top-left corner,
// also where no window manager places it.
void coverScreen();

// Where GLUT's window on a desktop (X11 and Windows alike: platform_desktop.cpp) and a page's
// canvas differ.

// What GLUT's window tells beyond the classic callbacks, registered with them: the pointer
// entering and leaving the window, and the window moving; a held key calls the keyboard
// callbacks once, not once per repeat. A page has none of these to tell.
void watchWindow(void (*pointerEntry)(int state), void (*moved)(int x, int y));

// Escape: the desktop program ends with status 0; a page is not ended by a key, so it gives back
// the pointer and the screen instead.
void answerEscape();

// Full screen and back. GLUT carries a change out after the callback that asked for it, a
// browser once it agrees (only while it handles a key or a click); fullScreenShown says what the
// screen shows now.
void enterFullScreen();
void leaveFullScreen();
bool fullScreenShown();
// The window's place and size on the screen, given once it has left full screen; a page's
// canvas keeps the size the page gives it.
void placeWindow(int x, int y, int width, int height);

// A screen one touches rather than points at (a phone, a tablet): the help speaks of fingers. A
// desktop's never is; a laptop's touch screen beside its mouse is not either.
bool touchScreenFirst();

// A picture just saved into the pictures folder reaches the user: on the desktop it is there
// already; a page's files are not the visitor's, so the browser offers it as a download.
void handOverPicture(const std::string& path);
