// The page's speed and size, for tools/bench-web (never a test): the time of a frame in
// Chromium at 1024 x 768 (display with the frame read back, start view, the median of 5 runs of
// 100 frames), on Mesa's llvmpipe (the desktop program's renderer here) and on SwiftShader (the
// tests'), and on a phone (Chromium's phone mode, 390 x 844 at three screen pixels each) on
// llvmpipe; the time from the page's request to its first frame on 127.0.0.1, and the bytes the
// page downloads gzip-compressed. Prints one JSON line.
'use strict';
const { openPage, PHONE } = require('./page');

async function firstFrameMs() {
  const p = await openPage(1024, 792, {
    // Emscripten's Browser object exists only once the page's script runs: its frame
    // iteration is wrapped as soon as it does, before the first frame is due.
    init: () => {
      const watch = setInterval(() => {
        if (typeof Browser === 'undefined')
          return;
        clearInterval(watch);
        const iterate = Browser.mainLoop.runIter;
        Browser.mainLoop.runIter = (func) => {
          iterate(func);
          window.halvaneFirstFrame = window.halvaneFirstFrame || performance.now();
        };
      }, 1);
    },
  });
  await p.page.waitForFunction(() => window.halvaneFirstFrame, null, { timeout: 30000 });
  const ms = await p.page.evaluate(() => window.halvaneFirstFrame);
  const bytes = p.server.bytesSent;
  await p.close();
  return { ms, bytes };
}

// The frame on a page of width x height layout pixels (with device, Chromium's emulation of a
// phone); with the canvas's size in the screen's pixels, where the desktop is to be measured alike.
async function frameMs(renderer, width = 1024, height = 792, device = undefined) {
  const p = await openPage(width, height, { renderer, device });
  await p.page.waitForFunction(() => typeof GLctx !== 'undefined' && GLctx, null, { timeout: 30000 });
  await p.page.waitForTimeout(2000);
  const runs = [];
  for (let run = 0; run < 5; ++run) {
    runs.push(await p.page.evaluate(() => new Promise((resolve) => {
      const iterate = Browser.mainLoop.runIter;
      let total = 0, frames = 0;
      const pixel = new Uint8Array(4);
      Browser.mainLoop.runIter = (func) => {
        const start = performance.now();
        iterate(func);
        // A read of one pixel waits for the GPU process to finish the frame, as glFinish does.
        GLctx.readPixels(0, 0, 1, 1, GLctx.RGBA, GLctx.UNSIGNED_BYTE, pixel);
        total += performance.now() - start;
        if (++frames === 100) {
          Browser.mainLoop.runIter = iterate;
          resolve(total / frames);
        }
      };
    })));
  }
  const canvas = await p.page.evaluate(() => `${GLctx.drawingBufferWidth}x${GLctx.drawingBufferHeight}`);
  await p.close();
  return { ms: runs.sort((a, b) => a - b)[2], canvas };
}

(async () => {
  const first = [];
  for (let run = 0; run < 5; ++run)
    first.push(await firstFrameMs());
  const sorted = first.map((f) => f.ms).sort((a, b) => a - b);
  console.log(JSON.stringify({ frame: { mesa: await frameMs('mesa'), swiftshader: await frameMs('swiftshader'), phone: await frameMs('mesa', 390, 844, PHONE) },
    firstFrameMs: sorted[2], gzipBytes: first[0].bytes }));
})();
