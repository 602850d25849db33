// A gamepad in the page: the browser's Gamepad API, which already gives the standard layout for
// the pads it knows ("standard" mapping); one it does not know is left alone rather than guessed.
#include "platform/Gamepad.h"

#include <emscripten/html5.h>

#include <cstring>

namespace {

GamepadState fromBrowser(const EmscriptenGamepadEvent& state)
{
    GamepadState pad = {};
    pad.connected = true;
    for (int axis = 0; axis < PAD_AXES && axis < state.numAxes; ++axis)
        pad.axes[axis] = static_cast<float>(state.axis[axis]);
    for (int button = 0; button < PAD_BUTTONS && button < state.numButtons; ++button)
        pad.buttons[button] = state.digitalButton[button] != 0;
    return pad;
}

}  // namespace

GamepadState readGamepad()
{
    if (emscripten_sample_gamepad_data() != EMSCRIPTEN_RESULT_SUCCESS)
        return GamepadState{};
    const int count = emscripten_get_num_gamepads();
    for (int index = 0; index < count; ++index) {
        EmscriptenGamepadEvent state;
        if (emscripten_get_gamepad_status(index, &state) == EMSCRIPTEN_RESULT_SUCCESS && state.connected &&
            std::strcmp(state.mapping, "standard") == 0)
            return fromBrowser(state);
    }
    return GamepadState{};
}
