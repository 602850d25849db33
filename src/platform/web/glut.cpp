// The page's answers to what Emscripten's GLUT and GL emulation lack: the freeglut calls the
// program makes. A page never moves on a screen and the browser repeats no key release, so
// those calls have nothing to do.
#include <GL/freeglut.h>

#include <emscripten/em_js.h>
#include <emscripten/html5.h>

#undef glutGet
extern "C" int glutGet(GLenum what);

extern "C" {

void glutLeaveFullScreen(void)
{
    emscripten_exit_fullscreen();
}

void glutPositionFunc(void (*)(int, int)) {}

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
