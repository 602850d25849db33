// F1's help as the visitor's hands find it: the function keys, or on a screen one touches rather
// than points at, the fingers' controls; and the gamepad's when one is connected.
#pragma once

#include <string>

extern const char* const TOUCH_HELP;

// The help for the fingers or for the keys (HELP_TEXT, as it always was), with the gamepad's
// lines below it when one is connected.
std::string helpText(bool fingers, bool gamepad);
// The help as this screen and this gamepad want it now.
std::string helpTextNow();
