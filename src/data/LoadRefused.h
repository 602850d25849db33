// In a page a refused file must not end the page: there the load failure is thrown as this,
// after its message has gone to the console, and the page shows it and goes on.
#pragma once

#include <string>

struct LoadRefused {
    std::string message;
};
