// The walking visitor in a user's building: the body put at the start or where the free camera
// is, and one frame's walk with the eye following the feet.
#include "app/building.h"

#include "app/callbacks.h"
#include "app/globals.h"
#include "app/switches.h"
#include "app/visitor.h"
#include "building/DoorMotion.h"

const char* const FELL_OUT_MESSAGE = "Fell out of the building: back at the start";

namespace {

// The walk the keys and sticks ask for this frame: forward along the view as seen from above
// (looking up or down does not slow the visitor), sideways along the camera's side.
Vec3 wishedWalk(float step)
{
    camera.updateSide();
    const Vec3 forward(camera.side.z, 0.0f, -camera.side.x);
    const Stride stride = wishedStride();
    return forward * (step * stride.ahead) + Vec3(camera.side.x, 0.0f, camera.side.z) * (step * stride.aside);
}

void cameraToVisitor()
{
    const Vec3 move = buildingVisitor.eye() - camera.position;
    camera.position = camera.position + move;
    camera.viewPoint = camera.viewPoint + move;
}

}  // namespace

void prepareWalking()
{
    resetVisitor();
    solidWalls = true;
    // The near plane follows solid walls, as the key c has it.
    if (windowWidth > 0 && windowHeight > 0) {
        setProjection(windowWidth, windowHeight);
        glMatrixMode(GL_MODELVIEW);
    }
}

void resetVisitor()
{
    buildingVisitor = placeVisitor(buildingFaces, building.start.eye - Vec3(0.0f, EYE_HEIGHT, 0.0f));
}

void visitorFromCamera()
{
    const Vec3 feet = camera.position - Vec3(0.0f, EYE_HEIGHT, 0.0f);
    if (bodyFits(buildingFaces, feet))
        buildingVisitor = placeVisitor(buildingFaces, feet);
}

void walkInBuilding(float speedFactor)
{
    // The hall's pace: 0.15 units in a sixtieth of a second.
    const Vec3 wish = wishedWalk(speedFactor * 0.15f);
    walkVisitor(buildingVisitor, buildingFaces, wish, speedFactor / 60.0f);
    moveDoors(building.doors, buildingVisitor.feet, wish, speedFactor / 60.0f);
    if (buildingVisitor.feet.y < building.low.y - FALL_OUT_DEPTH) {
        returnHome();
        overlay.setMessage(FELL_OUT_MESSAGE);
    }
    cameraToVisitor();
}
