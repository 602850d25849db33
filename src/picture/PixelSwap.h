// Turning packed 24-bit B, G, R pixels into R, G, B in place: the one pass over every texel
// that reading a TGA file needs, so it uses the processor's byte shuffle where there is one.
#pragma once

#include <cstddef>
#include <cstdint>

// Swaps the first and third byte of every whole 3-byte pixel in the size bytes at pixels.
void swapBlueAndRed(std::uint8_t* pixels, std::size_t size);
