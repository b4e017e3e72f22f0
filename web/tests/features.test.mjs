// SPDX-License-Identifier: MIT
// The features the desktop reaches by its context menu, in the browser: the menu itself (by
// a right click beside the board, Shift+F10 or the Menu key), its entries, and the dialogs
// they open, each played as a player would and read back from the page and the game.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { dialogAnswered, openGameAlone, pagePoint, screenOf, squarePoint, waitForBoard } from './game-page.mjs';

// The credit line below the board: part of the window, no control of it.
const besideTheBoard = [200, 420];
// "[x]" beside "Hiscore".
const clearLabel = [487, 88];

const menuEntries = (page) => page.evaluate(() =>
  [...document.querySelectorAll('.quadrelle-menu:not(.quadrelle-submenu) > .quadrelle-menu-entry')].map((entry) =>
    [entry.getAttribute('role'), entry.querySelector('.quadrelle-menu-text').textContent,
      entry.getAttribute('aria-checked') ?? entry.getAttribute('aria-disabled') ?? '']));

const focusedText = (page) => page.evaluate(() => document.activeElement?.textContent ?? '');

test('a right click beside the board opens the menu with the desktop\'s entries, and Escape closes it',
  async (t) => {
    const { page, problems } = await openGameAlone(t);
    const beside = await pagePoint(page, ...besideTheBoard);
    await page.mouse.click(beside.x, beside.y, { button: 'right' });
    await page.getByRole('menu', { name: 'Menu' }).waitFor();
    assert.deepEqual(await menuEntries(page), [
      ['menuitem', 'Game number 12345', 'true'],
      ['menuitem', 'New game', ''],
      ['menuitem', 'Play game number…', ''],
      ['menuitem', 'Hint', ''],
      ['menuitemcheckbox', 'Sound on/off', 'true'],
      ['menuitemcheckbox', 'Colour symbols on/off', 'false'],
      ['menuitem', 'Best scores', ''],
      ['menuitem', 'Clear the best scores…', ''],
      ['menuitem', 'Clear the high score…', ''],
      ['menuitem', 'How to play', ''],
      ['menuitem', 'About Quadrelle!', ''],
      ['menuitem', 'Other keys', ''],
    ]);
    await page.getByRole('menuitem', { name: 'Other keys' }).click();
    const otherKeys = page.getByRole('menu', { name: 'Other keys' });
    assert.match(await otherKeys.textContent(), /Step the square up\s*Page Up/);
    assert.match(await otherKeys.textContent(), /This menu\s*Menu, Shift\+F10/);
    await page.keyboard.press('Escape');
    await page.keyboard.press('Escape');
    assert.equal(await page.locator('.quadrelle-menu-layer').count(), 0);

    // On a square the right button is the colour search, not the menu.
    const square = await squarePoint(page, 0);
    await page.mouse.click(square.x, square.y, { button: 'right' });
    assert.equal(await page.locator('.quadrelle-menu-layer').count(), 0);
    assert.deepEqual(problems, []);
  });

test('Shift+F10 and the Menu key open the menu at the focus, and its entries work from the keyboard',
  async (t) => {
    const { page, problems } = await openGameAlone(t);
    await page.keyboard.press('Shift+F10');
    assert.equal(await focusedText(page), 'New gameF2');
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('ArrowDown');
    assert.equal(await focusedText(page), 'Sound on/offM');
    await page.keyboard.press('Enter');
    assert.equal(await page.locator('.quadrelle-menu-layer').count(), 0);
    assert.equal((await screenOf(page)).notice, 'Sound off');

    await page.keyboard.press('ContextMenu');
    assert.equal(await page.getByRole('menuitemcheckbox', { name: /Sound/ }).getAttribute('aria-checked'), 'false');
    await page.keyboard.press('Escape');
    assert.deepEqual(problems, []);
  });

test('the clear-hiscore question asks Yes, No or Cancel while the game goes on behind it', async (t) => {
  const { page, problems } = await openGameAlone(t, { stored: { 'General/HiScore': '120' } });
  const dialog = page.getByRole('alertdialog', { name: 'Clear Hiscore' });
  const clear = await pagePoint(page, ...clearLabel);

  // A step leaves a scan due a second later; it comes while the question is open. The step
  // and the click on "[x]" are made at one go, so the scan cannot come before the question.
  const before = await screenOf(page);
  const square = before.pictures.findIndex((picture) => /^sq\d(up|down)$/.test(picture));
  const at = await squarePoint(page, square);
  const asked = await page.evaluate(([step, clearAt]) => {
    const canvas = document.querySelector('#screen');
    for (const { x, y } of [step, clearAt]) {
      canvas.dispatchEvent(new MouseEvent('mousedown', { bubbles: true, clientX: x, clientY: y, buttons: 1 }));
      canvas.dispatchEvent(new MouseEvent('mouseup', { bubbles: true, clientX: x, clientY: y, buttons: 0 }));
    }
    return [Module.quadrelleScreen().atRest, Module.quadrelleScreen().score, document.querySelector('dialog')?.open];
  }, [at, clear]);
  assert.deepEqual(asked, [false, '1', true]);
  await waitForBoard(page);
  assert.ok(await dialog.isVisible(), 'the question is still open when the board has moved on');
  assert.match(await dialog.textContent(), /Do you really want to clear the hiscore\?/);
  assert.deepEqual(await dialog.getByRole('button').allTextContents(), ['Yes', 'No', 'Cancel']);

  await dialog.getByRole('button', { name: 'No' }).click();
  await dialogAnswered(page);
  assert.equal((await screenOf(page)).highScore, '120');
  await page.mouse.click(clear.x, clear.y);
  await page.keyboard.press('Escape');
  await dialogAnswered(page);
  assert.equal((await screenOf(page)).highScore, '120');
  // Yes is the default answer.
  await page.mouse.click(clear.x, clear.y);
  assert.equal(await focusedText(page), 'Yes');
  await page.keyboard.press('Enter');
  await dialogAnswered(page);
  assert.equal((await screenOf(page)).highScore, '0');
  assert.deepEqual(problems, []);
});

