#include "GeneratedFiles.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void putU16(Bytes& b, unsigned v)
{
    b.push_back(static_cast<std::uint8_t>(v & 0xFF));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}

void putI32(Bytes& b, std::int32_t v)
{
    std::uint32_t u;
    std::memcpy(&u, &v, 4);
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<std::uint8_t>(u >> (8 * i)));
}

void putFloat(Bytes& b, float v)
{
    std::int32_t i;
    std::memcpy(&i, &v, 4);
    putI32(b, i);
}

void writeFile(const std::string& path, const Bytes& bytes)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::exit(1);
    }
    std::fclose(f);
}

Bytes tgaFile(unsigned side)
{
    Bytes b = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    putU16(b, side);
    putU16(b, side);
    b.push_back(24);
    b.push_back(0);
    for (unsigned y = 0; y < side; ++y)
        for (unsigned x = 0; x < side; ++x)
            b.insert(b.end(), {std::uint8_t(x), std::uint8_t(y), std::uint8_t(x ^ y)});
    return b;
}

// A grid of vertices, two triangles per grid cell, moving a little from frame to frame.
Bytes md2File(int vertices, int frames)
{
    const int columns = 40;
    const int rows = vertices / columns;
    const int triangles = 2 * (columns - 1) * (rows - 1);
    const int frameSize = 40 + 4 * vertices;
    const int offsetTexCoords = 68;
    const int offsetTriangles = offsetTexCoords + 4 * vertices;
    const int offsetFrames = offsetTriangles + 12 * triangles;
    const int offsetEnd = offsetFrames + frames * frameSize;
    Bytes b = {'I', 'D', 'P', '2'};
    for (std::int32_t v : {8, 256, 256, frameSize, 0, vertices, vertices, triangles, 0, frames, 68,
                           offsetTexCoords, offsetTriangles, offsetFrames, offsetEnd, offsetEnd})
        putI32(b, v);
    for (int i = 0; i < vertices; ++i) {
        putU16(b, unsigned(i % columns * 6));
        putU16(b, unsigned(i / columns * 5));
    }
    for (int r = 0; r + 1 < rows; ++r)
        for (int c = 0; c + 1 < columns; ++c) {
            const unsigned a = unsigned(r * columns + c), right = a + 1, up = a + columns, diagonal = up + 1;
            for (unsigned i : {a, right, diagonal, a, right, diagonal, a, diagonal, up, a, diagonal, up})
                putU16(b, i);
        }
    for (int f = 0; f < frames; ++f) {
        for (float v : {0.1f, 0.1f, 0.1f, -12.8f, -12.8f, 0.0f})
            putFloat(b, v);
        b.insert(b.end(), 16, 'f');
        for (int i = 0; i < vertices; ++i)
            b.insert(b.end(), {std::uint8_t(i % columns * 6), std::uint8_t(i / columns * 5),
                               std::uint8_t((i * 7 + f) % 256), 0});
    }
    return b;
}

Bytes architectureFile(int records)
{
    std::string text;
    char line[96];
    for (int i = 0; i < records; ++i) {
        std::snprintf(line, sizeof line, "%.4f %.4f %.4f %.4f %.4f\n", (i % 97) * 0.25, (i % 13) * 0.5,
                      (i % 89) * 0.125, (i % 4) * 0.25, (i % 3) * 0.5);
        text += line;
    }
    return Bytes(text.begin(), text.end());
}

}  // namespace

GeneratedFiles::GeneratedFiles(bool small)
{
    char name[] = "/tmp/halvane-bench-XXXXXX";
    if (!mkdtemp(name)) {
        std::fprintf(stderr, "cannot make a scratch folder\n");
        std::exit(1);
    }
    folder = name;
    tga = folder + "/large.tga";
    md2 = folder + "/large.md2";
    architecture = folder + "/large.txt";
    writeFile(tga, tgaFile(small ? 256 : 4096));
    writeFile(md2, md2File(small ? 400 : 2000, small ? 20 : 198));
    writeFile(architecture, architectureFile(small ? 2000 : 400000));
}

GeneratedFiles::~GeneratedFiles()
{
    for (const std::string& path : {tga, md2, architecture})
        std::remove(path.c_str());
    std::remove(folder.c_str());
}
