// SPDX-License-Identifier: MIT
// The page loads and draws the designed window: at 510 x 433 the canvas fills the page one
// pixel to one, every square shows its picture, and the served pictures, recompressed at build
// time, decode to the generator's very pixels.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { readFile, readdir } from 'node:fs/promises';
import { join } from 'node:path';
import { launchBrowser, openGame, projectRoot, serveSite, site, unlikePictures, unlikeSquares } from './game-page.mjs';

let server, browser;
before(async () => {
  server = await serveSite();
  browser = await launchBrowser();
});
after(async () => {
  await browser?.close();
  server?.close();
});

test('at 510 x 433 the canvas is the designed window, one pixel to one, with every square drawn', async () => {
  const { page, problems } = await openGame(browser, server, { game: 4242 });
  const drawn = await page.evaluate(() => {
    const canvas = document.getElementById('screen');
    const box = canvas.getBoundingClientRect();
    return { box: [box.x, box.y, box.width, box.height], pixels: [canvas.width, canvas.height],
      ratio: devicePixelRatio };
  });
  assert.deepEqual(drawn, { box: [0, 0, 510, 433], pixels: [510, 433], ratio: 1 });
  assert.deepEqual(await unlikeSquares(page), [], 'squares drawn unlike their pictures');
  assert.deepEqual(problems, []);
});

test('the served pictures decode to the same pixels as the generated ones', async () => {
  const folders = [['pictures', 'assets/pictures'], ['pictures/symbols', 'assets/pictures/symbols'],
    ['icon', 'assets/icon']];
  const names = [];
  const pairs = [];
  for (const [served, generated] of folders) {
    for (const name of (await readdir(join(site, served))).filter((file) => file.endsWith('.png'))) {
      names.push(`${served}/${name}`);
      pairs.push([await readFile(join(site, served, name)), await readFile(join(projectRoot, generated, name))]);
    }
  }
  assert.ok(pairs.length > 90, `${pairs.length} pictures served`);
  const page = await browser.newPage();
  assert.deepEqual((await unlikePictures(page, pairs)).map((index) => names[index]), []);
  await page.close();
});
