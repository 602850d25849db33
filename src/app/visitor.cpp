#include "app/visitor.h"

#include "app/globals.h"
#include "app/scene.h"

void returnHome()
{
    camera.position = startView.position;
    camera.viewPoint = startView.viewPoint;
    camera.up = startView.up;
    camera.side = startView.side;
    scene->home();
}
