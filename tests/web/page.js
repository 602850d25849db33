// The page under test: build-web/ served from 127.0.0.1 by a server of the test's own, and
// Debian's Chromium started headless by playwright-core, with WebGL through SwiftShader.
'use strict';
const http = require('node:http');
const fs = require('node:fs');
const path = require('node:path');
const zlib = require('node:zlib');
const { chromium } = require('playwright-core');

const BUILD = path.resolve(__dirname, '../../build-web');
const TYPES = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm', '.data': 'application/octet-stream' };

// Serves build-web/, gzip-compressed where the browser asks for it, as a web server would;
// counts the bytes sent.
function serve() {
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    const file = path.join(BUILD, name === '/' ? 'index.html' : name);
    if (!file.startsWith(BUILD) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      response.writeHead(404).end();
      return;
    }
    let body = fs.readFileSync(file);
    const headers = { 'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream', 'Cache-Control': 'no-store' };
    if (/\bgzip\b/.test(request.headers['accept-encoding'] || '')) {
      body = zlib.gzipSync(body, { level: 6 });
      headers['Content-Encoding'] = 'gzip';
    }
    server.bytesSent += body.length;
    response.writeHead(200, headers).end(body);
  });
  server.bytesSent = 0;
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

const CHROMIUM_FLAGS = ['--headless', '--no-sandbox', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];
// WebGL's renderer: SwiftShader, Chromium's own, for the tests; or Mesa's llvmpipe (through ANGLE
// on EGL, no display needed), the renderer the desktop program has on the same machine.
const RENDERERS = {
  swiftshader: ['--disable-gpu', '--use-gl=angle', '--use-angle=swiftshader', '--enable-unsafe-swiftshader'],
  mesa: ['--ignore-gpu-blocklist', '--use-gl=angle', '--use-angle=gl-egl'],
};

// A phone as Chromium's phone mode has it: 390 x 844 layout pixels of three screen pixels each,
// touch only.
const PHONE = { deviceScaleFactor: 3, isMobile: true, hasTouch: true };

// Opens the page in a window of width x height CSS pixels (the canvas is 24 rows less: the help
// line); lines is every console line, in order. options.path follows the page's address
// ("?level=..."); options.init runs in the page before its scripts; options.renderer is
// 'swiftshader' (unless given) or 'mesa'; options.device holds Chromium's emulation of a device
// (PHONE); options.clock installs a clock the test moves on (page.clock).
async function openPage(width, height, options = {}) {
  const server = await serve();
  const userData = fs.mkdtempSync(path.join(require('node:os').tmpdir(), 'halvane-chromium-'));
  const context = await chromium.launchPersistentContext(userData, {
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium', headless: true,
    args: [...CHROMIUM_FLAGS, ...RENDERERS[options.renderer || 'swiftshader']],
    viewport: { width, height }, acceptDownloads: true, ignoreDefaultArgs: ['--enable-automation'], ...options.device,
  });
  const page = context.pages()[0] || await context.newPage();
  if (options.init)
    await page.addInitScript(options.init);
  if (options.clock)
    await page.clock.install();
  const lines = [];
  page.on('console', (message) => lines.push(message.text()));
  page.on('pageerror', (error) => lines.push('page error: ' + error.message));
  const started = Date.now();
  await page.goto(`http://127.0.0.1:${server.address().port}/${options.path || ""}`);
  const close = async () => {
    await context.close();
    server.close();
    fs.rmSync(userData, { recursive: true, force: true });
  };
  return { page, lines, server, started, close };
}

module.exports = { openPage, serve, BUILD, PHONE };
