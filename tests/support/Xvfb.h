// A private X server for tests: Xvfb on a free display, ended with the object.
#pragma once

#include <string>
#include <sys/types.h>

class Xvfb {
public:
    // Starts Xvfb with one screen of the given size; display() is empty if it failed.
    Xvfb(int width, int height);
    ~Xvfb();
    Xvfb(const Xvfb&) = delete;
    Xvfb& operator=(const Xvfb&) = delete;

    const std::string& display() const { return display_; }

private:
    pid_t pid_ = -1;
    std::string display_;
};

// Makes sure DISPLAY names a running X server for this test process: the one the
// environment gives, or a private Xvfb started once and kept until the process ends.
void ensureDisplay();
