// halvane's page in a real browser, against the desktop program's own frames and console
// (tools/desktop-frames writes them into HALVANE_DESKTOP_FRAMES before this runs).
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const fs = require('node:fs');
const path = require('node:path');
const { openPage, PHONE } = require('./page');

const DESKTOP = process.env.HALVANE_DESKTOP_FRAMES || path.resolve(__dirname, '../../build-web/desktop-frames');
const OUT = path.resolve(__dirname, '../../build-web/test-output');
const SOAK_SECONDS = Number(process.env.HALVANE_WEB_SOAK_SECONDS || 120);
// The two rasterisers (Mesa's llvmpipe, SwiftShader) sample and round texels a little
// differently and put polygon edges a pixel apart here and there: a pixel counts as different
// when a channel is off by more than 40, and at most 1 % of the pixels may be (wireframe lines
// fall differently more often than filled polygons' edges).
const CHANNEL_TOLERANCE = 40;
const SHARE_TOLERANCE = 0.01;

// Decodes PNG files in the page (the browser's own decoder) and compares them pixel by pixel.
// With a letters picture (the desktop's frame without its overlay text), the pixels where the
// letters are count apart, and must match exactly.
async function compare(page, actualPng, expectedPng, name, withoutLetters) {
  const result = await page.evaluate(async ([a, b, tolerance, c]) => {
    const pixels = async (base64) => {
      const bitmap = await createImageBitmap(await (await fetch('data:image/png;base64,' + base64)).blob());
      const canvas = new OffscreenCanvas(bitmap.width, bitmap.height);
      const context = canvas.getContext('2d');
      context.drawImage(bitmap, 0, 0);
      return context.getImageData(0, 0, bitmap.width, bitmap.height);
    };
    const [x, y] = [await pixels(a), await pixels(b)];
    if (x.width !== y.width || x.height !== y.height)
      return { size: `${x.width}x${x.height} against ${y.width}x${y.height}` };
    const z = c ? await pixels(c) : null;
    const difference = (p, q, i) => Math.max(Math.abs(p.data[i] - q.data[i]), Math.abs(p.data[i + 1] - q.data[i + 1]), Math.abs(p.data[i + 2] - q.data[i + 2]));
    let different = 0, largest = 0, letterPixels = 0, lettersWrong = 0;
    for (let i = 0; i < x.data.length; i += 4) {
      const d = difference(x, y, i);
      if (z && difference(y, z, i) > 0) {
        ++letterPixels;
        if (d > 0) ++lettersWrong;
        continue;
      }
      largest = Math.max(largest, d);
      if (d > tolerance) ++different;
    }
    return { share: different / (x.width * x.height), largest, letterPixels, lettersWrong };
  }, [actualPng.toString('base64'), expectedPng.toString('base64'), CHANNEL_TOLERANCE, withoutLetters ? withoutLetters.toString('base64') : null]);
  fs.mkdirSync(OUT, { recursive: true });
  fs.writeFileSync(path.join(OUT, name), actualPng);
  return result;
}

// The picture alone: the buttons over it (shown where there is a touch screen) are the page's.
async function canvasPng(page) {
  return page.locator('#canvas').screenshot({ style: '#controls { visibility: hidden }' });
}

function desktopFrame(number) {
  return fs.readFileSync(path.join(DESKTOP, `halvane-000${number}.png`));
}

// Fingers on the page as a touch screen reports them: each [finger, fromX, fromY, toX, toY] lands,
// all move to their ends together (in steps, as fingers do), and with lift they are lifted.
async function drag(cdp, fingers, lift = true) {
  const at = (share) => fingers.map(([id, x0, y0, x1, y1]) => ({ id, x: x0 + (x1 - x0) * share, y: y0 + (y1 - y0) * share }));
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: at(0) });
  for (const share of [0.25, 0.5, 0.75, 1])
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: at(share) });
  if (lift)
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
}

function desktopConsole() {
  return fs.readFileSync(path.join(DESKTOP, 'console.txt'), 'utf8');
}

