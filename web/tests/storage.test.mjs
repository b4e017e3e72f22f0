// SPDX-License-Identifier: MIT
// The browser's storage: what the player set is there after a reload, and stored values that are
// not valid fall back to the defaults without harm.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { launchBrowser, openGame, pagePoint, screenOf, serveSite, waitForBoard } from './game-page.mjs';

let server, browser;
before(async () => {
  server = await serveSite();
  browser = await launchBrowser();
});
after(async () => {
  await browser?.close();
  server?.close();
});

test('the start level set with the spinner is there after a reload', async () => {
  const { page, problems } = await openGame(browser, server, { game: 4242 });
  // The spinner's upper arrow, in the designed window's pixels.
  const raise = await pagePoint(page, 488, 398);
  await page.mouse.click(raise.x, raise.y);
  assert.equal((await screenOf(page)).startLevel, '2');
  await page.reload();
  await waitForBoard(page);
  assert.equal((await screenOf(page)).startLevel, '2');
  assert.equal(await page.evaluate(() => localStorage.getItem('General/StartLevel')), '2');
  assert.deepEqual(problems, []);
});

test('hostile stored values fall back to the defaults', async () => {
  const { page, problems } = await openGame(browser, server, {
    game: 4242,
    init: () => {
      localStorage.setItem('General/HiScore', '+85');
      localStorage.setItem('General/StartLevel', '2147483647');
      localStorage.setItem('BestScores/1', 'abc');
      localStorage.setItem('Options/Sound', '\u0000');
    },
  });
  const screen = await screenOf(page);
  assert.deepEqual([screen.highScore, screen.startLevel, screen.level], ['0', '1', '1']);
  assert.deepEqual(problems, []);
});
