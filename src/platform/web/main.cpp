// halvane as a web page: the same start as the desktop program, then the page's own inputs
// (captured pointer, canvas size, fingers and buttons, Alt+Enter, dropped files) wired to the
// same callbacks.
#include "app/callbacks.h"
#include "platform/web/drop.h"
#include "app/globals.h"
#include "app/options.h"
#include "app/window.h"
#include "data/LoadFailure.h"
#include "platform/Platform.h"
#include "platform/web/Page.h"

#include <GL/freeglut.h>
#include <emscripten/html5.h>

namespace {

void pointerMoved()
{
    passiveMotion(0, 0);
}

// The browser may leave full screen by itself (Escape): the program follows what it sees. On a
// sharp screen the letters grow with its pixels.
void canvasResized(int width, int height, float pixelRatio)
{
    fullScreen = fullScreenShown();
    overlay.pixelRatio = pixelRatio;
    reshape(width, height);
}

// The frame as the desktop draws it, counted where the page's watchers see it.
void displayAndCount()
{
    display();
    frameShown();
}

// Emscripten's GLUT passes no key that comes with Alt; full screen must be asked for while
// the browser handles the key press.
EM_BOOL onKeyDown(int, const EmscriptenKeyboardEvent* event, void*)
{
    if (event->altKey && event->keyCode == 13) {
        toggleFullScreen();
        return EM_TRUE;
    }
    return EM_FALSE;
}

}  // namespace

int main(int argc, char** argv)
{
    IdCounter localIds(0);
    CharacterObject tobrin(localIds, "Tobrin", 10.0f, true);
    // The link's parameters are the page's command line (web/link.js): a mistake in one is
    // shown on the page, where the desktop would print it.
    const CommandLineResult linked = parseCommandLine(halvaneProgram(), argc, argv);
    if (linked.outcome == CommandLineOutcome::Mistake) {
        showOnPage(linked.text.substr(0, linked.text.find('\n')));
        return 2;
    }
    // A file the start cannot use is named on the console, as on the desktop, and on the page.
    const std::string failure = startProgram(&argc, argv);
    if (!failure.empty()) {
        printLoadFailure(failure);
        showOnPage(failure);
        return 1;
    }
    watchPage(pointerMoved, canvasResized);
    watchFingers();
    offerControls();
    emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_TRUE, onKeyDown);
    acceptDroppedFiles();
    openLinkedFiles();
    glutDisplayFunc(displayAndCount);
    glutMainLoop();
    return 0;
}
