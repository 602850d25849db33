// The start-up baseline: the least a freeglut program does to show one frame in the same
// full-screen window as halvane: open it, clear it, swap.
#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xlib.h>

namespace {

// The first frame swapped is one that fills the screen, as halvane's first frame does.
void display()
{
    if (glutGet(GLUT_WINDOW_WIDTH) != glutGet(GLUT_SCREEN_WIDTH)) {
        glutPostRedisplay();
        return;
    }
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glutSwapBuffers();
}

// Where no window manager acts on glutFullScreen, the window is moved and sized as halvane does it.
void coverScreen()
{
    Display* d = XOpenDisplay(nullptr);
    if (!d)
        return;
    Screen* screen = DefaultScreenOfDisplay(d);
    XMoveResizeWindow(d, glXGetCurrentDrawable(), 0, 0, static_cast<unsigned>(WidthOfScreen(screen)),
                      static_cast<unsigned>(HeightOfScreen(screen)));
    XFlush(d);
}

}  // namespace

int main(int argc, char** argv)
{
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowPosition(100, 100);
    glutInitWindowSize(640, 480);
    glutCreateWindow("halvane");
    glutFullScreen();
    coverScreen();
    glutDisplayFunc(display);
    glutMainLoop();
    return 0;
}
