// SPDX-License-Identifier: MIT
// The browser's storage: what the player set is there after a reload, stored values that are not
// valid fall back to the defaults without harm, and a storage that keeps nothing is said once.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { pagePoint, screenOf, sharedBrowser, waitForBoard } from './game-page.mjs';

const shared = sharedBrowser();

test('the start level set with the spinner is there after a reload', async () => {
  const { page, problems } = await shared.openGame({ game: 4242 });
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
  const { page, problems } = await shared.openGame({
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

// Where the browser keeps nothing (storage blocked for the site) or refuses the game's names
// (a full quota), the game goes on, and says once that it cannot save.
for (const [what, refuses] of [['keeps nothing', () => true], ['is full', (name) => name.includes('/')]]) {
  test(`where the browser's storage ${what}, the game says once that it cannot save`, async () => {
    const { page, problems } = await shared.openGame({
      game: 4242,
      init: (refusesSource) => {
        const refuses = eval(refusesSource);
        const setItem = Storage.prototype.setItem;
        Storage.prototype.setItem = function (name, value) {
          if (refuses(name)) throw new DOMException('The quota has been exceeded.', 'QuotaExceededError');
          return setItem.call(this, name, value);
        };
      },
      initArg: refuses.toString(),
    });
    const spoken = () => page.locator('.quadrelle-spoken-notice').textContent();
    await page.keyboard.press('m');
    assert.equal((await screenOf(page)).notice, 'Scores and settings cannot be saved');
    assert.equal((await spoken()).trim(), 'Scores and settings cannot be saved');
    await page.keyboard.press('m');
    assert.equal((await screenOf(page)).notice, 'Sound on');
    assert.equal((await spoken()).trim(), 'Sound on');
    assert.deepEqual(problems, []);
  });
}
