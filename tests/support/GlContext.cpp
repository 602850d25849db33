// Framebuffer objects (OpenGL 3.0, which Mesa has) come from libGL's own prototypes.
#define GL_GLEXT_PROTOTYPES 1
#include "GlContext.h"

#include "Xvfb.h"
#include "app/callbacks.h"
#include "picture/FrameReadBack.h"

#include <GL/freeglut.h>
#include <cstdio>

void useGlContext()
{
    static int window = 0;
    if (window == 0) {
        ensureDisplay();
        int argc = 1;
        char name[] = "halvane-tests";
        char* argv[] = {name, nullptr};
        glutInit(&argc, argv);
        glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
        glutInitWindowSize(GL_TEST_WIDTH, GL_TEST_HEIGHT);
        window = glutCreateWindow("halvane-tests");
    }
    glutSetWindow(window);
    glViewport(0, 0, GL_TEST_WIDTH, GL_TEST_HEIGHT);
    glReadBuffer(GL_BACK);
    glDrawBuffer(GL_BACK);
}

void applySceneState()
{
    setFixedState();
}

Rgb Picture::at(int x, int y) const
{
    const std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
    return Rgb{p[0], p[1], p[2]};
}

int Picture::countNonBlack() const
{
    int count = 0;
    for (std::size_t i = 0; i + 2 < rgb.size(); i += 3)
        count += (rgb[i] | rgb[i + 1] | rgb[i + 2]) != 0;
    return count;
}

void Picture::save(const std::string& path) const
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return;
    std::fprintf(f, "P6\n%d %d\n255\n", width, height);
    for (int y = height - 1; y >= 0; --y)
        std::fwrite(&rgb[static_cast<std::size_t>(y) * width * 3], 1, static_cast<std::size_t>(width) * 3, f);
    std::fclose(f);
}

Picture readPicture()
{
    glFinish();
    Picture picture;
    picture.width = GL_TEST_WIDTH;
    picture.height = GL_TEST_HEIGHT;
    picture.rgb = readFrame(picture.width, picture.height);
    return picture;
}

OffscreenFrame::OffscreenFrame(int width, int height) : width_(width), height_(height)
{
    useGlContext();
    glGenFramebuffers(1, &framebuffer_);
    glGenRenderbuffers(1, &colour_);
    glGenRenderbuffers(1, &depth_);
    glBindRenderbuffer(GL_RENDERBUFFER, colour_);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    glBindRenderbuffer(GL_RENDERBUFFER, depth_);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width, height);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour_);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth_);
    glViewport(0, 0, width, height);
}

OffscreenFrame::~OffscreenFrame()
{
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glDeleteFramebuffers(1, &framebuffer_);
    glDeleteRenderbuffers(1, &colour_);
    glDeleteRenderbuffers(1, &depth_);
    useGlContext();
}

Picture OffscreenFrame::read() const
{
    glFinish();
    Picture picture;
    picture.width = width_;
    picture.height = height_;
    picture.rgb.resize(static_cast<std::size_t>(width_) * height_ * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width_, height_, GL_RGB, GL_UNSIGNED_BYTE, picture.rgb.data());
    return picture;
}
