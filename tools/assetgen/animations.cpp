// The table of sequences: names, frame counts and the pose curve behind each.
#include "animations.h"

std::vector<Sequence> pilgrimSequences()
{
    return {
        {"stand", 40, false, standIdle},     {"run", 6, false, runCycle},
        {"attack", 8, false, staffStrike},   {"pain1", 4, false, painFront},
        {"pain2", 4, false, painSide},       {"pain3", 4, false, painBelly},
        {"jump", 6, false, jumpMove},        {"flip", 12, false, flipMove},
        {"salute", 11, false, hatSalute},    {"taunt", 17, false, staffTaunt},
        {"wave", 11, false, handWave},       {"point", 12, false, handPoint},
        {"crstnd", 19, false, crouchIdle},   {"crwalk", 6, false, crouchWalk},
        {"crattak", 9, false, crouchStrike}, {"crpain", 4, false, crouchPain},
        {"crdeath", 5, true, crouchDeath},   {"death1", 6, true, deathBackward},
        {"death2", 6, true, deathForward},   {"death3", 8, true, deathSpin},
    };
}
