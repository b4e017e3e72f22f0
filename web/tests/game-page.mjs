// SPDX-License-Identifier: MIT
// What the browser tests share: the built site (build/web/site, or the folder in
// QUADRELLE_WEB_SITE) served on a free port of 127.0.0.1, gzip-compressed as a web server would;
// Debian's chromium (or QUADRELLE_CHROMIUM) driven headless by playwright-core; the game opened
// at a given size, language and touch; and the game's screen as the page tells it.
import { join, resolve, dirname } from 'node:path';
import { fileURLToPath } from 'node:url';
import { before, after } from 'node:test';
import { chromium } from 'playwright-core';
import { serveFolder } from './site-server.mjs';

export const projectRoot = resolve(dirname(fileURLToPath(import.meta.url)), '../..');
export const site = resolve(process.env.QUADRELLE_WEB_SITE ?? join(projectRoot, 'build/web/site'));
export const browserPath = process.env.QUADRELLE_CHROMIUM ?? '/usr/bin/chromium';
export const designedSize = { width: 510, height: 433 };

export function serveSite(folder = site) {
  return serveFolder(folder);
}

// `--force-color-profile=srgb` keeps the pictures' pixels as they are on any screen.
export function launchBrowser() {
  return chromium.launch({ executablePath: browserPath, args: ['--no-sandbox', '--force-color-profile=srgb'] });
}

// One server and one browser for all the tests of a file, opened before the first and closed
// after the last. `openGame(options)` opens the game on them; `server` and `browser` are there for
// what a test does besides.
export function sharedBrowser() {
  const shared = { openGame: (options) => openGame(shared.browser, shared.server, options) };
  before(async () => {
    shared.server = await serveSite();
    shared.browser = await launchBrowser();
  });
  after(async () => {
    await shared.browser?.close();
    shared.server?.close();
  });
  return shared;
}

// Opens the served game in a new context of its own: options are `game` (a game number for the
// address), `viewport`, `locale`, `hasTouch` and `init` (a function run in the page before the
// game, given `initArg`). Resolves once the board has settled; `problems` collects the page's
// uncaught errors.
export async function openGame(browser, server,
  { game, viewport = designedSize, locale = 'en-US', hasTouch = false, init, initArg } = {}) {
  const context = await browser.newContext({ viewport, locale, hasTouch });
  if (init) await context.addInitScript(init, initArg);
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

// Opens the game in a browser and on a server of its own, both closed when test `t` ends.
// `stored` are texts put in the page's storage before its first load ("General/HiScore": "120").
export async function openGameAlone(t, { gameNumber = '12345', locale = 'en-GB', stored = {}, ...options } = {}) {
  const server = await serveSite();
  t.after(() => server.close());
  const browser = await launchBrowser();
  t.after(() => browser.close());
  return openGame(browser, server, { ...options, game: gameNumber, locale, init: storeOnce, initArg: stored });
}

function storeOnce(texts) {
  if (sessionStorage.getItem('quadrelle-test-stored')) return;
  sessionStorage.setItem('quadrelle-test-stored', '1');
  for (const [name, text] of Object.entries(texts)) localStorage.setItem(name, text);
}

// Resolves once a dialog's answer has been taken: that comes with the browser's close event, a
// moment after the dialog has closed, and the page removes the dialog as it takes it.
export function dialogAnswered(page) {
  return page.waitForFunction(() => !document.querySelector('dialog'), null, { timeout: 5000 });
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

// A square's point on the page; `down` is how far below its top.
export function squarePoint(page, square, down = 30) {
  const rect = squareRect(square);
  return pagePoint(page, rect.x + rect.width / 2, rect.y + down);
}

// The step a plain click makes on a one-way square; a step up to blue (4) or down to pink (0)
// takes the arrow away.
export function steppedPicture(picture) {
  const [, colour, arrow] = picture.match(/^sq(\d)(up|down)$/);
  const next = Number(colour) + (arrow === 'up' ? 1 : -1);
  return next === 4 || next === 0 ? `sq${next}` : `sq${next}${arrow}`;
}

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

// Compares pairs of regions, each of the page's canvas (`{ rect }`) or of a PNG file
// (`{ png, rect }`, a Buffer; the whole picture without a rect), decoded without colour
// conversion. Resolves to the indexes of the pairs whose pixels differ.
export function unlikeRegions(page, pairs) {
  const encoded = pairs.map((pair) => pair.map(({ png, rect }) => ({ png: png?.toString('base64'), rect })));
  return page.evaluate(async (regions) => {
    const pixelsOf = async ({ png, rect }) => {
      const source = png ? await createImageBitmap(new Blob([Uint8Array.from(atob(png), (c) => c.charCodeAt(0))]),
        { colorSpaceConversion: 'none', premultiplyAlpha: 'none' }) : document.getElementById('screen');
      const { x, y, width, height } = rect ?? { x: 0, y: 0, width: source.width, height: source.height };
      const context = new OffscreenCanvas(width, height).getContext('2d');
      context.drawImage(source, x, y, width, height, 0, 0, width, height);
      return `${width}x${height} ${context.getImageData(0, 0, width, height).data}`;
    };
    const unlike = [];
    for (const [index, [a, b]] of regions.entries())
      if (await pixelsOf(a) !== await pixelsOf(b)) unlike.push(index);
    return unlike;
  }, encoded);
}

// The squares whose pixels on the canvas differ from the same square of `windowPng`, a picture
// of the whole window (a Buffer).
export function unlikeSquares(page, windowPng) {
  const squares = Array.from({ length: 36 }, (_, square) => squareRect(square));
  return unlikeRegions(page, squares.map((rect) => [{ rect }, { png: windowPng, rect }]));
}
