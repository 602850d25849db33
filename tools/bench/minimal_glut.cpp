// The start-up baseline: the least a freeglut program does to show one frame in the same
// full-screen window as halvane: open it, clear it, swap. Started with the argument "textured"
// it also draws what makes the renderer compile halvane's kinds of drawing before the swap:
// a mipmapped 512 x 512 texture on a quad from client arrays and on an immediate-mode triangle.
#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <cstring>
#include <vector>

namespace {

bool textured = false;

void drawTextured()
{
    static std::vector<unsigned char> pixels(512 * 512 * 3, 128);
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, 512, 512, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    const float quad[] = {-1, -1, -5, 1, -1, -5, 1, 1, -5, -1, 1, -5};
    const float quadTexCoords[] = {0, 0, 1, 0, 1, 1, 0, 1};
    glMatrixMode(GL_PROJECTION);
    gluPerspective(60.0, 4.0 / 3.0, 1.0, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, quad);
    glTexCoordPointer(2, GL_FLOAT, 0, quadTexCoords);
    glDrawArrays(GL_QUADS, 0, 4);
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glBegin(GL_TRIANGLES);
    const float corners[3][3] = {{-1, -1, -4}, {1, -1, -4}, {0, 1, -4}};
    for (const auto& corner : corners) {
        glTexCoord2f(corner[0], corner[1]);
        glNormal3f(0, 0, 1);
        glVertex3fv(corner);
    }
    glEnd();
}

// The first frame swapped is one that fills the screen, as halvane's first frame does.
void display()
{
    if (glutGet(GLUT_WINDOW_WIDTH) != glutGet(GLUT_SCREEN_WIDTH)) {
        glutPostRedisplay();
        return;
    }
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (textured)
        drawTextured();
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
    textured = argc > 1 && std::strcmp(argv[1], "textured") == 0;
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
