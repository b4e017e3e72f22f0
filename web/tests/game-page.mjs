// SPDX-License-Identifier: MIT
// What the browser tests share: the built page (build/web/site, or the folder in
// QUADRELLE_WEB_SITE) served on 127.0.0.1, opened in Debian's chromium (or QUADRELLE_CHROMIUM)
// through playwright-core, and the game read back through Module.quadrelleScreen().
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize, resolve, dirname } from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';

const here = dirname(fileURLToPath(import.meta.url));
export const site = resolve(process.env.QUADRELLE_WEB_SITE ?? join(here, '../../build/web/site'));
const browserPath = process.env.QUADRELLE_CHROMIUM ?? '/usr/bin/chromium';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.css': 'text/css',
  '.js': 'text/javascript',
  '.wasm': 'application/wasm',
  '.png': 'image/png',
  '.ttf': 'font/ttf',
};

function serve(folder) {
  const server = createServer(async (request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://localhost').pathname));
    const file = join(folder, path.endsWith('/') ? `${path}index.html` : path);
    if (!file.startsWith(folder)) {
      response.writeHead(403).end();
      return;
    }
    try {
      const body = await readFile(file);
      response.writeHead(200, { 'Content-Type': types[extname(file)] ?? 'application/octet-stream' }).end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  return new Promise((done) => server.listen(0, '127.0.0.1', () => done(server)));
}

// Opens the game at `gameNumber` and waits until everything has arrived and the fresh board
// has settled. `stored` are texts put in the page's storage first ("General/HiScore": "120").
// Everything opened is closed when the test ends; `problems` gathers the page's errors.
export async function openGame(t, { gameNumber = '12345', viewport = { width: 510, height: 433 },
  hasTouch = false, locale = 'en-GB', stored = {} } = {}) {
  const server = await serve(site);
  t.after(() => server.close());
  const browser = await chromium.launch({ executablePath: browserPath, args: ['--no-sandbox'] });
  t.after(() => browser.close());
  const context = await browser.newContext({ viewport, hasTouch, locale });
  await context.addInitScript((texts) => {
    if (sessionStorage.getItem('quadrelle-test-stored')) return;
    sessionStorage.setItem('quadrelle-test-stored', '1');
    for (const [name, text] of Object.entries(texts)) localStorage.setItem(name, text);
  }, stored);
  const page = await context.newPage();
  const problems = [];
  page.on('pageerror', (error) => problems.push(error.message));
  await page.goto(`http://127.0.0.1:${server.address().port}/#game=${gameNumber}`);
  await waitForRest(page);
  return { page, context, problems };
}

export function screenOf(page) {
  return page.evaluate(() => Module.quadrelleScreen());
}

export async function waitForRest(page) {
  await page.waitForFunction(
    () => typeof Module !== 'undefined' && Module.quadrelleScreen && Module.quadrelleScreen().ready &&
      Module.quadrelleScreen().atRest,
    null, { timeout: 20000 });
}

// A point of the designed 510 x 433 window, on the page.
export async function pagePoint(page, x, y) {
  const box = await page.locator('#screen').boundingBox();
  const scale = box.width / 510;
  return { x: box.x + x * scale, y: box.y + y * scale };
}

// A square's point on the page: square i of the designed window is at
// (16 + 64 * column, 16 + 64 * row), 60 pixels wide; `down` is how far below its top.
export function squarePoint(page, square, down = 30) {
  return pagePoint(page, 16 + 64 * (square % 6) + 30, 16 + 64 * Math.floor(square / 6) + down);
}

// The step a plain click makes on a one-way square; a step up to blue (4) or down to pink (0)
// takes the arrow away.
export function steppedPicture(picture) {
  const [, colour, arrow] = picture.match(/^sq(\d)(up|down)$/);
  const next = Number(colour) + (arrow === 'up' ? 1 : -1);
  return next === 4 || next === 0 ? `sq${next}` : `sq${next}${arrow}`;
}