// The seven rooms' lines of a console, without the model's drawing lines between them.
function rooms(text) {
  return text.replace(/going to draw animation sequence \d+\. frame \d+\./g, '')
    .match(/making new room: 0:[\s\S]*making new room: 6:[\s\S]*?all walls set: 512 vertices\./)[0];
}

// The console as one stream, as the desktop program writes it: the page's console gets it line by line.
function stream(lines) {
  return lines.filter((line) => !line.startsWith('[.WebGL')).join('\n') + '\n';
}

async function frameShows(page, expected, name, withoutLetters) {
  await page.waitForTimeout(500);
  const result = await compare(page, await canvasPng(page), expected, name, withoutLetters);
  assert.ok(result.share <= SHARE_TOLERANCE, `${name}: ${JSON.stringify(result)} of the desktop's frame`);
  return result;
}

test('the page draws what the desktop program draws, and logs what it logs', async (t) => {
  const p = await openPage(640, 504);
  try {
    await p.page.waitForFunction(() => typeof GLctx !== 'undefined' && GLctx !== null, null, { timeout: 20000 });
    await t.test('first frame', async () => console.log('first frame', await frameShows(p.page, desktopFrame(1), 'first.png')));
    let help;
    await t.test('F1 shows the help', async () => {
      await p.page.keyboard.press('F1');
      help = await frameShows(p.page, desktopFrame(2), 'help.png', desktopFrame(1));
      console.log('F1', help);
      await p.page.keyboard.press('F1');
    });
    await t.test('the help\'s letters are the desktop\'s, pixel for pixel', () => {
      assert.ok(help.letterPixels > 1000, 'the desktop frame shows no help');
      assert.strictEqual(help.lettersWrong, 0, `${help.lettersWrong} of ${help.letterPixels} letter pixels differ`);
    });
    await t.test('F3 draws wireframe', async () => {
      await p.page.keyboard.press('F3');
      console.log('F3', await frameShows(p.page, desktopFrame(3), 'wireframe.png'));
      await p.page.keyboard.press('F3');
    });
    await t.test('F12 downloads the frame as the desktop names it', async () => {
      const before = await canvasPng(p.page);
      const [download] = await Promise.all([p.page.waitForEvent('download'), p.page.keyboard.press('F12')]);
      assert.strictEqual(download.suggestedFilename(), 'halvane-0001.png');
      const saved = fs.readFileSync(await download.path());
      // The canvas then says the frame was saved: where it changed since, the pixels count apart.
      const result = await compare(p.page, saved, await canvasPng(p.page), 'download.png', before);
      assert.strictEqual(result.share, 0, JSON.stringify(result));
    });
    await t.test('a captured mouse turns the view as far as on the desktop', async () => {
      const box = await p.page.locator('#canvas').boundingBox();
      await p.page.mouse.move(box.x + 320, box.y + 240);
      await p.page.mouse.down();
      await p.page.mouse.up();
      await p.page.waitForFunction(() => document.pointerLockElement !== null, null, { timeout: 5000 });
      await p.page.mouse.move(box.x + 420, box.y + 240);
      console.log('turn', await frameShows(p.page, desktopFrame(4), 'turned.png'));
    });
    await t.test('a finger dragged on the right half turns as the mouse does, twice as far', async () => {
      await p.page.keyboard.press('Home');
      const cdp = await p.page.context().newCDPSession(p.page);
      await drag(cdp, [[1, 400, 240, 450, 240]]);
      console.log('finger', await frameShows(p.page, desktopFrame(4), 'finger-turned.png'));
    });
    await t.test('4 builds the rooms and logs them word for word', async () => {
      const before = stream(p.lines).length;
      await p.page.keyboard.press('4');
      await p.page.waitForTimeout(500);
      assert.strictEqual(rooms(stream(p.lines).slice(before)), rooms(desktopConsole()));
    });
    await t.test('w walks until it is let go', async () => {
      const standing = await canvasPng(p.page);
      await p.page.keyboard.down('w');
      await p.page.waitForTimeout(600);
      await p.page.keyboard.up('w');
      await p.page.waitForTimeout(300);
      const walked = await canvasPng(p.page);
      assert.ok((await compare(p.page, walked, standing, 'walked.png')).share > 0.2, 'w did not move the view');
      await p.page.waitForTimeout(300);
      assert.strictEqual((await compare(p.page, await canvasPng(p.page), walked, 'stopped.png')).share, 0, 'the view moves on after w');
    });
    await t.test('F11 and Alt+Enter ask for full screen, the picture follows, Escape leaves it', async () => {
      const state = () => p.page.evaluate(() => [!!document.fullscreenElement, document.getElementById('canvas').height]);
      await p.page.keyboard.press('F11');
      await p.page.waitForFunction(() => document.fullscreenElement && document.getElementById('canvas').height === 504);
      await p.page.keyboard.press('Escape');
      await p.page.waitForFunction(() => !document.fullscreenElement && document.getElementById('canvas').height === 480);
      await p.page.keyboard.press('Alt+Enter');
      await p.page.waitForFunction(() => document.fullscreenElement);
      await p.page.keyboard.press('Escape');
      await p.page.waitForTimeout(500);
      assert.deepStrictEqual(await state(), [false, 480]);
      // Escape at once after F11, before the browser has said it is full screen: the page stays whole.
      await p.page.keyboard.press('F11');
      await p.page.keyboard.press('Escape');
      await p.page.waitForTimeout(500);
      assert.deepStrictEqual(await state(), [false, 480]);
      assert.deepStrictEqual(await p.page.evaluate(() => [document.getElementById('canvas').parentNode.nodeName, !!document.getElementById('message')]), ['BODY', true]);
    });
    await t.test('a dropped model becomes the character; a broken one is refused as on the desktop', async () => {
      const cutOff = fs.readFileSync(path.join(DESKTOP, 'cut-off.md2'));
      const refusal = fs.readFileSync(path.join(DESKTOP, 'refusal.txt'), 'utf8').trim().split('\n').pop();
      await drop(p.page, { 'cut-off.md2': cutOff });
      await p.page.waitForFunction((text) => document.getElementById('message').textContent === text,
        refusal.replace(/\S*cut-off\.md2/, '/dropped/cut-off.md2'), { timeout: 10000 });
      const bin = path.resolve(__dirname, '../../bin');
      // One character after another, more than the texture table holds: each takes the last one's skin slot.
      const shown = await drop(p.page, { 'pelgrin.md2': fs.readFileSync(path.join(bin, 'pelgrin.md2')), 'pelgrin2.tga': fs.readFileSync(path.join(bin, 'pelgrin2.tga')) }, 20);
      assert.deepStrictEqual(shown, Array(20).fill('loaded pelgrin.md2'));
      assert.match(stream(p.lines), /loading model number 0: \/dropped\/pelgrin\.md2\n[\s\S]*model loaded\./);
    });
    await t.test('a dropped building replaces the hall; a cut-off one is refused as on the desktop', async () => {
      const hall = await canvasPng(p.page);
      await drop(p.page, { 'test-building.glb': fs.readFileSync(path.join(DESKTOP, 'building/test-building.glb')) });
      await p.page.waitForFunction(() => document.getElementById('message').textContent === 'loaded test-building.glb', null, { timeout: 10000 });
      assert.match(stream(p.lines), /loading glTF binary file: \/dropped\/test-building\.glb\n/);
      await p.page.waitForTimeout(500);
      const inside = await canvasPng(p.page);
      assert.ok((await compare(p.page, inside, hall, 'building.png')).share > 0.2, 'the picture did not change');
      const refusal = fs.readFileSync(path.join(DESKTOP, 'refusal-building.txt'), 'utf8').trim().split('\n').pop();
      await drop(p.page, { 'cut-off.glb': fs.readFileSync(path.join(DESKTOP, 'cut-off.glb')) });
      await p.page.waitForFunction((text) => document.getElementById('message').textContent === text,
        refusal.replace(/\S*cut-off\.glb/, '/dropped/cut-off.glb'), { timeout: 10000 });
      await p.page.waitForTimeout(500);
      assert.ok((await compare(p.page, await canvasPng(p.page), inside, 'building-kept.png')).share <= SHARE_TOLERANCE, 'the refused building changed the scene');
    });
  } finally {
    await p.close();
  }
});

