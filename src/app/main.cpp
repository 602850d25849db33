// halvane: a first-person walk-through. Opens one full-screen window and runs the GLUT loop.
#include "app/callbacks.h"
#include "app/globals.h"

#include <GL/freeglut.h>

int main(int argc, char** argv)
{
    IdCounter localIds(0);
    CharacterObject tobrin(localIds, "Tobrin", 10.0f, true);
    startProgramOrEnd(&argc, argv);
    glutMainLoop();
    return 0;
}
