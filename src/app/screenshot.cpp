#include "app/screenshot.h"

#include "app/globals.h"
#include "picture/FrameReadBack.h"
#include "picture/PngFile.h"
#include "platform/PicturesFolder.h"
#include "platform/Platform.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

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
    const std::string failure = writePng(path, windowWidth, windowHeight, rowsTopFirst(readFrame(windowWidth, windowHeight), windowWidth, windowHeight));
    if (!failure.empty())
        return report("screenshot not saved: " + path + ": " + failure, "Screenshot not saved");
    handOverPicture(path);
    report("screenshot saved: " + path, "Screenshot saved as " + path.substr(folder.size() + 1));
}