// A gamepad of the standard layout, connected, whose sticks and buttons the test sets
// (window.emulatedPad), where the browser's Gamepad API would report a real one.
function emulatedGamepad() {
  const pad = { id: 'emulated gamepad', index: 0, connected: true, mapping: 'standard', timestamp: 0, axes: [0, 0, 0, 0],
    buttons: Array.from({ length: 17 }, () => ({ pressed: false, touched: false, value: 0 })) };
  window.emulatedPad = pad;
  navigator.getGamepads = () => [pad, null, null, null];
}

// The page on a phone (Chromium's phone mode), its frames run by a clock the test moves on, so
// that a thumb, a key and a gamepad held for the same frames walk exactly as far.
test('on a phone the page fits the screen, and fingers, its menu and a gamepad do what the keys do', async (t) => {
  const p = await openPage(390, 844, { device: PHONE, clock: true, init: emulatedGamepad });
  try {
    await p.page.waitForFunction(() => typeof GLctx !== 'undefined' && GLctx !== null && Module.frames > 2, null, { timeout: 30000 });
    const cdp = await p.page.context().newCDPSession(p.page);
    await t.test('the page is the screen\'s width, drawn in its pixels, with help for fingers', async () => {
      assert.deepStrictEqual(await p.page.evaluate(() => [innerWidth, document.documentElement.scrollWidth, canvas.clientWidth,
        canvas.width, canvas.height, getComputedStyle(document.querySelector('.mouse')).display,
        getComputedStyle(document.getElementById('controls')).display]), [390, 390, 390, 1170, 2460, 'none', 'block']);
      fs.mkdirSync(OUT, { recursive: true });
      await p.page.screenshot({ path: path.join(OUT, 'phone-portrait.png') });
    });
    const frames = (ms) => p.page.clock.runFor(ms);
    const shot = () => canvasPng(p.page);
    // The same pixels make the same PNG: comparing the files is quicker than decoding pictures this large.
    const same = (actual, expected, name) => {
      fs.writeFileSync(path.join(OUT, name), actual);
      assert.ok(actual.equals(expected), `${name} is not the picture it should be`);
    };
    // Four frames of a walk, then two standing (each frame of this size is slow to draw in software).
    const walk = async (hold) => {
      await hold(true);
      await frames(64);
      await hold(false);
      await frames(32);
      return shot();
    };
    const home = async () => {
      await p.page.keyboard.press('Home');
      await frames(32);
    };
    const thumb = (down) => down ? drag(cdp, [[1, 100, 600, 100, 400]], false) : cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
    const stick = (down) => p.page.evaluate((d) => { window.emulatedPad.axes[1] = d ? -1 : 0; }, down);
    await p.page.clock.pauseAt(await p.page.evaluate(() => Date.now() + 1000));
    await frames(32);
    const start = await shot();
    const byKey = await walk((down) => down ? p.page.keyboard.down('w') : p.page.keyboard.up('w'));
    await t.test('a thumb held ahead walks as w does, and so does a gamepad\'s left stick', async () => {
      await home();
      same(await walk(thumb), byKey, 'phone-thumb.png');
      await home();
      same(await walk(stick), byKey, 'phone-pad.png');
    });
    await t.test('a finger on the right turns the view, while the thumb walks as after the turn', async () => {
      await home();
      await drag(cdp, [[2, 300, 500, 350, 500]]);
      const turnThenWalk = await walk(thumb);
      assert.ok((await compare(p.page, turnThenWalk, byKey, 'phone-turned.png')).share > 0.2, 'the finger did not turn the view');
      await home();
      same(await walk((down) => down ? drag(cdp, [[2, 300, 500, 350, 500], [1, 100, 600, 100, 400]], false) : thumb(false)),
        turnThenWalk, 'phone-both.png');
    });
    await t.test('the menu\'s Home goes back, and its rooms button logs the rooms word for word, as 4 does', async () => {
      const choose = async (button) => {
        await p.page.tap('#more');
        await p.page.tap(`#menu ${button}`);
        await frames(32);
      };
      await choose('[data-special="106"]');
      same(await shot(), start, 'phone-home.png');
      const before = stream(p.lines).length;
      await choose('[data-key="4"]');
      assert.strictEqual(rooms(stream(p.lines).slice(before)), rooms(desktopConsole()));
    });
    await t.test('turned on its side, the canvas follows', async () => {
      await p.page.setViewportSize({ width: 844, height: 390 });
      await p.page.keyboard.press('F1');
      await frames(32);
      assert.deepStrictEqual(await p.page.evaluate(() => [canvas.width, canvas.height]), [2532, 1098]);
      await p.page.screenshot({ path: path.join(OUT, 'phone-landscape.png') });
    });
    assert.deepStrictEqual(p.lines.filter((line) => line.startsWith('page error')), []);
  } finally {
    await p.close();
  }
});

