// SPDX-License-Identifier: MIT
// The clips through Web Audio: the page's AudioBufferSourceNodes are watched from an init
// script. A chain's reactions each start the long clip, and each new clip cuts off the one still
// playing, as the desktop's do.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { chainGame, clickUpperHalf, screensUntilRest, sharedBrowser } from './game-page.mjs';

const shared = sharedBrowser();

// Runs in the page before the game: every source started, with its clip's length, and when it
// was let go of.
function watchSources() {
  window.clipsPlayed = [];
  const { start, disconnect } = AudioBufferSourceNode.prototype;
  AudioBufferSourceNode.prototype.start = function (...rest) {
    this.played = { seconds: this.buffer.duration, startedAt: performance.now(), cutAt: null };
    window.clipsPlayed.push(this.played);
    return start.apply(this, rest);
  };
  AudioBufferSourceNode.prototype.disconnect = function (...rest) {
    if (this.played) this.played.cutAt ??= performance.now();
    return disconnect.apply(this, rest);
  };
}

test('each reaction of a chain starts the long clip and cuts off the one before', async () => {
  const { page, problems } = await shared.openGame({ game: chainGame.number, init: watchSources });
  await clickUpperHalf(page, chainGame.square);
  await screensUntilRest(page);
  const played = await page.evaluate(() => window.clipsPlayed);
  assert.equal(played.length, 2, `clips played: ${JSON.stringify(played)}`);
  const [first, second] = played;
  assert.ok(Math.abs(first.seconds - 1.515) < 0.01, `the reaction clip lasts ${first.seconds} s`);
  assert.ok(first.cutAt !== null && first.cutAt <= second.startedAt + 1, 'the first clip is let go of for the next');
  assert.ok(second.startedAt - first.startedAt < first.seconds * 1000, 'the next starts while the first plays');
  assert.deepEqual(problems, []);
});
