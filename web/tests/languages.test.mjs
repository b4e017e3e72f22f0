// SPDX-License-Identifier: MIT
// The game speaks the browser's language: German and French from the locale, English otherwise.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { screenOf, sharedBrowser } from './game-page.mjs';

const shared = sharedBrowser();

for (const [locale, soundOff] of [['de-DE', 'Ton aus'], ['fr-FR', 'Son coupé'], ['es-ES', 'Sound off']]) {
  test(`with the browser in ${locale}, M says "${soundOff}"`, async () => {
    const { page, problems } = await shared.openGame({ locale });
    await page.keyboard.press('m');
    assert.equal((await screenOf(page)).notice, soundOff);
    assert.deepEqual(problems, []);
  });
}