// Drops files onto the canvas as a visitor's file manager would.
test('a link opens the building it names with the files the building names; one it cannot fetch and a mistaken value are named on the page', async () => {
  const folder = path.join(OUT, 'link');
  fs.mkdirSync(folder, { recursive: true });
  for (const name of ['test-building.obj', 'test-building.mtl', 'wall.png'])
    fs.copyFileSync(path.join(DESKTOP, 'building', name), path.join(folder, name));
  const shows = (p, text) => p.page.waitForFunction((t) => document.getElementById('message').textContent === t, text, { timeout: 20000 });
  let p = await openPage(640, 504, { path: '?level=test-output/link/test-building.obj&utm_source=mail' });
  try {
    await shows(p, 'loaded test-building.obj');
    assert.match(stream(p.lines), /loading Wavefront OBJ file: \/linked\/test-building\.obj\n[\s\S]*loading png file: \/linked\/wall\.png\n/);
    assert.doesNotMatch(stream(p.lines), /warning:/);
  } finally {
    await p.close();
  }
  // With a character of its own, which stands in the building where the desktop's does.
  for (const name of ['pelgrin.md2', 'pelgrin2.tga'])
    fs.copyFileSync(path.resolve(__dirname, '../../bin', name), path.join(folder, name));
  p = await openPage(640, 504, { path: '?level=test-output/link/test-building.obj&model=test-output/link/pelgrin.md2&skin=test-output/link/pelgrin2.tga' });
  try {
    await shows(p, 'loaded pelgrin.md2');
    await frameShows(p.page, desktopFrame(5), 'linked-character.png');
  } finally {
    await p.close();
  }
  p = await openPage(640, 504, { path: '?level=test-output/link/gone.glb' });
  try {
    await shows(p, `http://127.0.0.1:${p.server.address().port}/test-output/link/gone.glb: cannot fetch the file (404 Not Found)`);
    await frameShows(p.page, desktopFrame(1), 'link-gone.png');
  } finally {
    await p.close();
  }
  // A mistaken value, with the desktop's line for the same mistake on its command line.
  for (const [value, line] of [['up=x', "'x' for --up is not an axis (y or z)"], ['level-scale=0', "'0' for --level-scale is not a number above 0"]]) {
    p = await openPage(640, 504, { path: `?level=test-output/link/test-building.obj&${value}` });
    try {
      await shows(p, `halvane: ${line}; see 'halvane --help'`);
    } finally {
      await p.close();
    }
  }
});

