#include "data/LoadFailure.h"

#include <cstdio>
#include <cstdlib>

void printLoadFailure(const std::string& message)
{
    // Some messages carry no line break of their own; end the line so the shell prompt starts clean.
    std::fputs(message.c_str(), stdout);
    if (message.empty() || message.back() != '\n')
        std::fputc('\n', stdout);
    std::fflush(stdout);
}

void endWithLoadFailure(const std::string& message)
{
    printLoadFailure(message);
    std::exit(EXIT_FAILURE);
}
