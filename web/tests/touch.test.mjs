// SPDX-License-Identifier: MIT
// Play by touch, in chromium's touch emulation: a tap is a click (a two-way square stepping
// up or down by the half tapped), a long press is the special press on a square and the menu
// beside the board, and the menu's button lies outside the designed window where there is room.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { openGameAlone, pagePoint, screenOf, squarePoint, steppedPicture, waitForBoard } from './game-page.mjs';

// A finger held still on a point, then lifted.
async function longPress(page, point, ms = 800) {
  const cdp = await page.context().newCDPSession(page);
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [{ x: point.x, y: point.y }] });
  await page.waitForTimeout(ms);
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  await cdp.detach();
}

test('a tap on an arrow square steps it once, and the board takes every touch itself', async (t) => {
  const { page, problems } = await openGameAlone(t, { hasTouch: true });
  const before = await screenOf(page);
  const square = before.pictures.findIndex((picture) => /^sq\d(up|down)$/.test(picture));
  const at = await squarePoint(page, square);
  await page.touchscreen.tap(at.x, at.y);
  const after = await screenOf(page);
  assert.equal(after.score, '1', 'one step, not a second from the browser\'s mouse events');
  assert.equal(after.pictures[square], steppedPicture(before.pictures[square]));
  const style = await page.evaluate(() => [getComputedStyle(document.querySelector('#screen')).touchAction,
    getComputedStyle(document.documentElement).overscrollBehaviorY]);
  assert.deepEqual(style, ['none', 'none']);
  assert.deepEqual(problems, []);
});

test('a tap on a two-way square steps it up in its upper half and down in its lower half', async (t) => {
  // From level 3, game 1 has "2updown" at square 2 and game 2 "1updown" at square 32.
  const { page, problems } = await openGameAlone(t, { gameNumber: '1', hasTouch: true,
    stored: { 'General/StartLevel': '3' } });
  assert.equal((await screenOf(page)).pictures[2], 'sq2updown');
  const upper = await squarePoint(page, 2, 15);
  await page.touchscreen.tap(upper.x, upper.y);
  assert.equal((await screenOf(page)).pictures[2], 'sq3up');

  await page.evaluate(() => { location.hash = '#game=2'; });
  await page.waitForFunction(() => Module.quadrelleScreen().gameNumber === '2');
  await waitForBoard(page);
  assert.equal((await screenOf(page)).pictures[32], 'sq1updown');
  const lower = await squarePoint(page, 32, 45);
  await page.touchscreen.tap(lower.x, lower.y);
  assert.equal((await screenOf(page)).pictures[32], 'sq0');
  assert.deepEqual(problems, []);
});

test('a long press on an arrow square is the colour search', async (t) => {
  // In game 163 no colour step reacts, but the search on "0up" at square 1 does.
  const { page, problems } = await openGameAlone(t, { gameNumber: '163', hasTouch: true });
  await page.keyboard.press('h');
  assert.deepEqual((await screenOf(page)).hint, { square: 1, move: 'Search' });
  // Every picture the square shows, frame by frame, however quickly the next comes.
  await page.evaluate(() => {
    window.seenAtSquare1 = [];
    const look = () => {
      const picture = Module.quadrelleScreen().pictures[1];
      if (seenAtSquare1.at(-1) !== picture) seenAtSquare1.push(picture);
      requestAnimationFrame(look);
    };
    look();
  });
  await longPress(page, await squarePoint(page, 1));
  const seen = await page.evaluate(() => seenAtSquare1);
  // Marked for removal in the colour it found, not stepped to "1up"; and no step scored.
  assert.equal(seen[0], 'sq0up');
  assert.match(seen[1], /^tri[1-4]r$/, seen.join(' '));
  assert.equal((await screenOf(page)).score, '0');
  assert.deepEqual(problems, []);
});

test('a long press beside the board opens the menu, and a tap chooses an entry', async (t) => {
  const { page, problems } = await openGameAlone(t, { hasTouch: true });
  await longPress(page, await pagePoint(page, 200, 420));
  const sound = page.getByRole('menuitemcheckbox', { name: 'Sound on/off' });
  await sound.waitFor();
  // Lifting the finger chose nothing.
  assert.equal(await page.locator('.quadrelle-menu-layer').count(), 1);
  const box = await sound.boundingBox();
  await page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
  assert.equal(await page.locator('.quadrelle-menu-layer').count(), 0);
  assert.equal((await screenOf(page)).notice, 'Sound off');
  assert.deepEqual(problems, []);
});

test('the menu\'s button lies outside the designed window, and only where there is room', async (t) => {
  const wide = await openGameAlone(t, { hasTouch: true, viewport: { width: 1280, height: 800 } });
  const button = wide.page.getByRole('button', { name: 'Menu' });
  const place = await button.boundingBox();
  const canvas = await wide.page.locator('#screen').boundingBox();
  assert.ok(place.x >= canvas.x + canvas.width || place.y + place.height <= canvas.y,
    `the button ${JSON.stringify(place)} is beside the window ${JSON.stringify(canvas)}`);
  const menu = wide.page.getByRole('menu', { name: 'Menu' });
  // Closed, the menu gives the focus back to the button, whose own key Space is then, not
  // "New Game"'s. (By the mouse: after a tap, chromium may let go of the button's pressed
  // state between the key's press and its release.)
  await button.click();
  await menu.waitFor();
  await wide.page.keyboard.press('Escape');
  await wide.page.keyboard.press('Space');
  await menu.waitFor();
  assert.equal((await screenOf(wide.page)).gameNumber, '12345');
  await wide.page.keyboard.press('Escape');
  await button.tap();
  await menu.waitFor();
  await wide.page.keyboard.press('Escape');
  // A long press on the ground around the window opens it too.
  await longPress(wide.page, { x: canvas.x / 2, y: canvas.y + canvas.height / 2 });
  await wide.page.getByRole('menu', { name: 'Menu' }).waitFor();
  assert.deepEqual(wide.problems, []);

  const tight = await openGameAlone(t, { hasTouch: true });
  assert.equal(await tight.page.getByRole('button', { name: 'Menu' }).count(), 0);
});
