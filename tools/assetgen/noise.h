// Seeded hash noise for the generated textures: pure functions of their
// arguments, so the asset generator writes the same bytes on every run.
#pragma once

#include <cstdint>

// A value in [0, 1) for the lattice point (x, y) under the given seed.
double hashUnit(int x, int y, std::uint32_t seed);

// Smooth value noise in [0, 1) that repeats every `period` lattice cells,
// so textures built from it tile without seams under GL_REPEAT.
double valueNoise(double x, double y, int period, std::uint32_t seed);

// Sum of `octaves` value-noise layers, each twice as fine and half as strong.
double fractalNoise(double x, double y, int period, int octaves, std::uint32_t seed);
