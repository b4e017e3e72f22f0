// SPDX-License-Identifier: MIT
// The game speaks the browser's language: German and French from the locale, English otherwise.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { launchBrowser, openGame, screenOf, serveSite } from './game-page.mjs';

let server, browser;
before(async () => {
  server = await serveSite();
  browser = await launchBrowser();
});
after(async () => {
  await browser?.close();
  server?.close();
});

for (const [locale, soundOff] of [['de-DE', 'Ton aus'], ['fr-FR', 'Son coupé'], ['es-ES', 'Sound off']]) {
  test(`with the browser in ${locale}, M says "${soundOff}"`, async () => {
    const { page, problems } = await openGame(browser, server, { locale });
    await page.keyboard.press('m');
    assert.equal((await screenOf(page)).notice, soundOff);
    assert.deepEqual(problems, []);
  });
}
