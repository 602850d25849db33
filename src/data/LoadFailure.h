// The one way a loader gives up: the message goes to the console and the process
// ends with a non-zero status, so that scripts see that the start failed.
#pragma once

#include <string>

[[noreturn]] void endWithLoadFailure(const std::string& message);
