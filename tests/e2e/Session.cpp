#include "Session.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace std::chrono;

namespace {

const char* DATA_FILES[] = {"kachel2.tga", "ceiling.tga", "walls.txt", "ceiling.txt", "pelgrin.md2", "pelgrin2.tga"};

// Wine makes and destroys helper windows of its own while the tests walk the window tree: a
// window gone between listing and asking is no error, so it must not end the test process.
XErrorHandler defaultErrorHandler = nullptr;

int ignoreVanishedWindows(Display* d, XErrorEvent* error)
{
    if (error->error_code == BadWindow || error->error_code == BadDrawable)
        return 0;
    return defaultErrorHandler(d, error);
}

class XConnection {
public:
    explicit XConnection(const std::string& display) : d(XOpenDisplay(display.c_str()))
    {
        XErrorHandler previous = XSetErrorHandler(ignoreVanishedWindows);
        if (previous != ignoreVanishedWindows)
            defaultErrorHandler = previous;
    }
    ~XConnection()
    {
        if (d)
            XCloseDisplay(d);
    }
    Display* d;
};

std::string windowName(Display* d, Window w)
{
    char* name = nullptr;
    std::string result;
    if (XFetchName(d, w, &name) && name) {
        result = name;
        XFree(name);
    }
    return result;
}

Window findWindow(Display* d, const std::string& title)
{
    Window root, parent, *children = nullptr;
    unsigned int count = 0;
    Window found = 0;
    if (!XQueryTree(d, DefaultRootWindow(d), &root, &parent, &children, &count))
        return 0;
    for (unsigned int i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(d, children[i], &attributes) && attributes.map_state == IsViewable &&
            windowName(d, children[i]) == title)
            found = children[i];
    }
    if (children)
        XFree(children);
    return found;
}

// The character's draw announces every frame on the console.
std::size_t framesDrawn(const std::string& console)
{
    std::size_t count = 0;
    for (std::size_t at = console.find("going to draw"); at != std::string::npos;
         at = console.find("going to draw", at + 1))
        ++count;
    return count;
}

}  // namespace

Screenshot::Pixel Screenshot::at(int x, int y) const
{
    const std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
    return Pixel{p[0], p[1], p[2]};
}

double Screenshot::differenceFrom(const Screenshot& other) const
{
    return differenceFrom(other, 0, 0, width, height);
}

double Screenshot::differenceFrom(const Screenshot& other, int x0, int y0, int x1, int y1) const
{
    if (other.width != width || other.height != height || rgb.empty() || x1 <= x0 || y1 <= y0)
        return 1.0;
    std::size_t differing = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            Pixel a = at(x, y);
            Pixel b = other.at(x, y);
            differing += std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b) > 24;
        }
    return static_cast<double>(differing) / (static_cast<double>(x1 - x0) * (y1 - y0));
}

double Screenshot::whiteShare() const
{
    if (rgb.empty())
        return 0.0;
    std::size_t white = 0;
    for (std::size_t i = 0; i + 2 < rgb.size(); i += 3)
        white += rgb[i] > 250 && rgb[i + 1] > 250 && rgb[i + 2] > 250;
    return static_cast<double>(white) / static_cast<double>(rgb.size() / 3);
}

int Screenshot::colourVariety() const
{
    std::vector<bool> seen(4096, false);
    int variety = 0;
    for (std::size_t i = 0; i + 2 < rgb.size(); i += 3) {
        std::size_t bin = (std::size_t(rgb[i] >> 4) << 8) | (std::size_t(rgb[i + 1] >> 4) << 4) | (rgb[i + 2] >> 4);
        if (!seen[bin]) {
            seen[bin] = true;
            ++variety;
        }
    }
    return variety;
}

double Screenshot::nonBlackShare() const
{
    if (rgb.empty())
        return 0.0;
    std::size_t lit = 0;
    for (std::size_t i = 0; i + 2 < rgb.size(); i += 3)
        lit += (rgb[i] + rgb[i + 1] + rgb[i + 2]) > 12;
    return static_cast<double>(lit) / static_cast<double>(rgb.size() / 3);
}

