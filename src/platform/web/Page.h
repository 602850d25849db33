// The page's side of the platform seam: what a browser has in place of a window on a screen.
// Only the page's build has these (platform.cpp).
#pragma once

#include <string>

// Watches the page: a click on the canvas captures the pointer, and each movement while it is
// captured reaches the mouse look through moved(); the canvas takes the page's size in the
// screen's pixels, and its size reaches resized(), as a window's size reaches GLUT's reshape,
// with the screen's pixels to a layout pixel.
void watchPage(void (*moved)(), void (*resized)(int width, int height, float pixelRatio));
// Fingers on the canvas reach the touch controls (app/touch.h), and the stick is drawn where the
// thumb is (touch.cpp).
void watchFingers();
// The buttons over the picture (help, full screen, the menu of every other key) press their
// keys through the program's own callbacks (controls.cpp).
void offerControls();
// A line under the picture, where the page shows what it refused.
void showOnPage(const std::string& line);
// Counts a frame the program has shown in Module.frames, where whoever watches the page (its
// tests) sees that the program still draws.
void frameShown();
