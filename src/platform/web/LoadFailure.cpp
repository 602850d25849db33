// The page's load failure: the same message on the console as the desktop prints, then the
// load is abandoned instead of the process (LoadRefused), so that the page lives on.
#include "data/LoadFailure.h"
#include "data/LoadRefused.h"

#include <cstdio>

void endWithLoadFailure(const std::string& message)
{
    std::fputs(message.c_str(), stdout);
    if (message.empty() || message.back() != '\n')
        std::fputc('\n', stdout);
    std::fflush(stdout);
    std::string line = message;
    while (!line.empty() && line.back() == '\n')
        line.pop_back();
    throw LoadRefused{line};
}
