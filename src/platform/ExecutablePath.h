// Where the running program's executable file is, as the system knows it: the program finds
// its data beside it when the working folder does not hold them.
#pragma once

#include <string>

// The full path of the executable, or empty when the system cannot tell.
std::string executablePath();