test('the questions speak the player\'s language', async (t) => {
  const { page } = await openGameAlone(t, { locale: 'de-DE' });
  const clear = await pagePoint(page, ...clearLabel);
  await page.mouse.click(clear.x, clear.y);
  const dialog = page.getByRole('alertdialog', { name: 'Rekord löschen' });
  assert.deepEqual(await dialog.getByRole('button').allTextContents(), ['Ja', 'Nein', 'Abbrechen']);
});

test('the game-number prompt says what is wrong with the text and plays the number typed', async (t) => {
  const { page, problems } = await openGameAlone(t);
  await page.keyboard.press('Control+G');
  const dialog = page.getByRole('dialog', { name: 'Play game number' });
  const entry = dialog.getByRole('textbox', { name: 'Game number (the same number deals the same boards):' });
  const ok = dialog.getByRole('button', { name: 'OK' });
  assert.equal(await entry.inputValue(), '12345');
  // Typing replaces the number, which is selected.
  await page.keyboard.type('12a');
  assert.equal(await dialog.locator('.quadrelle-game-number-problem').textContent(),
    'A game number has the digits 0 to 9 only.');
  assert.equal(await ok.isDisabled(), true);
  await entry.fill('');
  assert.equal(await dialog.locator('.quadrelle-game-number-problem').textContent(), 'Type a game number.');
  await entry.fill('777');
  assert.equal(await ok.isDisabled(), false);
  await page.keyboard.press('Enter');
  await dialogAnswered(page);
  assert.equal((await screenOf(page)).gameNumber, '777');
  assert.deepEqual(problems, []);
});

test('How to play, About and the best scores open from the menu and from their keys', async (t) => {
  const { page, problems } = await openGameAlone(t, { stored: { 'BestScores/1': '1250 7 2025-01-09 8812734412' } });
  const beside = await pagePoint(page, ...besideTheBoard);

  await page.mouse.click(beside.x, beside.y, { button: 'right' });
  await page.getByRole('menuitem', { name: 'How to play' }).click();
  const help = page.getByRole('dialog', { name: 'How to play' });
  await help.waitFor();
  await page.waitForFunction(() => [...document.querySelectorAll('.quadrelle-help img')]
    .every((image) => image.complete && image.naturalWidth > 0));
  assert.equal(await help.locator('img').count(), 22);
  assert.match(await help.textContent(), /Ctrl\+G\s*Play game number…/);
  assert.doesNotMatch(await help.textContent(), /Quit/);
  // The menu opens as soon as the dialog has closed, before the browser's close event.
  await page.evaluate(({ x, y }) => {
    document.querySelector('dialog').close();
    document.querySelector('#screen').dispatchEvent(
      new MouseEvent('contextmenu', { bubbles: true, cancelable: true, clientX: x, clientY: y, button: 2 }));
  }, beside);
  await page.getByRole('menuitem', { name: 'About Quadrelle!' }).click();
  const about = page.getByRole('dialog', { name: 'About Quadrelle!' });
  assert.match(await about.textContent(), /Version 1\.0\.0.*Game number 12345/);
  await about.getByRole('button', { name: 'Close' }).click();
  await about.waitFor({ state: 'detached' });

  await page.keyboard.press('b');
  const scores = page.getByRole('dialog', { name: 'Best scores' });
  assert.deepEqual(await scores.getByRole('row').allTextContents(),
    ['RankScoreLevelDateGame number', '1125072025-01-098812734412']);
  await page.keyboard.press('Escape');
  await page.keyboard.press('F1');
  await help.waitFor();
  assert.deepEqual(problems, []);
});

test('a game over that enters the best scores shows the table with the game\'s rank', async (t) => {
  // Game 132 from level 9 ends after every arrow square is stepped as far as it goes, in
  // board order, before the board is scanned: the clicks go at one go, in their upper halves.
  const { page, problems } = await openGameAlone(t, { gameNumber: '132', stored: { 'General/StartLevel': '9' } });
  await page.evaluate(() => {
    const canvas = document.querySelector('#screen');
    const box = canvas.getBoundingClientRect();
    const scale = box.width / 510;
    for (let square = 0; square < 36; ++square) {
      const x = box.left + (16 + 64 * (square % 6) + 30) * scale;
      const y = box.top + (16 + 64 * Math.floor(square / 6) + 15) * scale;
      while (/(up|down)$/.test(Module.quadrelleScreen().pictures[square])) {
        canvas.dispatchEvent(new MouseEvent('mousedown', { bubbles: true, clientX: x, clientY: y, buttons: 1 }));
        canvas.dispatchEvent(new MouseEvent('mouseup', { bubbles: true, clientX: x, clientY: y, buttons: 0 }));
      }
    }
  });
  const scores = page.getByRole('dialog', { name: 'Best scores' });
  await scores.waitFor({ timeout: 15000 });
  const screen = await screenOf(page);
  assert.equal(screen.gameOver, true);
  assert.match(await scores.textContent(), /This game took rank 1\./);
  const newRow = scores.locator('tr[aria-current="true"]');
  assert.equal(await newRow.locator('td').nth(1).textContent(), screen.score);
  assert.equal(await newRow.locator('td').nth(4).textContent(), '132');
  assert.deepEqual(problems, []);
});
