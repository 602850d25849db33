#include "picture/PngFile.h"

#include "platform/OpenFile.h"

#include <cstdio>

// The encoder, compiled once in StbImageWrite.cpp; only its PNG entry to a callback is used.
#include <stb_image_write.h>

namespace {

// The folder separator a person of the system reads in the console line.
#ifdef _WIN32
constexpr char SEPARATOR = '\\';
#else
constexpr char SEPARATOR = '/';
#endif

struct Output {
    std::FILE* file;
    bool complete;
};

void writeBytes(void* context, void* data, int size)
{
    Output& output = *static_cast<Output*>(context);
    if (size > 0 && std::fwrite(data, 1, static_cast<std::size_t>(size), output.file) != static_cast<std::size_t>(size))
        output.complete = false;
}

}  // namespace

std::string writePng(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgb)
{
    if (width <= 0 || height <= 0 || rgb.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3)
        return "there is no picture to save";
    Output output{openFile(path, "wb"), true};
    if (!output.file)
        return "cannot create the file";
    const bool encoded = stbi_write_png_to_func(writeBytes, &output, width, height, 3, rgb.data(), width * 3) != 0;
    // A full disk shows only when the last buffered bytes are written out.
    const bool closed = std::fclose(output.file) == 0;
    if (!encoded || !output.complete || !closed) {
        removeFile(path);
        return "cannot write the whole file";
    }
    return "";
}

std::string freeScreenshotPath(const std::string& folder)
{
    for (int number = 1; number <= 9999; ++number) {
        char name[32];
        std::snprintf(name, sizeof name, "%chalvane-%04d.png", SEPARATOR, number);
        const std::string path = folder + name;
        if (!pathExists(path))
            return path;
    }
    return "";
}
