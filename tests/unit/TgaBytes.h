// Hand-made TGA files for the reader and texture-table tests: a header builder and a
// writer into the test's temporary folder.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <unistd.h>

#include <gtest/gtest.h>

using Bytes = std::vector<std::uint8_t>;

struct TgaHeaderBytes {
    unsigned idLength = 0;
    unsigned colourMapType = 0;
    unsigned imageType = 2;
    unsigned colourMapLength = 0;
    unsigned colourMapEntryBits = 0;
    unsigned width = 2;
    unsigned height = 2;
    unsigned bits = 24;
    unsigned descriptor = 0;

    Bytes bytes() const
    {
        Bytes b(18, 0);
        b[0] = std::uint8_t(idLength);
        b[1] = std::uint8_t(colourMapType);
        b[2] = std::uint8_t(imageType);
        b[5] = std::uint8_t(colourMapLength & 0xFF);
        b[6] = std::uint8_t(colourMapLength >> 8);
        b[7] = std::uint8_t(colourMapEntryBits);
        b[12] = std::uint8_t(width & 0xFF);
        b[13] = std::uint8_t(width >> 8);
        b[14] = std::uint8_t(height & 0xFF);
        b[15] = std::uint8_t(height >> 8);
        b[16] = std::uint8_t(bits);
        b[17] = std::uint8_t(descriptor);
        return b;
    }
};

inline Bytes concat(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// An uncompressed file of one colour, given as R, G, B (stored B, G, R as TGA files do).
inline Bytes solidTga(unsigned width, unsigned height, std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    TgaHeaderBytes header;
    header.width = width;
    header.height = height;
    Bytes file = header.bytes();
    for (unsigned i = 0; i < width * height; ++i)
        file.insert(file.end(), {b, g, r});
    return file;
}

// A path in the temporary folder that no other test process uses, since tests run in parallel.
inline std::string tempPath(const std::string& name)
{
    return testing::TempDir() + "halvane_" + std::to_string(getpid()) + "_" + name;
}

// Files still to be removed when the process ends: a death-test child ends through exit(),
// which skips the destructors of the test's locals.
inline std::vector<std::string>& tempFilesLeft()
{
    static std::vector<std::string> paths;
    static const int registered = std::atexit([] {
        for (const std::string& path : tempFilesLeft())
            std::remove(path.c_str());
    });
    (void)registered;
    return paths;
}

// A file written into the temporary folder for one test and removed after it.
struct TempFile {
    std::string path;

    TempFile(const std::string& name, const Bytes& bytes) : path(tempPath(name))
    {
        tempFilesLeft().push_back(path);
        std::FILE* f = std::fopen(path.c_str(), "wb");
        EXPECT_NE(f, nullptr) << path;
        if (f) {
            if (!bytes.empty())  // an empty vector's data() may be null, which fwrite must not get
                std::fwrite(bytes.data(), 1, bytes.size(), f);
            std::fclose(f);
        }
    }
    TempFile(const std::string& name, const std::string& text) : TempFile(name, Bytes(text.begin(), text.end())) {}
    ~TempFile() { std::remove(path.c_str()); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
};
