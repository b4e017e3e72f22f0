// SPDX-License-Identifier: MIT
// What the browser tests share: the built site (build/web/site, or the folder in
// QUADRELLE_WEB_SITE) served on a free port of 127.0.0.1, gzip-compressed as a web server would;
// Debian's chromium (or QUADRELLE_CHROMIUM) driven headless by playwright-core; the game opened
// at a given size and language; and the game's screen as the page tells it.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize, resolve, dirname } from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';
import { chromium } from 'playwright-core';

export const projectRoot = resolve(dirname(fileURLToPath(import.meta.url)), '../..');
export const site = resolve(process.env.QUADRELLE_WEB_SITE ?? join(projectRoot, 'build/web/site'));
export const browserPath = process.env.QUADRELLE_CHROMIUM ?? '/usr/bin/chromium';
export const designedSize = { width: 510, height: 433 };

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript',
  '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json',
  '.png': 'image/png',
  '.woff2': 'font/woff2',
  '.woff': 'font/woff',
};
// Pictures and WOFF2 are compressed already.
const compressed = new Set(['.png', '.woff2', '.woff']);

// Serves the folder; resolves to the server, whose `url` is the site's address.
export function serveSite(folder = site) {
  const server = createServer(async (request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://localhost').pathname));
    const file = join(folder, path.endsWith('/') ? `${path}index.html` : path);
    if (!file.startsWith(folder)) return response.writeHead(403).end();
    let body;
    try {
      body = await readFile(file);
    } catch {
      return response.writeHead(404).end();
    }
    const headers = { 'Content-Type': types[extname(file)] ?? 'application/octet-stream', 'Cache-Control': 'no-cache' };
    if (!compressed.has(extname(file)) && /\bgzip\b/.test(request.headers['accept-encoding'] ?? '')) {
      body = gzipSync(body, { level: 9 });
      headers['Content-Encoding'] = 'gzip';
    }
    response.writeHead(200, headers).end(body);
  });
  return new Promise((done) => server.listen(0, '127.0.0.1', () => {
    server.url = `http://127.0.0.1:${server.address().port}/`;
    done(server);
  }));
}

// `--force-color-profile=srgb` keeps the pictures' pixels as they are on any screen.
export function launchBrowser() {
  return chromium.launch({ executablePath: browserPath, args: ['--no-sandbox', '--force-color-profile=srgb'] });
}

// Opens the served game in a new context of its own: options are `game` (a game number for the
// address), `viewport`, `locale` and `init` (a function run in the page before the game).
// Resolves once the board has settled; `problems` collects the page's uncaught errors.
export async function openGame(browser, server, { game, viewport = designedSize, locale = 'en-US', init } = {}) {
  const context = await browser.newContext({ viewport, locale });
  if (init) await context.addInitScript(init);
  const page = await context.newPage();
  const problems = [];
  page.on('pageerror', (error) => problems.push(error.message));
  await page.goto(server.url + (game ? `#game=${game}` : ''));
  await waitForBoard(page);
  return { context, page, problems };
}

// The board has arrived when every picture and the font are loaded and the fresh board's own
// reactions have run.
export async function waitForBoard(page, timeout = 20000) {
  await page.waitForFunction(() => typeof Module !== 'undefined' && Module.quadrelleScreen &&
    Module.quadrelleScreen().ready && Module.quadrelleScreen().atRest, null, { timeout, polling: 50 });
}

export function screenOf(page) {
  return page.evaluate(() => Module.quadrelleScreen());
}

// Square i of the designed window is at (16 + 64 * column, 16 + 64 * row), 60 pixels wide.
export function squareRect(square) {
  return { x: 16 + 64 * (square % 6), y: 16 + 64 * Math.floor(square / 6), width: 60, height: 60 };
}

// A point of the designed window on the page, wherever the canvas is and however it is scaled.
export async function pagePoint(page, x, y) {
  const box = await page.locator('#screen').boundingBox();
  const scale = box.width / designedSize.width;
  return { x: box.x + x * scale, y: box.y + y * scale };
}

// A move that sets off a chain of two reactions: in game 4242, a step up of the square at row 3,
// column 6 once the fresh board has settled.
export const chainGame = { number: 4242, square: 17 };

export async function clickUpperHalf(page, square) {
  const rect = squareRect(square);
  const point = await pagePoint(page, rect.x + rect.width / 2, rect.y + rect.height / 4);
  await page.mouse.click(point.x, point.y);
}

export async function squareCentre(page, square) {
  const rect = squareRect(square);
  return pagePoint(page, rect.x + rect.width / 2, rect.y + rect.height / 2);
}

// Waits until the game is at rest again, checking every 50 ms; resolves to every screen seen.
export async function screensUntilRest(page, timeout = 30000) {
  const screens = [];
  const end = Date.now() + timeout;
  for (;;) {
    const screen = await screenOf(page);
    screens.push(screen);
    if (screen.atRest) return screens;
    if (Date.now() > end) throw new Error('the game did not come to rest');
    await page.waitForTimeout(50);
  }
}

// The indexes of the pairs of PNG files (Buffers) whose decoded pixels differ.
export function unlikePictures(page, pairs) {
  return page.evaluate(async (encoded) => {
    const decode = async (base64) => {
      const bitmap = await createImageBitmap(new Blob([Uint8Array.from(atob(base64), (c) => c.charCodeAt(0))]),
        { colorSpaceConversion: 'none', premultiplyAlpha: 'none' });
      const context = new OffscreenCanvas(bitmap.width, bitmap.height).getContext('2d');
      context.drawImage(bitmap, 0, 0);
      return `${bitmap.width}x${bitmap.height} ${context.getImageData(0, 0, bitmap.width, bitmap.height).data}`;
    };
    const unlike = [];
    for (const [index, [a, b]] of encoded.entries())
      if (await decode(a) !== await decode(b)) unlike.push(index);
    return unlike;
  }, pairs.map((pair) => pair.map((file) => file.toString('base64'))));
}

// The squares whose pixels on the canvas differ from the same square of `windowPng` (a Buffer
// holding a picture of the whole window), or without it from the square's own picture file.
export function unlikeSquares(page, windowPng) {
  return page.evaluate(async ({ windowBase64, rects }) => {
    const pixelsOf = (source, rect, at = rect) => {
      const context = new OffscreenCanvas(rect.width, rect.height).getContext('2d');
      context.drawImage(source, at.x, at.y, rect.width, rect.height, 0, 0, rect.width, rect.height);
      return context.getImageData(0, 0, rect.width, rect.height).data.join();
    };
    const load = (blob) => createImageBitmap(blob, { colorSpaceConversion: 'none', premultiplyAlpha: 'none' });
    const whole = windowBase64 &&
      await load(new Blob([Uint8Array.from(atob(windowBase64), (c) => c.charCodeAt(0))]));
    const names = Module.quadrelleScreen().pictures;
    const canvas = document.getElementById('screen');
    const unlike = [];
    for (const [square, rect] of rects.entries()) {
      const reference = whole ?? await load(await (await fetch(`pictures/${names[square]}.png`)).blob());
      if (pixelsOf(canvas, rect) !== pixelsOf(reference, rect, whole ? rect : { x: 0, y: 0 })) unlike.push(square);
    }
    return unlike;
  }, { windowBase64: windowPng?.toString('base64'), rects: Array.from({ length: 36 }, (_, i) => squareRect(i)) });
}
