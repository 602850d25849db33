#include "Xvfb.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Reads the display number that Xvfb writes to the -displayfd pipe once it accepts clients.
std::string readDisplayNumber(int fd)
{
    std::string number;
    char c;
    while (read(fd, &c, 1) == 1 && c != '\n')
        number += c;
    return number;
}

}  // namespace

Xvfb::Xvfb(int width, int height)
{
    int fds[2];
    if (pipe(fds) != 0)
        return;
    pid_ = fork();
    if (pid_ == 0) {
        close(fds[0]);
        std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
        std::string fd = std::to_string(fds[1]);
        std::freopen("/dev/null", "w", stderr);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-nolisten", "tcp",
               "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string number = pid_ > 0 ? readDisplayNumber(fds[0]) : std::string();
    close(fds[0]);
    if (!number.empty())
        display_ = ":" + number;
}

Xvfb::~Xvfb()
{
    if (pid_ <= 0)
        return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
}

void ensureDisplay()
{
    const char* current = std::getenv("DISPLAY");
    if (current && *current)
        return;
    static Xvfb server(1024, 768);
    if (server.display().empty()) {
        std::fprintf(stderr, "cannot start Xvfb for the OpenGL tests\n");
        std::exit(1);
    }
    setenv("DISPLAY", server.display().c_str(), 1);
}
