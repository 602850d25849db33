// F12: what is on the screen, saved as a new PNG file in the user's pictures folder.
#pragma once

// Set by F12; the next display saves its frame before showing it, and clears it.
extern bool screenshotWanted;

// Saves the frame just drawn (not yet swapped); one console line names the file or says why
// it could not be written, and the overlay says so. Nothing here ends the program.
void saveScreenshot();
