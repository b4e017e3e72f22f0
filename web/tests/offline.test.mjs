// SPDX-License-Identifier: MIT
// The installable, offline game: the manifest names the game and its icons, the service worker
// keeps every file of the site, and with the network gone a reload still deals the board.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readdir } from 'node:fs/promises';
import { openGame, screenOf, serveSite, sharedBrowser, site, waitForBoard } from './game-page.mjs';

const shared = sharedBrowser();

test('the manifest makes the game installable, with its icons at 192 and 512 pixels', async () => {
  const { page } = await shared.openGame();
  const manifest = await page.evaluate(async () => {
    const found = await (await fetch(document.querySelector('link[rel=manifest]').href)).json();
    for (const icon of found.icons) {
      const image = new Image();
      image.src = icon.src;
      await image.decode();
      icon.drawn = `${image.naturalWidth}x${image.naturalHeight}`;
    }
    return found;
  });
  assert.equal(manifest.name, 'Quadrelle!');
  assert.deepEqual([manifest.display, manifest.background_color, manifest.theme_color], ['standalone', '#000000', '#000000']);
  assert.deepEqual(manifest.icons.map((icon) => [icon.sizes, icon.drawn]), [['192x192', '192x192'], ['512x512', '512x512']]);
});

test('with the network gone, a reload deals the board from the service worker', async () => {
  // A server of its own, which goes away for good.
  const leaving = await serveSite();
  const { context, page, problems } = await openGame(shared.browser, leaving, { game: 4242 });
  await page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    while (!navigator.serviceWorker.controller) await new Promise((done) => setTimeout(done, 50));
  });
  const kept = await page.evaluate(async () => (await caches.open((await caches.keys())[0]).then((cache) =>
    cache.keys())).map((request) => new URL(request.url).pathname.slice(1)));
  const files = (await readdir(site, { recursive: true, withFileTypes: true }))
    .filter((entry) => entry.isFile() && entry.name !== 'service-worker.js')
    .map((entry) => `${entry.parentPath ?? entry.path}/${entry.name}`.slice(site.length + 1));
  assert.deepEqual(kept.filter((file) => file !== '').sort(), files.sort(), 'every file of the site is kept');

  await context.setOffline(true);
  await new Promise((done) => {
    leaving.close(done);
    leaving.closeAllConnections();
  });
  await page.reload();
  await waitForBoard(page);
  assert.equal((await screenOf(page)).gameNumber, '4242');
  assert.deepEqual(problems, []);
});
