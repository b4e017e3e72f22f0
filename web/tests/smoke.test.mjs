// SPDX-License-Identifier: MIT
// The browser's game played once, as a player would: the built page (build/web/site, or the
// folder in QUADRELLE_WEB_SITE) is served on 127.0.0.1, opened in Debian's chromium at the
// designed size, and one arrow square is clicked. The click must step the square's colour
// along its arrow and score 1 point, and the canvas must show the new picture.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize, resolve, dirname } from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';

const here = dirname(fileURLToPath(import.meta.url));
const site = resolve(process.env.QUADRELLE_WEB_SITE ?? join(here, '../../build/web/site'));
const browserPath = process.env.QUADRELLE_CHROMIUM ?? '/usr/bin/chromium';
// A game whose first board, once it has settled, has one-way arrow squares.
const gameNumber = '12345';

const types = {
  '.html': 'text/html; charset=utf-8',
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

// The step a plain click makes on a one-way square; a step up to blue (4) or down to pink (0)
// takes the arrow away.
function steppedPicture(picture) {
  const [, colour, arrow] = picture.match(/^sq(\d)(up|down)$/);
  const next = Number(colour) + (arrow === 'up' ? 1 : -1);
  return next === 4 || next === 0 ? `sq${next}` : `sq${next}${arrow}`;
}

// The square's centre on the page: square i of the designed window is at
// (16 + 64 * column, 16 + 64 * row), 60 pixels wide.
async function squareCentre(page, square) {
  const box = await page.locator('#screen').boundingBox();
  const scale = box.width / 510;
  return {
    x: box.x + (16 + 64 * (square % 6) + 30) * scale,
    y: box.y + (16 + 64 * Math.floor(square / 6) + 30) * scale,
  };
}

test('a click on an arrow square steps its colour and scores one point', async (t) => {
  const server = await serve(site);
  t.after(() => server.close());
  const browser = await chromium.launch({ executablePath: browserPath, args: ['--no-sandbox'] });
  t.after(() => browser.close());
  const page = await browser.newPage({ viewport: { width: 510, height: 433 } });
  const problems = [];
  page.on('pageerror', (error) => problems.push(error.message));

  await page.goto(`http://127.0.0.1:${server.address().port}/#game=${gameNumber}`);
  // The board has arrived when every picture and the font are loaded and the fresh board's
  // own reactions have run.
  await page.waitForFunction(
    () => typeof Module !== 'undefined' && Module.quadrelleScreen && Module.quadrelleScreen().ready &&
      Module.quadrelleScreen().atRest,
    null, { timeout: 20000 });
  const before = await page.evaluate(() => Module.quadrelleScreen());
  assert.equal(before.gameNumber, gameNumber);
  assert.equal(before.score, '0');

  const square = before.pictures.findIndex((picture) => /^sq\d(up|down)$/.test(picture));
  assert.ok(square >= 0, `game ${gameNumber} has a one-way arrow square: ${before.pictures.join(' ')}`);
  const centre = await squareCentre(page, square);
  const clip = { x: centre.x - 30, y: centre.y - 30, width: 60, height: 60 };
  const drawnBefore = await page.screenshot({ clip });

  await page.mouse.click(centre.x, centre.y);
  const after = await page.evaluate(() => Module.quadrelleScreen());
  assert.equal(after.score, '1', 'a colour step scores one point');
  assert.equal(after.pictures[square], steppedPicture(before.pictures[square]));
  // The canvas shows it at the next frame.
  await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
  const drawnAfter = await page.screenshot({ clip });
  assert.notDeepEqual(drawnAfter, drawnBefore, 'the square is drawn anew');
  assert.deepEqual(problems, []);
});
