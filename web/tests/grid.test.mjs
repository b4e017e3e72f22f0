// SPDX-License-Identifier: MIT
// The board as a screen reader finds it: a grid of 6 rows of 6 cells in the browser's
// accessibility tree, read through the DevTools protocol, each cell named by its square's name
// and place, following every move, and played with the board's keys as the focus moves with
// the cursor; and the notices in a status line.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { openGameAlone, screenOf, steppedPicture } from './game-page.mjs';

const colours = ['pink', 'green', 'yellow', 'red', 'blue'];

// What a screen reader says for a square at rest, from its picture's name.
function spokenName(picture, square) {
  const place = `row ${Math.floor(square / 6) + 1}, column ${(square % 6) + 1}`;
  if (picture === 'sq1234') return `wildcard, ${place}`;
  if (picture === 'sqEmpty') return `empty, ${place}`;
  const [, colour, arrows] = picture.match(/^sq(\d)(up|down|updown)?$/);
  const arrowWords = { up: ', arrow up', down: ', arrow down', updown: ', arrows up and down' };
  return `${colours[colour]}${arrowWords[arrows] ?? ''}, ${place}`;
}

// The grid as the accessibility tree has it: its name, its rows' count, and its cells' names
// in order, with the one that has the focus.
async function gridInTree(page) {
  const cdp = await page.context().newCDPSession(page);
  const { nodes } = await cdp.send('Accessibility.getFullAXTree');
  await cdp.detach();
  const byId = new Map(nodes.map((node) => [node.nodeId, node]));
  const role = (node) => node.role?.value;
  const grid = nodes.find((node) => role(node) === 'grid');
  const children = (node) => (node.childIds ?? []).map((id) => byId.get(id)).filter(Boolean);
  const rows = children(grid).filter((node) => role(node) === 'row');
  const cells = rows.flatMap((row) => children(row).filter((node) => role(node) === 'gridcell'));
  const focused = cells.findIndex((cell) => cell.properties?.some((p) => p.name === 'focused' && p.value.value));
  return { name: grid.name.value, rows: rows.length, names: cells.map((cell) => cell.name.value), focused };
}

test('the grid names every square by its name and place', async (t) => {
  const { page, problems } = await openGameAlone(t);
  const { pictures } = await screenOf(page);
  const grid = await gridInTree(page);
  assert.equal(grid.name, 'Board');
  assert.equal(grid.rows, 6);
  assert.deepEqual(grid.names, pictures.map(spokenName));
  assert.deepEqual(problems, []);
});

test('the board\'s keys play in the grid: the focus follows the cursor, and a cell is named anew after a move',
  async (t) => {
    const { page, problems } = await openGameAlone(t);
    // "New Game", the spinner, then the board.
    await page.keyboard.press('Tab');
    await page.keyboard.press('Tab');
    assert.equal((await gridInTree(page)).focused, 0);

    const before = await screenOf(page);
    const square = before.pictures.findIndex((picture) => /^sq\d(up|down)$/.test(picture));
    for (let n = 0; n < square % 6; ++n) await page.keyboard.press('ArrowRight');
    for (let n = 0; n < Math.floor(square / 6); ++n) await page.keyboard.press('ArrowDown');
    assert.equal((await screenOf(page)).cursor, square);
    assert.equal((await gridInTree(page)).focused, square);

    await page.keyboard.press('Space');
    const stepped = steppedPicture(before.pictures[square]);
    assert.equal((await screenOf(page)).pictures[square], stepped);
    const grid = await gridInTree(page);
    assert.equal(grid.names[square], spokenName(stepped, square));
    assert.notEqual(grid.names[square], spokenName(before.pictures[square], square));
    assert.equal(grid.focused, square);

    // The hint in words reaches a screen reader too, once the board has settled.
    await page.keyboard.press('h');
    await page.getByRole('status').filter({ hasText: /^Hint: / }).waitFor({ timeout: 5000 });
    assert.deepEqual(problems, []);
  });

test('Page Down steps a two-way square down, and a screen reader\'s click on a cell plays its square',
  async (t) => {
    // From level 3, game 1 has "2updown" at square 2.
    const { page, problems } = await openGameAlone(t, { gameNumber: '1', stored: { 'General/StartLevel': '3' } });
    await page.keyboard.press('Tab');
    await page.keyboard.press('Tab');
    await page.keyboard.press('ArrowRight');
    await page.keyboard.press('ArrowRight');
    await page.keyboard.press('PageDown');
    assert.equal((await screenOf(page)).pictures[2], 'sq1down');
    assert.equal((await gridInTree(page)).names[2], 'green, arrow down, row 1, column 3');

    const { pictures } = await screenOf(page);
    const square = pictures.findIndex((picture, at) => at !== 2 && /^sq\d(up|down)$/.test(picture));
    await page.evaluate((at) => document.querySelector(`[role=gridcell][data-square="${at}"]`).click(), square);
    const after = await screenOf(page);
    assert.equal(after.cursor, square);
    assert.equal(after.pictures[square], steppedPicture(pictures[square]));
    assert.deepEqual(problems, []);
  });
