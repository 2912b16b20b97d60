// The address's fragment both ways: a link opens the page on its block, and
// every change is written back; anything else in it is ignored whole.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import {
  pageForEachTest, pageAddress, windowState, clickControl, clickBar, tableOf, assertShows, fragment, settledFragment,
  limits,
} from './harness.mjs';

const tab = pageForEachTest();

const unreadable =
  'O endereço desta página traz coeficientes que não se podem ler; foram ignorados.';

const notice = (page) => page.$eval('#link-notice', (e) => e.textContent);

test('a link opens its block with F(0,0) selected; each change rewrites it, Reset clears it',
  async () => {
    const page = await tab.show('0,0=100&1,0=-40');
    await assertShows(page, tableOf({ 0: 100, 1: -40 }), 0);
    assert.equal(await notice(page), '');
    const entries = () => page.evaluate(() => history.length);
    const entriesBefore = await entries();
    await clickControl(page, 'Text2(1)');
    await clickBar(page, 'HScroll2', 'right');
    await assertShows(page, tableOf({ 0: 100, 1: -39 }), 1);
    await clickControl(page, 'Command1');
    assert.equal(await settledFragment(page, ''), '');
    assert.equal(await page.evaluate(() => location.href), pageAddress);
    assert.equal(await entries(), entriesBefore, 'a change made an entry in the history');
    assert.deepEqual(page.dctErrors, []);
  });

// Each of these is ignored whole: the window opens as at start-up.
const malformed = [
  ['an index beyond 7', '8,0=1'],
  ['a value beyond 100', '0,0=101'],
  ['a value below -100', '3,2=-101'],
  ['one bad part among good ones', '0,0=5&1,0=x&2,0=7'],
  ['a coefficient given twice', '0,0=1&1,0=2&0,0=1'],
  ['junk', 'hello'],
  ['a trailing &', '0,0=5&'],
  ['a missing value', '0,0='],
  ['spaces', '0,0=%205'],
  ['a plus sign', '0,0=+5'],
  ['100 KB', '0,0=1&'.repeat(17000) + '0,0=1'],
];

for (const [name, link] of malformed) {
  test(`a link with ${name} is ignored with a notice`, async () => {
    const page = await tab.show(link);
    const state = await windowState(page);
    assert.deepEqual(state.coefficientTexts, Array(64).fill('0'));
    assert.deepEqual(state.pixelGreys, Array(64).fill('#7f7f7f'));
    assert.equal(await notice(page), unreadable);
    assert.equal(await fragment(page), link, 'the address changed before any input');
    assert.deepEqual(page.dctErrors, []);
  });
}

// Markup in the address runs nothing: no dialog, no request, no element.
const hostile = ['<img src=x onerror=alert(1)>', '0,0=1&<script>alert(1)</script>',
  '"><svg onload=alert(1)>', 'javascript:alert(1)'];

test('a link holding markup runs nothing and adds no element', async () => {
  const page = await tab.show();
  const elements = () => page.evaluate(() => document.getElementsByTagName('*').length);
  const count = await elements();
  const dialogs = [];
  page.on('dialog', async (dialog) => {
    dialogs.push(dialog.message());
    await dialog.dismiss();
  });
  for (const link of hostile) {
    await tab.show(link);
    assert.equal(await notice(page), unreadable, link);
    assert.equal(await elements(), count, link);
  }
  assert.deepEqual(dialogs, []);
  // Not in WebKit, whose driver reports no requests (limits.requests).
  if (!limits.requests) assert.deepEqual(page.dctRequests, []);
  assert.deepEqual(page.dctErrors, []);
});
