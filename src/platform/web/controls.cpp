// The buttons over the picture for hands without a keyboard: help, full screen (where the browser
// has it) and a menu of every other key. Each presses its key through the program's own
// callbacks, so that it does exactly what the key does.
#include "app/callbacks.h"
#include "platform/web/Page.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

// A button's key going down or up: a character (data-key) or one of GLUT's special keys
// (data-special: F1 to F12, Home).
extern "C" EMSCRIPTEN_KEEPALIVE void pressPageKey(int key, int special, int down)
{
    if (special && down)
        specialKeyDown(key, 0, 0);
    else if (special)
        specialKeyUp(key, 0, 0);
    else if (down)
        keyDown(static_cast<unsigned char>(key), 0, 0);
    else
        keyUp(static_cast<unsigned char>(key), 0, 0);
}

namespace {

// A button marked data-hold holds its key while a finger is on it (the character walks, turns);
// every other one presses and lets go. A choice from the menu closes it, so that its effect is
// seen, as does touching the picture.
EM_JS(void, wireControls, (), {
    var press = function(button, down) {
        var special = button.dataset.special;
        _pressPageKey(special ? +special : button.dataset.key.charCodeAt(0), special ? 1 : 0, down ? 1 : 0);
    };
    document.querySelectorAll('#controls [data-key], #controls [data-special]').forEach(function(button) {
        if ('hold' in button.dataset) {
            button.addEventListener('pointerdown', function() { press(button, true); });
            ['pointerup', 'pointercancel', 'pointerleave'].forEach(function(type) {
                button.addEventListener(type, function() { press(button, false); });
            });
        } else {
            button.addEventListener('click', function() { press(button, true); press(button, false); });
        }
    });
    var menu = document.getElementById('menu');
    document.getElementById('more').addEventListener('click', function() { menu.hidden = !menu.hidden; });
    menu.addEventListener('click', function(event) {
        if (event.target.closest('button'))
            menu.hidden = true;
    });
    document.getElementById('canvas').addEventListener('touchstart', function() { menu.hidden = true; });
    if (!document.fullscreenEnabled && !document.webkitFullscreenEnabled)
        document.getElementById('full-screen').hidden = true;
});

}  // namespace

void offerControls()
{
    wireControls();
}
