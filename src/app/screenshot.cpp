#include "app/screenshot.h"

#include "app/globals.h"
#include "picture/PngFile.h"
#include "platform/PicturesFolder.h"

#include <cstdio>
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// The finished frame, read from the back buffer just before it is shown (the front buffer of a
// window does not hold the picture on every system), rows turned to top first.
std::vector<std::uint8_t> shownPicture(int width, int height)
{
    const std::size_t row = static_cast<std::size_t>(width) * 3;
    std::vector<std::uint8_t> bottomFirst(row * static_cast<std::size_t>(height));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, bottomFirst.data());
    std::vector<std::uint8_t> topFirst(bottomFirst.size());
    for (int y = 0; y < height; ++y)
        std::copy_n(&bottomFirst[row * static_cast<std::size_t>(height - 1 - y)], row, &topFirst[row * static_cast<std::size_t>(y)]);
    return topFirst;
}

// A failure is said on the console and on the screen; the walk goes on.
void report(const std::string& line, const std::string& shown)
{
    // On a line of its own: the model's drawing log before it ends without a line break.
    std::printf("\n%s\n", line.c_str());
    std::fflush(stdout);
    overlay.setMessage(shown.c_str());
}

}  // namespace

bool screenshotWanted = false;

void saveScreenshot()
{
    if (windowWidth <= 0 || windowHeight <= 0)
        return;
    const std::string folder = picturesFolder();
    const std::string path = folder.empty() ? std::string() : freeScreenshotPath(folder);
    if (path.empty())
        return report("screenshot not saved: no free file name in " + (folder.empty() ? std::string("a pictures folder") : folder), "Screenshot not saved");
    const std::string failure = writePng(path, windowWidth, windowHeight, shownPicture(windowWidth, windowHeight));
    if (!failure.empty())
        return report("screenshot not saved: " + path + ": " + failure, "Screenshot not saved");
    report("screenshot saved: " + path, "Screenshot saved as " + path.substr(folder.size() + 1));
}
