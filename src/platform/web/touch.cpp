// The page's fingers: touches on the canvas reach the touch controls (app/touch.h), the stick is
// drawn where the thumb is, and the browser neither scrolls, zooms nor clicks under them.
#include "app/touch.h"
#include "platform/web/Page.h"

#include <emscripten/em_js.h>
#include <emscripten/html5.h>

namespace {

EM_JS(void, showStick, (int held, float baseX, float baseY, float knobX, float knobY), {
    var ring = document.getElementById('stick');
    if (!ring)
        return;
    ring.hidden = !held;
    ring.style.transform = 'translate(' + baseX + 'px, ' + baseY + 'px)';
    ring.firstElementChild.style.transform = 'translate(' + (knobX - baseX) + 'px, ' + (knobY - baseY) + 'px)';
});

// Emscripten's GLUT turns every touch into a mouse click, which asks for the pointer: the page's
// fingers are its own.
EM_JS(void, keepFingersOwn, (), {
    ['touchstart', 'touchmove', 'touchend'].forEach(function(type) {
        window.removeEventListener(type, GLUT.touchHandler, true);
    });
});

EM_BOOL onTouch(int type, const EmscriptenTouchEvent* event, void*)
{
    double width = 0.0, height = 0.0;
    emscripten_get_element_css_size("#canvas", &width, &height);
    for (int i = 0; i < event->numTouches; ++i) {
        const EmscriptenTouchPoint& touch = event->touches[i];
        if (!touch.isChanged)
            continue;
        const float x = static_cast<float>(touch.targetX), y = static_cast<float>(touch.targetY);
        if (type == EMSCRIPTEN_EVENT_TOUCHSTART)
            fingerDown(touch.identifier, x, y, static_cast<float>(width));
        else if (type == EMSCRIPTEN_EVENT_TOUCHMOVE)
            fingerMoved(touch.identifier, x, y);
        else
            fingerUp(touch.identifier);
    }
    showStick(touchStick.held, touchStick.baseX, touchStick.baseY, touchStick.knobX, touchStick.knobY);
    return EM_TRUE;
}

}  // namespace

void watchFingers()
{
    keepFingersOwn();
    emscripten_set_touchstart_callback("#canvas", nullptr, EM_FALSE, onTouch);
    emscripten_set_touchmove_callback("#canvas", nullptr, EM_FALSE, onTouch);
    emscripten_set_touchend_callback("#canvas", nullptr, EM_FALSE, onTouch);
    emscripten_set_touchcancel_callback("#canvas", nullptr, EM_FALSE, onTouch);
}