// Drops the files onto the canvas; with times, drops them that often, one after the other's
// line, and returns the page's line after each.
async function drop(page, files, times) {
  const named = Object.entries(files).map(([name, bytes]) => [name, bytes.toString('base64')]);
  return page.evaluate(async ([list, times]) => {
    const transfer = new DataTransfer();
    for (const [name, base64] of list)
      transfer.items.add(new File([Uint8Array.from(atob(base64), (c) => c.charCodeAt(0))], name));
    const message = document.getElementById('message');
    const shown = [];
    for (let i = 0; i < (times || 1); ++i) {
      message.textContent = '';
      document.getElementById('canvas').dispatchEvent(new DragEvent('drop', { dataTransfer: transfer, bubbles: true, cancelable: true }));
      if (!times)
        break;
      for (let waited = 0; !message.textContent && waited < 10000; waited += 20)
        await new Promise((resolve) => setTimeout(resolve, 20));
      shown.push(message.textContent);
    }
    return shown;
  }, [named, times]);
}

// On a laptop with a touch screen and a gamepad: all of them at once, at random.
test('random keys, mouse, fingers and gamepad for a while leave the page alive and its memory flat', async () => {
  const p = await openPage(640, 504, { device: { hasTouch: true }, init: emulatedGamepad });
  try {
    await p.page.waitForFunction(() => typeof GLctx !== 'undefined' && GLctx !== null, null, { timeout: 20000 });
    const box = await p.page.locator('#canvas').boundingBox();
    await p.page.mouse.click(box.x + 320, box.y + 240);
    const keys = ['w', 'a', 's', 'd', 'f', 'r', 'c', '1', '4', '5', '6', 'F1', 'F2', 'F3', 'F4', 'F5', 'F6', 'F7', 'F8',
      'F9', 'F10', 'Home', 'ArrowUp', 'ArrowDown', 'ArrowLeft', 'ArrowRight', 'Escape'];
    // frames: the frames the program has shown (Module.frames), which stop when it dies.
    const memory = () => p.page.evaluate(() => ({ wasm: HEAP8.length, js: performance.memory.usedJSHeapSize, frames: Module.frames }));
    let random = 12345;
    const next = (n) => { random = (random * 1103515245 + 12345) % 2147483648; return random % n; };
    const cdp = await p.page.context().newCDPSession(p.page);
    // One or two fingers land, move or lift anywhere on the picture below the buttons (one of them
    // opens the system's file picker).
    let fingers = [];
    const touch = async () => {
      const type = fingers.length === 0 ? 'touchStart' : ['touchMove', 'touchEnd'][next(2)];
      fingers = type === 'touchEnd' ? [] : Array.from({ length: fingers.length || 1 + next(2) }, (_, id) => ({ id, x: box.x + next(640), y: box.y + 60 + next(420) }));
      await cdp.send('Input.dispatchTouchEvent', { type, touchPoints: fingers });
    };
    // The sticks lean anywhere; a button other than Back (a screenshot each time) changes.
    const pad = () => p.page.evaluate(([axis, lean, button]) => {
      window.emulatedPad.axes[axis] = lean;
      window.emulatedPad.buttons[button].pressed = !window.emulatedPad.buttons[button].pressed;
    }, [next(4), next(201) / 100 - 1, [0, 1, 2, 3, 9, 12, 13, 14, 15][next(9)]]);
    const end = Date.now() + SOAK_SECONDS * 1000;
    let warm = null;
    while (Date.now() < end) {
      const choice = next(5);
      if (choice === 0)
        await p.page.mouse.move(box.x + next(640), box.y + next(480));
      else if (choice === 1)
        await touch();
      else if (choice === 2)
        await pad();
      else
        await p.page.keyboard.press(keys[next(keys.length)], { delay: next(50) });
      if (!warm && Date.now() > end - SOAK_SECONDS * 500)
        warm = await memory();
    }
    const last = await memory();
    console.log('memory', warm, last);
    assert.ok(last.frames > warm.frames, 'the page stopped drawing');
    assert.ok(!p.lines.some((line) => line.startsWith('page error')), p.lines.filter((line) => line.startsWith('page error')).join('\n'));
    assert.strictEqual(last.wasm, warm.wasm, 'the program\'s memory grew in the second half');
    assert.ok(last.js < warm.js * 1.5 + 4e6, `the page's JavaScript heap grew from ${warm.js} to ${last.js}`);
  } finally {
    await p.close();
  }
});
