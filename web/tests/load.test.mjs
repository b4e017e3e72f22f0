// SPDX-License-Identifier: MIT
// The page loads and draws the designed window: at 510 x 433 the canvas fills the page one
// pixel to one and every square shows the generator's picture; the captions' face comes with
// the game; the game starts also where the server misnames its code; and the sheets the
// pictures are served in, laid out and recompressed at build time, hold the generator's very
// pixels, as do the recompressed icons.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import { join } from 'node:path';
import { designedSize, projectRoot, screenOf, sharedBrowser, site, squareRect, unlikeRegions, waitForBoard }
  from './game-page.mjs';

const shared = sharedBrowser();

const generated = (file) => readFile(join(projectRoot, 'assets/pictures', file));

test('at 510 x 433 the canvas is the designed window, one pixel to one, with every square drawn', async () => {
  const { page, problems } = await shared.openGame({ game: 4242 });
  const drawn = await page.evaluate(() => {
    const canvas = document.getElementById('screen');
    const box = canvas.getBoundingClientRect();
    return { box: [box.x, box.y, box.width, box.height], pixels: [canvas.width, canvas.height],
      ratio: devicePixelRatio };
  });
  assert.deepEqual(drawn, { box: [0, 0, 510, 433], pixels: [510, 433], ratio: 1 });
  const pictures = (await screenOf(page)).pictures;
  const pairs = await Promise.all(pictures.map(async (name, square) =>
    [{ rect: squareRect(square) }, { png: await generated(`${name}.png`) }]));
  assert.deepEqual(await unlikeRegions(page, pairs), [], 'squares drawn unlike their pictures');
  assert.deepEqual(problems, []);
});

test('the game brings the captions\' face itself, both weights ready to draw with, and its start fetches the code and one sheet, each once', async () => {
  const { page, problems } = await shared.openGame({ game: 4242 });
  const faces = await page.evaluate(() => [...document.fonts].map((face) => `${face.family} ${face.weight} ${face.status}`));
  assert.deepEqual(faces.sort(), ['Liberation Mono bold loaded', 'Liberation Mono normal loaded']);
  const fetched = await page.evaluate(() => {
    const firstBoard = performance.getEntriesByName('quadrelle-first-board')[0].startTime;
    return performance.getEntriesByType('resource').filter((entry) => entry.startTime < firstBoard)
      .map((entry) => new URL(entry.name).pathname.slice(1));
  });
  // No font and no loading picture: the game and the page carry them. The favicon is the
  // browser's own, fetched whenever it gets to it.
  assert.deepEqual(fetched.filter((path) => path !== 'icon/quadrelle-32.png').sort(),
    ['pictures/plain.png', 'quadrelle.js', 'quadrelle.wasm']);
  assert.deepEqual(problems, []);
});

test('a server that does not say the game\'s code is WebAssembly still serves a game that starts', async () => {
  const context = await shared.browser.newContext({ viewport: designedSize });
  await context.route('**/quadrelle.wasm', async (route) => {
    const response = await route.fetch();
    await route.fulfill({ status: 200, body: await response.body(), headers: { 'Content-Type': 'application/octet-stream' } });
  });
  const page = await context.newPage();
  await page.goto(`${shared.server.url}#game=4242`);
  await waitForBoard(page);
  assert.equal((await screenOf(page)).gameNumber, '4242');
  await context.close();
});

test('each sheet holds every picture of its set between margins that repeat its edges, and each icon its picture, pixel for pixel', async () => {
  const names = ['sq0', 'sq0up', 'sq1', 'sq1234', 'sq1down', 'sq1up', 'sq1updown', 'sq2', 'sq2down', 'sq2up',
    'sq2updown', 'sq3', 'sq3down', 'sq3up', 'sq3updown', 'sq4', 'sq4down', 'sqEmpty', 'tri0r', 'tri1r', 'tri2r',
    'tri3r', 'tri4r'];
  const pairs = [];
  for (const [set, folder] of [['plain', ''], ['symbols', 'symbols/']]) {
    for (const [suffix, size] of [['', 60], ['@2x', 120]]) {
      const sheet = await readFile(join(site, 'pictures', `${set}${suffix}.png`));
      // Each picture lies between margins of 4 of its 60 pixels that repeat its outermost columns:
      // the columns from a margin's outer end to the picture's edge are all alike, so those
      // columns are the same seen from one column further.
      const margin = size * 4 / 60;
      const columns = (x) => ({ png: sheet, rect: { x, y: 0, width: margin, height: size } });
      for (const [place, name] of names.entries()) {
        const file = `${name === 'sqEmpty' ? '' : folder}${name}${suffix}.png`;
        const left = place * (size + 2 * margin);
        pairs.push([{ png: sheet, rect: { x: left + margin, y: 0, width: size, height: size } }, { png: await generated(file) }]);
        pairs.push([columns(left), columns(left + 1)]);
        pairs.push([columns(left + margin + size - 1), columns(left + margin + size)]);
      }
      pairs.push([{ png: sheet }, { png: sheet, rect: { x: 0, y: 0, width: names.length * (size + 2 * margin), height: size } }]);
    }
  }
  for (const size of [32, 192, 512]) {
    const icon = `icon/quadrelle-${size}.png`;
    pairs.push([{ png: await readFile(join(site, icon)) }, { png: await readFile(join(projectRoot, 'assets', icon)) }]);
  }
  const page = await shared.browser.newPage();
  assert.deepEqual(await unlikeRegions(page, pairs), []);
  await page.close();
});