bool Screenshot::savePng(const std::string& path) const
{
    std::string ppm = path + ".ppm";
    std::FILE* f = std::fopen(ppm.c_str(), "wb");
    if (!f)
        return false;
    std::fprintf(f, "P6\n%d %d\n255\n", width, height);
    std::fwrite(rgb.data(), 1, rgb.size(), f);
    std::fclose(f);
    std::string command = "convert '" + ppm + "' '" + path + "' 2>/dev/null";
    bool ok = std::system(command.c_str()) == 0;
    std::remove(ppm.c_str());
    return ok;
}

std::string screenshotDir()
{
    std::string dir = fs::temp_directory_path().string() + "/halvane-e2e-shots";
    fs::create_directories(dir);
    return dir;
}

Session::Session(int screenWidth, int screenHeight)
    : screenWidth_(screenWidth), screenHeight_(screenHeight), server_(screenWidth, screenHeight)
{
    char pattern[] = "/tmp/halvane-e2e-XXXXXX";
    scratch_ = mkdtemp(pattern);
    fs::create_directories(scratch_ + "/build");
    fs::create_directories(scratch_ + "/bin");
}

Session::~Session()
{
    if (pid_ > 0 && running()) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    std::error_code ignored;
    fs::remove_all(scratch_, ignored);
}

void Session::copyCommittedData(const std::string& folder) const
{
    fs::create_directories(path(folder));
    for (const char* name : DATA_FILES)
        fs::copy_file(std::string(HALVANE_SOURCE_DIR) + "/bin/" + name, path(folder + "/" + name),
                      fs::copy_options::overwrite_existing);
}

