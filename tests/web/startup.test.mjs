import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { launch, openPage, windowState, limits } from './harness.mjs';

let browser;
before(async () => { browser = await launch(); });
after(async () => { await browser.close(); });

test('the page opens on the window in its reset state with no request to any server', async () => {
  const opened = await openPage(browser);
  const state = await windowState(opened);
  assert.equal(await opened.title(), 'Transformada DCT');
  assert.deepEqual(state.coefficientTexts, Array(64).fill('0'));
  assert.deepEqual(state.coefficientColours, ['#ffff40', ...Array(63).fill('#ffffff')]);
  assert.deepEqual(state.pixelHints, Array(64).fill('0'));
  assert.deepEqual(state.pixelGreys, Array(64).fill('#7f7f7f'));
  assert.equal(state.selector, 0);
  assert.equal(state.value, 0);
  assert.equal(state.indicator, '#ffffff');
  assert.equal(state.focus, 'Command1');
  assert.deepEqual(opened.dctErrors, []);
  // Not in WebKit, whose driver reports no requests (limits.requests).
  if (!limits.requests) assert.deepEqual(opened.dctRequests, []);
});
