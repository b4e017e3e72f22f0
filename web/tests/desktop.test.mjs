// SPDX-License-Identifier: MIT
// The browser draws the board as the desktop does: game 4242's settled board on the canvas,
// square by square, pixel for pixel, against the Qt window drawn offscreen by
// quadrelle-window-picture from the test preset's build (or the program in
// QUADRELLE_WINDOW_PICTURE). Skipped when that build is not there.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFile } from 'node:child_process';
import { existsSync } from 'node:fs';
import { mkdtemp, readFile, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { promisify } from 'node:util';
import { launchBrowser, openGame, projectRoot, serveSite, unlikeSquares } from './game-page.mjs';

const windowPicture = process.env.QUADRELLE_WINDOW_PICTURE ??
  join(projectRoot, 'build/test/tests/app/quadrelle-window-picture');
const missing = !existsSync(windowPicture) &&
  `no desktop build to compare with: ${windowPicture} is missing (cmake --build --preset test builds it)`;

test('the settled board of game 4242 is the desktop\'s, pixel for pixel', { skip: missing }, async (t) => {
  const folder = await mkdtemp(join(tmpdir(), 'quadrelle-window-'));
  t.after(() => rm(folder, { recursive: true, force: true }));
  const desktopPng = join(folder, 'window.png');
  await promisify(execFile)(windowPicture, ['4242', desktopPng], {
    env: { ...process.env, QT_QPA_PLATFORM: 'offscreen', LANG: 'C', LC_ALL: 'C', QT_SCALE_FACTOR: '1' },
    timeout: 60000,
  });
  const server = await serveSite();
  t.after(() => server.close());
  const browser = await launchBrowser();
  t.after(() => browser.close());
  const { page } = await openGame(browser, server, { game: 4242 });
  assert.deepEqual(await unlikeSquares(page, await readFile(desktopPng)), [], 'squares unlike the desktop\'s');
});