void Session::writeBinFile(const std::string& name, const std::vector<std::uint8_t>& bytes) const
{
    std::ofstream out(binPath(name), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void Session::removeBinFile(const std::string& name) const
{
    fs::remove(binPath(name));
}

void Session::start(const std::string& program, const std::vector<std::string>& arguments)
{
    std::vector<std::string> all = {"halvane"};
    all.insert(all.end(), arguments.begin(), arguments.end());
    launch(program, all);
}

void Session::startCommand(const std::vector<std::string>& command)
{
    launch(command.at(0), command);
}

void Session::launch(const std::string& file, const std::vector<std::string>& arguments)
{
    std::string consolePath = scratch_ + "/console.txt";
    reaped_ = false;
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_ = fork();
    if (pid_ == 0) {
        if (chdir(workingFolder_.empty() ? (scratch_ + "/build").c_str() : workingFolder_.c_str()) != 0)
            _exit(126);
        int out = open(consolePath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, STDOUT_FILENO);
        dup2(out, STDERR_FILENO);
        setenv("DISPLAY", server_.display().c_str(), 1);
        execvp(file.c_str(), argv.data());
        _exit(127);
    }
}

bool Session::running()
{
    if (pid_ <= 0)
        return false;
    int status;
    pid_t r = waitpid(pid_, &status, WNOHANG);
    if (r == 0)
        return true;
    if (r == pid_) {
        // Keep the result for waitForExit.
        exitStatus_ = status;
        reaped_ = true;
    }
    return false;
}

ExitResult Session::waitForExit(milliseconds timeout)
{
    auto deadline = steady_clock::now() + timeout;
    while (running() && steady_clock::now() < deadline)
        std::this_thread::sleep_for(milliseconds(20));
    ExitResult result;
    if (!reaped_)
        return result;
    result.exited = true;
    result.signaled = WIFSIGNALED(exitStatus_);
    result.status = result.signaled ? WTERMSIG(exitStatus_) : WEXITSTATUS(exitStatus_);
    return result;
}

std::string Session::console() const
{
    std::ifstream in(scratch_ + "/console.txt", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool Session::waitForConsole(const std::string& text, milliseconds timeout) const
{
    auto deadline = steady_clock::now() + timeout;
    while (console().find(text) == std::string::npos) {
        if (steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(milliseconds(20));
    }
    return true;
}

bool Session::waitForWindow(milliseconds timeout)
{
    XConnection x(server_.display());
    if (!x.d)
        return false;
    auto deadline = steady_clock::now() + timeout;
    while (!findWindow(x.d, "halvane")) {
        if (steady_clock::now() >= deadline || !running())
            return false;
        std::this_thread::sleep_for(milliseconds(20));
    }
    // A slow program (the sanitizer build) may still draw its first frames into the start-up
    // size: wait until it covers the screen and has drawn a few frames at that size.
    int left = 0, top = 0, width = 0, height = 0;
    while (!windowGeometry(left, top, width, height) || width != screenWidth_ || height != screenHeight_) {
        if (steady_clock::now() >= deadline || !running())
            return false;
        std::this_thread::sleep_for(milliseconds(20));
    }
    const std::size_t framesBefore = framesDrawn(console());
    while (framesDrawn(console()) < framesBefore + 3) {
        if (steady_clock::now() >= deadline || !running())
            return false;
        std::this_thread::sleep_for(milliseconds(20));
    }
    settle();
    return true;
}

bool Session::windowGeometry(int& x, int& y, int& width, int& height)
{
    XConnection connection(server_.display());
    Window window = connection.d ? findWindow(connection.d, "halvane") : 0;
    if (!window)
        return false;
    XWindowAttributes attributes;
    Window child;
    if (!XGetWindowAttributes(connection.d, window, &attributes) ||
        !XTranslateCoordinates(connection.d, window, DefaultRootWindow(connection.d), 0, 0, &x, &y, &child))
        return false;
    width = attributes.width;
    height = attributes.height;
    return true;
}

void Session::xdotool(const std::string& arguments) const
{
    std::string command = "DISPLAY=" + server_.display() + " xdotool " + arguments + " >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0)
        std::fprintf(stderr, "xdotool %s failed\n", arguments.c_str());
}

void Session::pointerPosition(int& x, int& y) const
{
    XConnection connection(server_.display());
    Window root, child;
    int windowX, windowY;
    unsigned int mask;
    XQueryPointer(connection.d, DefaultRootWindow(connection.d), &root, &child, &x, &y, &windowX, &windowY, &mask);
}

Screenshot Session::screenshot() const
{
    Screenshot shot;
    XConnection connection(server_.display());
    if (!connection.d)
        return shot;
    Window root = DefaultRootWindow(connection.d);
    XWindowAttributes attributes;
    XGetWindowAttributes(connection.d, root, &attributes);
    XImage* image = XGetImage(connection.d, root, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (!image)
        return shot;
    shot.width = attributes.width;
    shot.height = attributes.height;
    shot.rgb.reserve(static_cast<std::size_t>(shot.width) * shot.height * 3);
    for (int y = 0; y < shot.height; ++y)
        for (int x = 0; x < shot.width; ++x) {
            unsigned long pixel = XGetPixel(image, x, y);
            shot.rgb.push_back(static_cast<std::uint8_t>((pixel & image->red_mask) >> 16));
            shot.rgb.push_back(static_cast<std::uint8_t>((pixel & image->green_mask) >> 8));
            shot.rgb.push_back(static_cast<std::uint8_t>(pixel & image->blue_mask));
        }
    XDestroyImage(image);
    return shot;
}

Screenshot Session::stableScreenshot() const
{
    Screenshot previous = screenshot();
    auto deadline = steady_clock::now() + seconds(10);
    while (steady_clock::now() < deadline) {
        std::this_thread::sleep_for(milliseconds(250));
        Screenshot current = screenshot();
        if (current.differenceFrom(previous) == 0.0)
            return current;
        previous = current;
    }
    return previous;
}

void Session::settle(milliseconds time)
{
    std::this_thread::sleep_for(time);
}
