// A file the program cannot use, as the program reports it: the loaders return the one line that
// names the file and the problem, and the program decides what comes of it (the desktop's start
// ends, the page keeps its scene and shows the line under the picture).
#pragma once

#include <string>

// The line on the console, a line break added where the message has none.
void printLoadFailure(const std::string& message);
// The same, then the process ends with a non-zero status, so that scripts see that the start failed.
[[noreturn]] void endWithLoadFailure(const std::string& message);
