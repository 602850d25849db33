#include "app/visitor.h"

#include "app/globals.h"
#include "app/walking.h"
#include "collision/Slide.h"

namespace {

// The rooms the wall set holds; -1 until it is first built.
int wallSetRooms = -1;

}  // namespace

void refreshWallSet()
{
    if (wallSetRooms != level.roomCount)
        rebuildWallSet();
}

void rebuildWallSet()
{
    const float eye = startView.position.y;
    solidWallSet = WallSet(eye - KNEE_BELOW_EYE, eye + HEAD_ABOVE_EYE);
    solidWallSet.addArchitecture(walls);
    solidWallSet.addArchitecture(ceiling);
    for (int r = 0; r < level.roomCount; ++r)
        solidWallSet.addRoom(*level.rooms[r]);
    solidWallSet.removeDuplicates();
    wallSetRooms = level.roomCount;
}

void returnHome()
{
    camera.position = startView.position;
    camera.viewPoint = startView.viewPoint;
    camera.up = startView.up;
    camera.side = startView.side;
    if (inBuilding())
        resetVisitor();
}
