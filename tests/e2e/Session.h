// End-to-end harness: the real halvane binary on a private X server, started from a
// scratch folder whose bin/ the test fills, driven with xdotool, watched through its
// console output and screenshots.
#pragma once

#include "Xvfb.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

struct Screenshot {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;  // top row first

    struct Pixel {
        int r, g, b;
    };
    Pixel at(int x, int y) const;
    // Share of pixels whose colour differs from the other picture's by more than a little,
    // over the whole picture or over the rectangle [x0, x1) x [y0, y1) (y from the top).
    double differenceFrom(const Screenshot& other) const;
    double differenceFrom(const Screenshot& other, int x0, int y0, int x1, int y1) const;
    // Share of pixels that are white or nearly so: surfaces whose texture failed show white.
    double whiteShare() const;
    // Number of distinct colours, coarsely quantised: a textured picture has many.
    int colourVariety() const;
    double nonBlackShare() const;
    bool savePng(const std::string& path) const;
};

struct ExitResult {
    bool exited = false;  // ended within the time allowed
    bool signaled = false;
    int status = -1;      // exit status, or the signal number when signaled
};

class Session {
public:
    // Starts an X server with a screen of the given size and prepares an empty scratch folder
    // with build/ and bin/.
    explicit Session(int screenWidth = 1024, int screenHeight = 768);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Fills bin/ with the committed data files; a test may then replace or remove some.
    void useCommittedData() const { copyCommittedData("bin"); }
    // Copies the committed data files into a folder of the scratch folder ("app/bin"), made if needed.
    void copyCommittedData(const std::string& folder) const;
    std::string binPath(const std::string& name) const { return path("bin/" + name); }
    // A name inside the scratch folder ("app/build").
    std::string path(const std::string& relative) const { return scratch_ + "/" + relative; }
    void writeBinFile(const std::string& name, const std::vector<std::uint8_t>& bytes) const;
    void removeBinFile(const std::string& name) const;

    // Starts the program (or another, once the last has ended) with the scratch folder's build/
    // as its working folder, or the folder workIn named.
    void start(const std::string& program = HALVANE_BINARY, const std::vector<std::string>& arguments = {});
    // Starts a command there instead, such as Wine with the Windows build of the program.
    void startCommand(const std::vector<std::string>& command);
    void workIn(const std::string& folder) { workingFolder_ = folder; }
    bool running();
    ExitResult waitForExit(std::chrono::milliseconds timeout);
    std::string console() const;
    bool waitForConsole(const std::string& text, std::chrono::milliseconds timeout) const;

    // Waits until the window titled "halvane" is mapped and frames are being drawn.
    bool waitForWindow(std::chrono::milliseconds timeout);
    // The window's position on the screen and its size, from the X server.
    bool windowGeometry(int& x, int& y, int& width, int& height);

    void xdotool(const std::string& arguments) const;
    void key(const std::string& name) const { xdotool("key " + name); }
    void keyDown(const std::string& name) const { xdotool("keydown " + name); }
    void keyUp(const std::string& name) const { xdotool("keyup " + name); }
    void pointerPosition(int& x, int& y) const;

    Screenshot screenshot() const;
    // A screenshot once the picture has stopped changing, so that a slow frame after an
    // input is not mistaken for its result.
    Screenshot stableScreenshot() const;
    // Lets the program draw a few frames after an input.
    static void settle(std::chrono::milliseconds time = std::chrono::milliseconds(400));

    const std::string& display() const { return server_.display(); }

private:
    void launch(const std::string& file, const std::vector<std::string>& arguments);

    int screenWidth_;
    int screenHeight_;
    Xvfb server_;
    std::string scratch_;
    std::string workingFolder_;
    int pid_ = -1;
    bool reaped_ = false;
    int exitStatus_ = 0;
};

// Screenshots of failing or interesting moments go here so that a person can look at them.
std::string screenshotDir();
