// The page's arguments: a page has no command line, and it starts inside the page, as a
// program started with --window does; full screen waits for the visitor's F11 or Alt+Enter,
// since a browser grants it only on a key press or a click.
#include "platform/ProgramArguments.h"

std::vector<std::string> programArguments(int, char**)
{
    return {"halvane", "--window"};
}

void useUtf8Console() {}
