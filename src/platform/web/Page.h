// The page's side of the platform seam: what a browser has in place of a window on a screen.
// Only the page's build has these (platform.cpp).
#pragma once

#include <string>

// Watches the page: a click on the canvas captures the pointer, and each movement while it is
// captured reaches the mouse look through moved(); the canvas takes the page's size, and its
// size reaches resized(), as a window's size reaches GLUT's reshape.
void watchPage(void (*moved)(), void (*resized)(int width, int height));
// A line under the picture, where the page shows what it refused.
void showOnPage(const std::string& line);
// Counts a frame the program has shown in Module.frames, where whoever watches the page (its
// tests) sees that the program still draws.
void frameShown();
