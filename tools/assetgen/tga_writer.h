// Writes uncompressed 24-bit TGA files (image type 2, bottom-left origin).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// An RGB image, rows bottom to top, 3 bytes per pixel in R, G, B order.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;

    RgbImage(int w, int h) : width(w), height(h), rgb(std::size_t(w) * h * 3, 0) {}
    std::uint8_t* at(int x, int y) { return &rgb[(std::size_t(y) * width + x) * 3]; }
};

// Returns false (after printing the path) when the file cannot be written.
bool writeTga(const std::string& path, const RgbImage& image);
