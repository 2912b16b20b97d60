// The two scroll bars with the pointer and the keys: arrows, track, keys on
// a focused bar, and thumb drags.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import {
  pageForEachTest, windowState, clickControl, clickBar, dragThumb, tableOf, linkOf, assertShows,
  shownBlock, expectedBlock, pixelsPerStep, barPoint, limits,
} from './harness.mjs';

const tab = pageForEachTest();

// Coefficient 12 holds `start` and is selected; 11 and 4 hold 40, 13 holds -7,
// 20 holds 0. An input is a part of the bar to click, or a key pressed on the
// bar once a click on its thumb has focused it, which moves the bar and never
// the page.
const cases = [
  ['value right arrow adds one', 40, 'HScroll2', 'right', 12, 41],
  ['value left arrow takes one', 40, 'HScroll2', 'left', 12, 39],
  ['value track right of the thumb adds ten', 40, 'HScroll2', 'after', 12, 50],
  ['value track left of the thumb takes ten', 40, 'HScroll2', 'before', 12, 30],
  ['value track right stops at 100', 95, 'HScroll2', 'after', 12, 100],
  ['value right arrow at 100 changes nothing', 100, 'HScroll2', 'right', 12, 100],
  ['value left arrow at -100 changes nothing', -100, 'HScroll2', 'left', 12, -100],
  ['value key Right adds one', 40, 'HScroll2', 'ArrowRight', 12, 41],
  ['value key Down adds one', 40, 'HScroll2', 'ArrowDown', 12, 41],
  ['value key Left takes one', 40, 'HScroll2', 'ArrowLeft', 12, 39],
  ['value key Up takes one', 40, 'HScroll2', 'ArrowUp', 12, 39],
  ['value Page Down adds ten', 40, 'HScroll2', 'PageDown', 12, 50],
  ['value Page Up takes ten', 40, 'HScroll2', 'PageUp', 12, 30],
  ['value Page Up stops at -100', -95, 'HScroll2', 'PageUp', 12, -100],
  ['value Home goes to -100', 40, 'HScroll2', 'Home', 12, -100],
  ['value End goes to 100', 40, 'HScroll2', 'End', 12, 100],
  ['value Space changes nothing', 40, 'HScroll2', ' ', 12, 40],
  ['value Page Down at 100 changes nothing', 100, 'HScroll2', 'PageDown', 12, 100],
  ['selector right arrow to another value', 40, 'HScroll1', 'right', 13, -7],
  ['selector left arrow to an equal value', 40, 'HScroll1', 'left', 11, 40],
  ['selector track right adds eight', 40, 'HScroll1', 'after', 20, 0],
  ['selector track left takes eight', 40, 'HScroll1', 'before', 4, 40],
  ['selector key Right adds one', 40, 'HScroll1', 'ArrowRight', 13, -7],
  ['selector key Left takes one', 40, 'HScroll1', 'ArrowLeft', 11, 40],
  ['selector Page Down adds eight', 40, 'HScroll1', 'PageDown', 20, 0],
  ['selector Page Up takes eight', 40, 'HScroll1', 'PageUp', 4, 40],
  ['selector Home goes to coefficient 0', 40, 'HScroll1', 'Home', 0, 0],
  ['selector End goes to coefficient 63', 40, 'HScroll1', 'End', 63, 0],
  ['selector Space changes nothing', 40, 'HScroll1', ' ', 12, 40],
];
const parts = ['left', 'right', 'before', 'after'];

for (const [name, start, bar, input, selection, value] of cases) {
  test(`${name}`, async () => {
    const table = tableOf({ 4: 40, 11: 40, 12: start, 13: -7 });
    const page = await tab.show(linkOf(table));
    await clickControl(page, 'Text2(12)');
    if (parts.includes(input)) {
      await clickBar(page, bar, input);
    } else {
      // Pressed and released without moving, the thumb changes nothing.
      await clickBar(page, bar, 'thumb');
      await assertShows(page, table, 12);
      // From halfway down the page, which any of these keys would scroll.
      const scrolled = () => page.evaluate(() => scrollY);
      await page.evaluate(() => scrollTo(0, (document.documentElement.scrollHeight - innerHeight) / 2));
      const before = await scrolled();
      assert.ok(before > 0, 'the page cannot scroll');
      await page.keyboard.press(input);
      assert.equal(await scrolled(), before, 'the page scrolled');
    }
    table[selection] = value;
    await assertShows(page, table, selection);
    assert.equal((await windowState(page)).focus, bar);
  });
}

test('dragging the value thumb shows each value, computing the block at the release', async () => {
  const table = tableOf({ 1: -20, 10: 40 });
  const page = await tab.show(linkOf(table));
  await clickControl(page, 'Text2(10)');
  const blockBefore = shownBlock(await windowState(page));
  // The last beyond the bar's end.
  const values = [45, 52, 60, 71, 150];
  const step = await pixelsPerStep(page, 'HScroll2');
  const seen = [];
  await dragThumb(page, 'HScroll2', values.map((v) => Math.round((v - 40) * step)), async () => {
    const state = await windowState(page);
    seen.push(state.value);
    assert.equal(state.coefficientTexts[10], String(state.value));
    assert.deepEqual(shownBlock(state), blockBefore, `the block changed at ${state.value}`);
    // Otherwise the check above could not tell a repaint from none.
    assert.notDeepEqual(expectedBlock(table.with(10, state.value)), blockBefore);
  });
  assert.deepEqual(seen, [45, 52, 60, 71, 100]);
  table[10] = 100;
  await assertShows(page, table, 10);
});

test('dragging the selector thumb moves the highlight along the boxes', async () => {
  const table = tableOf({ 1: 20, 2: 20, 3: -5 });
  const page = await tab.show(linkOf(table));
  const indices = [1, 2, 3, 4];
  const step = await pixelsPerStep(page, 'HScroll1');
  const seen = [];
  await dragThumb(page, 'HScroll1', indices.map((i) => Math.round(i * step)), async () => {
    const { selector } = await windowState(page);
    seen.push(selector);
    await assertShows(page, table, selector);
  });
  assert.deepEqual(seen, indices);
  await assertShows(page, table, 4);
});

test('a middle click in the track puts the thumb under the pointer, as on the desktop',
  { skip: limits.otherButtons }, async () => {
  const table = tableOf({ 3: 40 });
  const page = await tab.show(linkOf(table));
  await clickControl(page, 'Text2(3)');
  const { x, y } = await barPoint(page, 'HScroll2', 'after');
  await page.mouse.click(x, y, { button: 'middle' });
  const { value } = await windowState(page);
  const thumb = await page.$eval('[id="HScroll2"] .thumb', (element) => {
    const box = element.getBoundingClientRect();
    return box.left + box.width / 2;
  });
  assert.ok(value > 50, `the value went to ${value}`);
  assert.ok(Math.abs(thumb - x) <= (await pixelsPerStep(page, 'HScroll2')), 'the thumb is elsewhere');
  await assertShows(page, table.with(3, value), 3);
});
