// The pilgrim's parts in the rest pose: body, limbs, clothing and staff.
#pragma once

#include "lathe.h"

#include <vector>

std::vector<PartShape> bodyParts();    // torso, head, arms, hands, legs, boots
std::vector<PartShape> attireParts();  // tunic skirt, shoulder cape, hat, staff

// Length of the staff from its foot to the right fist that holds it.
constexpr float kStaffBelowFist = 18.6f;

// Rings at heights above the floor; x and y of the centre given as well.
Ring ringAt(float x, float y, float height, float ru, float rv);
