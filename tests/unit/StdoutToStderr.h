// Death tests match the dying process's stderr; the program's load failures go to stdout.
#pragma once

#include <cstdio>
#include <unistd.h>

// Call inside the statement of EXPECT_EXIT, before the call that ends the process.
inline void sendStdoutToStderr()
{
    std::fflush(stdout);
    dup2(STDERR_FILENO, STDOUT_FILENO);
}
