// A gamepad's sticks and buttons as the visitor's actions, wherever it is read (platform/Gamepad.h):
// the left stick and the pad walk and step aside as the movement keys do, the right stick looks
// around, and four buttons do what keys do, each when it is pressed.
#pragma once

#include "platform/Gamepad.h"

#include <string>

// The part of a stick's travel that does nothing, so that a worn stick at rest never walks or turns.
constexpr float PAD_DEAD_ZONE = 0.2f;
// Radians a second the right stick, pushed all the way, turns the view sideways and up or down.
constexpr float PAD_TURN_SPEED = 2.5f;
constexpr float PAD_PITCH_SPEED = 1.5f;

// Whether the last frame saw a gamepad.
extern bool gamepadConnected;

// One frame: the pad as it is now, the frame timer's speed factor (1 at 60 frames a second).
void followGamepad(const GamepadState& pad, float speedFactor);
// The lines of F1's help that name the sticks and the buttons.
std::string gamepadHelp();
