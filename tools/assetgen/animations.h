// The pilgrim's animation sequences, in the order the program splits the frames.
#pragma once

#include "pose_kit.h"

#include <functional>
#include <string>
#include <vector>

struct Sequence {
    std::string name;  // frame names are this plus a two-digit number
    int frames;
    bool endsLying;    // a death: its last frame is the final pose, not a way back
    std::function<Pose(float)> pose;  // t in 0..1
};

std::vector<Sequence> pilgrimSequences();

// The sequences' poses, grouped by kind in their own files.
Pose standIdle(float t);
Pose crouchIdle(float t);
Pose runCycle(float t);
Pose crouchWalk(float t);
Pose jumpMove(float t);
Pose flipMove(float t);
Pose staffStrike(float t);
Pose crouchStrike(float t);
Pose hatSalute(float t);
Pose staffTaunt(float t);
Pose handWave(float t);
Pose handPoint(float t);
Pose painFront(float t);
Pose painSide(float t);
Pose painBelly(float t);
Pose crouchPain(float t);
Pose crouchDeath(float t);
Pose deathBackward(float t);
Pose deathForward(float t);
Pose deathSpin(float t);
