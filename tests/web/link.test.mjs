// The address's fragment both ways: a link opens the page on its block, and
// every change is written back; anything else in it is ignored whole. A
// fragment changed from outside while the page is open opens as at start-up.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import {
  pageForEachTest, pageAddress, windowState, clickControl, clickBar, typeOver, tableOf, linkOf,
  assertShows, fragment, settledFragment, limits, settled,
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
    assert.equal(await settledFragment(page), '');
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

// Ways the fragment changes from outside, each from the page opened on
// 0,0=50&3,3=-20 with coefficient 9 selected: entering the address again with
// another fragment, a link on the page, Back and Forward. Each step is an
// action and the table (or null: a malformed link) the window then holds.
const enter = (link) => ['enter', link];
const follow = [
  { name: 'another address', steps: [[enter('1,0=-40&2,2=9'), { 1: -40, 18: 9 }]] },
  { name: 'a link', steps: [[['link', '0,1=100'], { 8: 100 }]] },
  { name: 'an address with no block', steps: [[enter(''), {}]] },
  { name: 'a malformed address', steps: [[enter('0,0=500'), null]] },
  { name: 'Back and Forward', steps: [[enter('4,4=4'), { 36: 4 }],
    [['back'], { 0: 50, 27: -20 }], [['forward'], { 36: 4 }]] },
  { name: 'Back to a malformed address and on', steps: [[enter('x'), null],
    [enter('5,5=5'), { 45: 5 }], [['back'], null], [['back'], { 0: 50, 27: -20 }]] },
];

async function change(page, [how, link]) {
  if (how === 'enter') {
    await page.goto(`${pageAddress}#${link}`);
  } else if (how === 'link') {
    // The page follows the change of address in a task of its own, after
    // the click: a listener after the page's own says when it has.
    await page.evaluate((link) => {
      const anchor = document.createElement('a');
      anchor.href = `#${link}`;
      anchor.id = 'test-link';
      anchor.textContent = 'link';
      document.body.prepend(anchor);
      window.dctFollowed = false;
      window.addEventListener('hashchange', () => { window.dctFollowed = true; }, { once: true });
    }, link);
    await page.click('#test-link');
    await page.waitForFunction(() => window.dctFollowed);
  } else if (how === 'back') {
    await page.goBack();
  } else {
    await page.goForward();
  }
}

for (const c of follow) {
  test(`the window follows ${c.name}`, async () => {
    const page = await tab.show('0,0=50&3,3=-20');
    await clickControl(page, 'Text2(9)');
    const loads = await page.evaluate(() => (window.dctLoaded = true));
    for (const [action, entries] of c.steps) {
      await change(page, action);
      // Nothing to enter: the window as at start-up, said why when malformed.
      if (entries === null || Object.keys(entries).length === 0) {
        const state = await windowState(page);
        assert.deepEqual(state.coefficientTexts, Array(64).fill('0'));
        assert.deepEqual(state.pixelGreys, Array(64).fill('#7f7f7f'));
        assert.equal(await notice(page), entries === null ? unreadable : '');
      } else {
        await assertShows(page, tableOf(entries), 0);
        assert.equal(await notice(page), '');
      }
    }
    assert.equal(await page.evaluate(() => window.dctLoaded), loads, 'the page was loaded again');
    assert.deepEqual(page.dctErrors, []);
  });
}

test('the page rewriting its address follows nothing, and drops the link notice', async () => {
  const page = await tab.show('0,0=500');
  assert.equal(await notice(page), unreadable);
  await typeOver(page, 'Text2(5)', '12');
  assert.equal(await settledFragment(page), '5,0=12');
  assert.equal(await notice(page), '');
  // A hashchange would have selected F(0,0) again.
  await assertShows(page, tableOf({ 5: 12 }), 5);
});

test('an address changed before the page rewrites it wins', async () => {
  const page = await tab.show('0,0=10');
  await typeOver(page, 'Text2(5)', '12');
  await page.goto(`${pageAddress}#1,1=11`);
  await settled(page);
  assert.equal(await fragment(page), '1,1=11');
  await assertShows(page, tableOf({ 9: 11 }), 0);
});

// The address stays as given, for a reload to open.
test('after Sair a changed address changes nothing in the window', async () => {
  const page = await tab.show('0,0=10');
  await clickControl(page, 'Command3');
  const { focus, ...ended } = await windowState(page);
  // The page's own listener, added before this one, has run when it runs.
  await page.evaluate(() => {
    window.dctHashChanged = new Promise((resolve) =>
      addEventListener('hashchange', () => resolve(true), { once: true }));
  });
  await page.goto(`${pageAddress}#1,1=11`);
  await page.evaluate(() => window.dctHashChanged);
  const { focus: _, ...after } = await windowState(page);
  assert.deepEqual(after, ended);
  assert.equal(await fragment(page), '1,1=11');
  assert.equal(await notice(page), '');
});
