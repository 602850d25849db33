// The page's answers to what Emscripten's GLUT and GL emulation lack: the freeglut calls the
// program makes, and attribute push and pop for the overlay. A page never moves on a screen
// and the browser repeats no key release, so those calls have nothing to do.
#include <GL/freeglut.h>

#include <emscripten/em_js.h>
#include <emscripten/html5.h>

#include <vector>

#undef glutGet
extern "C" int glutGet(GLenum what);

extern "C" {

void glutLeaveFullScreen(void)
{
    emscripten_exit_fullscreen();
}

void glutPositionFunc(void (*)(int, int)) {}

// GLUT's bitmap fonts do not exist in a browser: the overlay draws its letters from a texture
// of its own there. These only let a build that still names GLUT's font link; they draw nothing.
void* glutBitmap9By15 = nullptr;
void glutBitmapCharacter(void*, int) {}
void glRasterPos2f(GLfloat, GLfloat) {}

// The emulation always shades smoothly, which is what the program asks for; its own
// glShadeModel would only put a "TODO" line into the console, which the desktop never prints.
void glShadeModel(GLenum) {}

// A page's canvas does not tell the pointer's coming and going; the captured pointer stands for it.
void glutEntryFunc(void (*)(int)) {}

void glutIgnoreKeyRepeat(int) {}

void halvaneGlutReshapeWindow(int, int)
{
    emscripten_exit_fullscreen();
}

// Called from a key's handler, where the browser allows it; a refusal leaves the page as it is.
EM_JS(void, halvaneGlutFullScreen, (), {
    var canvas = Module['canvas'];
    var asked = canvas.requestFullscreen ? canvas.requestFullscreen() : null;
    if (asked)
        asked.catch(function() {});
});

int halvaneGlutGet(GLenum what)
{
    if (what != GLUT_FULL_SCREEN)
        return glutGet(what);
    EmscriptenFullscreenChangeEvent state{};
    return emscripten_get_fullscreen_status(&state) == EMSCRIPTEN_RESULT_SUCCESS && state.isFullscreen;
}

}  // extern "C"

namespace {

// The emulation keeps the colour of glColor in JavaScript and offers no way to read it back.
EM_JS(void, readCurrentColour, (float* rgba), { HEAPF32.set(GLImmediate.clientColor, rgba >> 2); });
// Nor does its glIsEnabled see texturing, which it keeps per texture unit (the program uses the first).
EM_JS(int, texturingEnabled, (), { return GLImmediate.TexEnvJIT.getTexUnitType(0) == 0x0DE1; });

bool enabled(GLenum capability)
{
    return capability == GL_TEXTURE_2D ? texturingEnabled() != 0 : glIsEnabled(capability) != 0;
}

const GLenum SAVED_CAPABILITIES[] = {GL_TEXTURE_2D, GL_DEPTH_TEST, GL_CULL_FACE, GL_BLEND, GL_LIGHTING, GL_ALPHA_TEST};
constexpr int CAPABILITY_COUNT = sizeof SAVED_CAPABILITIES / sizeof SAVED_CAPABILITIES[0];

struct SavedAttributes {
    GLbitfield mask;
    bool enabled[CAPABILITY_COUNT];
    float colour[4];
};
std::vector<SavedAttributes> attributeStack;

}  // namespace

// glIsEnabled for the program (platform/Gl.h names it so in the page's build).
GLboolean halvaneGlIsEnabled(GLenum capability)
{
    return enabled(capability) ? GL_TRUE : GL_FALSE;
}

// Only the enable and current-colour groups, the ones the overlay keeps, are saved.
void glPushAttrib(GLbitfield mask)
{
    SavedAttributes saved{mask, {}, {1.0f, 1.0f, 1.0f, 1.0f}};
    for (int i = 0; i < CAPABILITY_COUNT; ++i)
        saved.enabled[i] = enabled(SAVED_CAPABILITIES[i]);
    if (mask & GL_CURRENT_BIT)
        readCurrentColour(saved.colour);
    attributeStack.push_back(saved);
}

void glPopAttrib(void)
{
    if (attributeStack.empty())
        return;
    const SavedAttributes saved = attributeStack.back();
    attributeStack.pop_back();
    if (saved.mask & GL_ENABLE_BIT)
        for (int i = 0; i < CAPABILITY_COUNT; ++i)
            (saved.enabled[i] ? glEnable : glDisable)(SAVED_CAPABILITIES[i]);
    if (saved.mask & GL_CURRENT_BIT)
        glColor4f(saved.colour[0], saved.colour[1], saved.colour[2], saved.colour[3]);
}
