// The platform layer in a browser: the page's clock, the pointer as Pointer Lock reports it,
// the canvas's size in the screen's pixels and full screen, and what the page shows and hands out.
#include "platform/web/Page.h"
#include "platform/Platform.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include <algorithm>
#include <cmath>

namespace {

class PageClock : public Clock {
public:
    // performance.now(), in microseconds.
    std::int64_t counter() override { return static_cast<std::int64_t>(emscripten_get_now() * 1000.0); }
    std::int64_t frequency() override { return 1000000; }
};

// A page cannot move the pointer: while it is captured, the browser reports how far it moved,
// and the pointer is where it was last put plus that movement, as a desktop pointer would be.
class CapturedPointer : public Pointer {
public:
    int heldX = 0, heldY = 0;
    int movedX = 0, movedY = 0;

    void hide() override {}
    void position(int& x, int& y) override
    {
        x = heldX + movedX;
        y = heldY + movedY;
    }
    void warp(int x, int y) override
    {
        heldX = x;
        heldY = y;
        movedX = movedY = 0;
    }
};

CapturedPointer capturedPointer;
void (*pointerMoved)() = nullptr;
void (*canvasResized)(int, int, float) = nullptr;

// The canvas is drawn at the screen's own pixels, up to three to a layout pixel: a phone's 3 is
// sharp to the eye at a hand's distance, and the frame's time grows with the pixels (a 3.5 or 4
// would draw 1.4 or 1.8 times as many for nothing one sees).
constexpr double MOST_PIXELS_PER_LAYOUT_PIXEL = 3.0;

bool pointerCaptured()
{
    EmscriptenPointerlockChangeEvent state{};
    return emscripten_get_pointerlock_status(&state) == EMSCRIPTEN_RESULT_SUCCESS && state.isActive;
}

EM_BOOL onMouseMove(int, const EmscriptenMouseEvent* event, void*)
{
    if (!pointerCaptured())
        return EM_FALSE;
    capturedPointer.movedX += static_cast<int>(event->movementX);
    capturedPointer.movedY += static_cast<int>(event->movementY);
    if (pointerMoved)
        pointerMoved();
    return EM_TRUE;
}

// The browser allows a capture only while it handles a click.
EM_BOOL onMouseDown(int, const EmscriptenMouseEvent*, void*)
{
    emscripten_request_pointerlock("#canvas", EM_TRUE);
    return EM_FALSE;
}

// The canvas's drawing buffer follows the size the page gives it (turned, resized, zoomed), in
// the screen's pixels.
void fitCanvas()
{
    double width = 0.0, height = 0.0;
    emscripten_get_element_css_size("#canvas", &width, &height);
    const double ratio = std::min(emscripten_get_device_pixel_ratio(), MOST_PIXELS_PER_LAYOUT_PIXEL);
    const int w = static_cast<int>(std::lround(width * ratio)), h = static_cast<int>(std::lround(height * ratio));
    if (w <= 0 || h <= 0)
        return;
    emscripten_set_canvas_element_size("#canvas", w, h);
    if (canvasResized)
        canvasResized(w, h, static_cast<float>(ratio));
}

EM_BOOL onResize(int, const EmscriptenUiEvent*, void*)
{
    fitCanvas();
    return EM_FALSE;
}

EM_BOOL onFullscreenChange(int, const EmscriptenFullscreenChangeEvent*, void*)
{
    fitCanvas();
    return EM_FALSE;
}

EM_JS(void, showLine, (const char* line), {
    var shown = document.getElementById('message');
    if (shown)
        shown.textContent = UTF8ToString(line);
});

// Full screen is the canvas's own: Emscripten's GLUT wraps the canvas in a box of its own for
// it and, when leaving follows entering before the browser has told it, takes the page's body
// away. Asked while the browser handles a key; a refusal leaves the page as it is.
EM_JS(void, askFullScreen, (), {
    var canvas = Module['canvas'];
    var ask = canvas.requestFullscreen || canvas.webkitRequestFullscreen;
    var asked = ask ? ask.call(canvas) : null;
    if (asked)
        asked.catch(function() {});
});

EM_JS(int, coarsePointer, (), { return matchMedia('(pointer: coarse)').matches; });

EM_JS(void, countFrame, (), { Module['frames'] = (Module['frames'] || 0) + 1; });

EM_JS(void, download, (const char* path), {
    var name = UTF8ToString(path);
    var link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([FS.readFile(name)], {type: 'image/png'}));
    link.download = name.substring(name.lastIndexOf('/') + 1);
    document.body.appendChild(link);
    link.click();
    link.remove();
});

}  // namespace

Clock& systemClock()
{
    static PageClock clock;
    return clock;
}

Pointer& systemPointer()
{
    return capturedPointer;
}

// The browser decides where a full-screen page goes.
void coverScreen() {}

// The browser repeats no key release, the captured pointer stands for the pointer's coming and
// going (watchPage), and a page never moves on a screen.
void watchWindow(void (*)(int), void (*)(int, int)) {}

// Escape in a browser: the pointer comes free and full screen ends; the page stays.
void answerEscape()
{
    emscripten_exit_pointerlock();
    emscripten_exit_fullscreen();
}

void enterFullScreen()
{
    askFullScreen();
}

void leaveFullScreen()
{
    emscripten_exit_fullscreen();
}

bool fullScreenShown()
{
    EmscriptenFullscreenChangeEvent state{};
    return emscripten_get_fullscreen_status(&state) == EMSCRIPTEN_RESULT_SUCCESS && state.isFullscreen;
}

// The canvas takes the page's size again (fitCanvas), not a window's.
void placeWindow(int, int, int, int) {}

// A phone's or a tablet's browser says its pointer is coarse: a finger.
bool touchScreenFirst()
{
    return coarsePointer() != 0;
}

// The page's file system is not the visitor's: the browser saves the picture as a download.
void handOverPicture(const std::string& path)
{
    download(path.c_str());
}

void watchPage(void (*moved)(), void (*resized)(int, int, float))
{
    pointerMoved = moved;
    canvasResized = resized;
    emscripten_set_mousemove_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, nullptr, EM_TRUE, onMouseMove);
    emscripten_set_mousedown_callback("#canvas", nullptr, EM_TRUE, onMouseDown);
    emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE, onResize);
    emscripten_set_fullscreenchange_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, nullptr, EM_FALSE, onFullscreenChange);
    fitCanvas();
}

void showOnPage(const std::string& line)
{
    showLine(line.c_str());
}

void frameShown()
{
    countFrame();
}
