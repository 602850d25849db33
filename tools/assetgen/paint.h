// Colour arithmetic and relief shading for the generated textures. The program
// draws without OpenGL lighting, so the textures carry all of the shading.
#pragma once

#include "tga_writer.h"

struct Colour {
    double r, g, b;
};

Colour scaled(Colour c, double f);
Colour blend(Colour a, Colour b, double t);

// Stores c (components 0..1, clamped) at pixel (x, y).
void putPixel(RgbImage& image, int x, int y, Colour c);

// Brightness factor of a relief whose height rises by (dx, dy) per pixel,
// lit from the upper left of the texture; 1 on a flat surface.
double reliefShade(double dx, double dy);

// Maps 0..1 to 0..1 with zero slope at both ends.
double smoothStep(double t);
