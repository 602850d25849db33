// Fingers on the picture, as phone games have them: a thumb on the left half is a stick that
// appears where it lands, and its lean from there walks and steps aside (thumbStride); a finger
// on the right half looks around. Both at once, each finger followed by its own number.
// Positions are in the page's layout pixels, from the picture's top left corner.
#pragma once

// A finger's travel in layout pixels that turns the view one radian: twice as far per pixel as
// the mouse (400 pixels a radian), about 18 degrees a centimetre on a phone (some 63 layout
// pixels to a centimetre): a stroke across a phone held upright (390) turns about 110 degrees.
constexpr float TOUCH_PIXELS_PER_RADIAN = 200.0f;
// How far from where it landed the thumb leans the stick all the way (about 9 mm on a phone),
// and the travel near the middle that does nothing, so that a resting thumb stands still.
constexpr float STICK_REACH = 56.0f;
constexpr float STICK_DEAD = 6.0f;

// The stick as the page draws it: where the thumb landed, and where it is, kept within reach.
struct TouchStick {
    bool held;
    float baseX, baseY;
    float knobX, knobY;
};
extern TouchStick touchStick;

// A finger comes down on a picture `width` layout pixels wide, moves, and is lifted (or taken
// away by the browser).
void fingerDown(long finger, float x, float y, float width);
void fingerMoved(long finger, float x, float y);
void fingerUp(long finger);
