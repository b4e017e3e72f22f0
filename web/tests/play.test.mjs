// SPDX-License-Identifier: MIT
// The game played as a player would: a click steps an arrow square's colour and scores a point,
// a move that reacts plays out its chain on the page's real clock, step by timed step, and the
// address names the game being played.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import {
  chainGame, clickUpperHalf, screenOf, screensUntilRest, sharedBrowser, squareCentre, steppedPicture, waitForBoard,
} from './game-page.mjs';

const shared = sharedBrowser();

test('a click on an arrow square steps its colour and scores one point', async () => {
  const { page, problems } = await shared.openGame({ game: 12345 });
  const before = await screenOf(page);
  const square = before.pictures.findIndex((picture) => /^sq\d(up|down)$/.test(picture));
  assert.ok(square >= 0, `game 12345 has a one-way arrow square: ${before.pictures.join(' ')}`);
  const centre = await squareCentre(page, square);
  const clip = { x: centre.x - 30, y: centre.y - 30, width: 60, height: 60 };
  const drawnBefore = await page.screenshot({ clip });

  await page.mouse.click(centre.x, centre.y);
  const after = await screenOf(page);
  assert.equal(after.score, '1', 'a colour step scores one point');
  assert.equal(after.pictures[square], steppedPicture(before.pictures[square]));
  await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
  assert.notDeepEqual(await page.screenshot({ clip }), drawnBefore, 'the square is drawn anew');
  assert.deepEqual(problems, []);
});

test('a step that completes a run plays its chain out on the real clock', async () => {
  const { page, problems } = await shared.openGame({ game: chainGame.number });
  const started = Date.now();
  await clickUpperHalf(page, chainGame.square);
  const screens = await screensUntilRest(page);
  const took = Date.now() - started;
  const settled = screens.at(-1);
  assert.deepEqual([settled.score, settled.combo, settled.comboShown], ['21', '2', true]);
  assert.ok(screens.some((screen) => screen.pictures.includes('sqEmpty')), 'the gaps were seen');
  // 1000 ms after the click the first scan, then for each of the two reactions 500 ms to clear,
  // 200 ms to close up, 200 ms to refill and 200 ms to the next scan.
  assert.ok(took >= 3200 - 50 && took < 15000, `the chain took ${took} ms`);
  assert.deepEqual(problems, []);
});

test('the address names the game being played, and deals its board to whoever opens it', async () => {
  const { page } = await shared.openGame({ game: 12345 });
  const pagesVisited = await page.evaluate(() => history.length);
  await page.keyboard.press('F2');
  await waitForBoard(page);
  const dealt = await screenOf(page);
  assert.notEqual(dealt.gameNumber, '12345');
  assert.equal(new URL(page.url()).hash, `#game=${dealt.gameNumber}`);

  const sharedLink = await shared.openGame({ game: dealt.gameNumber });
  assert.deepEqual((await screenOf(sharedLink.page)).pictures, dealt.pictures);
  // A new game replaces the address rather than adding to the browser's history.
  assert.equal(await page.evaluate(() => history.length), pagesVisited);
});
