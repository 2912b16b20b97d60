// The buttons Reset, Zero and Sair, the Tab order and the clipping indicator.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import {
  pageForEachTest, pageAddress, windowState, clickControl, clickBar, typeOver, pressKeys, tableOf,
  linkOf, assertShows, settledFragment, highlightAt, shownBlock, limits, settled, nextFrame,
} from './harness.mjs';

const tab = pageForEachTest();

async function assertResetState(page) {
  const state = await windowState(page);
  assert.deepEqual(state.coefficientTexts, Array(64).fill('0'));
  assert.deepEqual(state.coefficientColours, highlightAt(0));
  assert.deepEqual(state.pixelHints, Array(64).fill('0'));
  assert.deepEqual(state.pixelGreys, Array(64).fill('#7f7f7f'));
  assert.deepEqual([state.selector, state.value, state.indicator], [0, 0, '#ffffff']);
  assert.equal(await settledFragment(page), '');
}

test('Reset from a messy state clears everything and the next move counts', async () => {
  // Clipped, with typed text that reads as the value already held and text
  // beyond 100.
  const page = await tab.show('0,0=100&1,0=100&0,5=-35');
  await typeOver(page, 'Text2(12)', 'abc');
  await typeOver(page, 'Text2(33)', '100');
  await page.keyboard.press('0');
  assert.equal((await windowState(page)).indicator, '#ff0000');
  await clickControl(page, 'Command1');
  await assertResetState(page);
  await clickBar(page, 'HScroll2', 'right');
  await assertShows(page, tableOf({ 0: 1 }), 0);
});

test('Reset of a cleared window leaves the start-up grey', async () => {
  const page = await tab.show();
  await clickControl(page, 'Command1');
  await assertResetState(page);
});

// Zero sets the selected coefficient to 0 and computes the block, even when
// it was 0 already (the computed zero block is #808080, not the start-up grey).
const zeros = [
  { name: 'a coefficient of another value', table: { 5: 30, 27: -12 }, selected: 5 },
  { name: 'a coefficient at 0', table: { 27: -12 }, selected: 5 },
  { name: 'the start-up window', table: {}, selected: 0 },
  { name: 'the start-up window, by the space bar after Tab', table: {}, selected: 0, key: ' ' },
  { name: 'the start-up window, by Enter after Tab', table: {}, selected: 0, key: 'Enter' },
];

for (const c of zeros) {
  test(`Zero on ${c.name}`, async () => {
    const table = tableOf(c.table);
    const page = await tab.show(linkOf(table));
    if (c.selected !== 0) await clickControl(page, `Text2(${c.selected})`);
    if (c.key) {
      await pressKeys(page, ['Tab', c.key]);
    } else {
      await clickControl(page, 'Command2');
    }
    await assertShows(page, table.with(c.selected, 0), c.selected);
  });
}

// In a tab that a script opened, which a script may close: closing it would
// lose the block.
test('Sair disables every control, says so, handles no further input and closes nothing',
  async () => {
  // A tab that a script opened is one a page may close; where the browser's
  // driver cannot follow one (limits.windows), the tab opened directly.
  const opener = await tab.show(limits.windows ? '2,0=7' : '');
  let page = opener;
  if (!limits.windows) {
    const opened = new Promise((resolve) => tab.browser().once('targetcreated', resolve));
    await opener.evaluate((address) => window.open(address), `${pageAddress}#2,0=7`);
    page = await (await opened).page();
    page.dctErrors = [];
    page.on('pageerror', (error) => page.dctErrors.push(String(error)));
  }
  try {
    await page.setViewport({ width: 900, height: 900 });
    await page.waitForFunction(() => document.querySelector('.window-box #Command1'));
    await page.bringToFront();
    const block = shownBlock(await windowState(page));
    await clickControl(page, 'Command3');
    // Whatever the program does, it has done once it has settled, and the
    // browser by the next frame.
    await settled(page);
    await nextFrame(page);
    assert.equal(page.isClosed(), false, 'the tab was closed');
    assert.deepEqual(shownBlock(await windowState(page)), block, 'the block is gone');
    assert.deepEqual(await page.evaluate(() => ({
      disabled: [...document.querySelectorAll('.client input, .client button')]
        .every((e) => e.disabled),
      bars: [...document.querySelectorAll('#program .bar, #lesson .bar')]
        .map((bar) => [bar.tabIndex, bar.getAttribute('aria-disabled')]),
      picture: document.getElementById('picPicture').tabIndex,
      statuses: [...document.querySelectorAll('.status')]
        .map((status) => [status.textContent, status.getAttribute('role')]),
    })), {
      disabled: true,
      bars: Array(5).fill([-1, 'true']),
      picture: -1,
      // Said once, below the window.
      statuses: [['O programa terminou. Recarregue a página para o iniciar de novo.', 'status'],
        ['', 'status']],
    });
    const { focus, ...ended } = await windowState(page);
    await clickBar(page, 'HScroll2', 'right');
    await clickBar(page, 'HScroll1', 'after');
    await page.keyboard.press('ArrowRight');
    await clickControl(page, 'Text2(5)');
    await page.keyboard.type('9');
    await clickControl(page, 'Command1');
    const { focus: _, ...after } = await windowState(page);
    assert.deepEqual(after, ended);
    assert.deepEqual(ended.coefficientTexts, tableOf({ 2: 7 }).map(String));
    assert.equal(await settledFragment(page), '2,0=7');
    assert.deepEqual(page.dctErrors, []);
  } finally {
    if (page !== opener) {
      if (!page.isClosed()) await page.close();
      await opener.bringToFront();
    }
  }
});

test('Tab goes from Reset through the coefficients, skipping pixels and labels', async () => {
  const page = await tab.show();
  const expected = ['Command2', 'HScroll1', ...Array.from({ length: 64 }, (_, i) => `Text2(${i})`),
    'HScroll2', 'Command3'];
  const visited = [];
  for (let i = 0; i < expected.length; i++) {
    await page.keyboard.press('Tab');
    visited.push((await windowState(page)).focus);
  }
  assert.deepEqual(visited, expected);
  // Focus alone selects nothing.
  assert.deepEqual((await windowState(page)).coefficientColours, highlightAt(0));
});

// The indicator is red when a pixel was clipped, and says so in words, which
// a screen reader is told as they change; `typed` is typed over a box's text
// afterwards.
const clipped = ['#ff0000', 'Algum pixel foi cortado para o limite de 127 ou -127'];
const notClipped = ['#ffffff', 'Nenhum pixel foi cortado'];
const indicators = [
  { link: '0,0=100&1,0=100', expected: clipped },
  { link: '0,0=-100&0,1=-100', expected: clipped },
  { link: '0,0=100', expected: notClipped },
  { link: '', expected: notClipped },
  { link: '0,0=100', typed: ['Text2(1)', '100'], expected: clipped },
  { link: '0,0=100&1,0=100', typed: ['Text2(1)', '0'], expected: notClipped },
];

for (const c of indicators) {
  test(`the indicator for #${c.link}${c.typed ? ` and ${c.typed.join(' = ')}` : ''}`, async () => {
    const page = await tab.show(c.link);
    if (c.typed) await typeOver(page, ...c.typed);
    const words = await page.$eval('#Text3', (e) => e.getAttribute('aria-description'));
    const announced = await page.$eval('.announcer', (e) => e.textContent);
    assert.deepEqual([(await windowState(page)).indicator, words], c.expected);
    assert.equal(announced, words);
  });
}
