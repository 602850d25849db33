#include "app/help.h"

#include "app/gamepad.h"
#include "overlay/TextOverlay.h"
#include "platform/Platform.h"

// The buttons in the picture's corner are labelled as the letters here show them.
const char* const TOUCH_HELP =
    "left thumb  -  walk, step aside\nright finger  -  look around\n?  -  show help on/off\n"
    "[ ]  -  full screen\n...  -  Home, solid walls, rooms,\n        the character, the switches";

std::string helpText(bool fingers, bool gamepad)
{
    std::string text = fingers ? TOUCH_HELP : HELP_TEXT;
    return gamepad ? text + "\n\n" + gamepadHelp() : text;
}

std::string helpTextNow()
{
    return helpText(touchScreenFirst(), gamepadConnected);
}
