// Selecting a coefficient by clicking its box, and typing into the boxes:
// the selected one keystroke by keystroke, and one reached with Tab.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import {
  pageForEachTest, reopen, control, windowState, clickControl, selectAll, pressKeys, tableOf,
  linkOf, assertShows, highlightAt, limits,
} from './harness.mjs';

const tab = pageForEachTest();
// Only Chromium's driver has a touch screen to emulate.
const touchable = (process.env.DCT_BROWSER || 'chromium') === 'chromium';

const box = (index) => `Text2(${index})`;

// Box 0 holds 25 and is selected (the link selects it); then a press on box
// `target`: a left click selects it, changing no value; a right click, or a
// press released outside the box, is no click.
const clicks = [
  { name: 'a click on a box of another value', target: 9, targetValue: -60, selects: true },
  { name: 'a click on a box at 0', target: 9, targetValue: 0, selects: true },
  { name: 'a click on a box of the same value', target: 9, targetValue: 25, selects: true },
  { name: 'a click on the selected box', target: 0, targetValue: 25, selects: true },
  { name: 'a right click', target: 9, targetValue: -60, button: 'right' },
  { name: 'a press released below the window', target: 9, targetValue: -60, releaseOff: true },
];

for (const c of clicks) {
  const skip = c.button && limits.otherButtons;
  test(`${c.name} ${c.selects ? 'selects the box' : 'selects nothing'}`, { skip }, async () => {
    const table = tableOf({ 0: 25, [c.target]: c.targetValue });
    const page = await tab.show(linkOf(table));
    await assertShows(page, table, 0);
    const { x, y } = await (await control(page, box(c.target))).clickablePoint();
    await page.mouse.move(x, y);
    await page.mouse.down({ button: c.button });
    if (c.releaseOff) await page.mouse.move(x, y + 400);
    await page.mouse.up({ button: c.button });
    await assertShows(page, table, c.selects ? c.target : 0);
    if (c.selects) assert.equal((await windowState(page)).focus, box(c.target));
  });
}

// A tap selects the box's whole text, so that what is typed replaces it; a
// mouse click places the cursor, as on the desktop (here in "4|0": "470").
const pointers = [
  { name: 'a tap', touch: true, text: '7', value: 7 },
  { name: 'a mouse click', touch: false, text: '100', value: 100 },
];

for (const c of pointers) {
  test(`typing after ${c.name} on a box holding 40`, { skip: !touchable && c.touch }, async () => {
    const table = tableOf({ 9: 40 });
    const page = await tab.show();
    // A change of touch screen reloads the page: before it is opened.
    await page.setViewport({ width: 900, height: 900, hasTouch: c.touch });
    await reopen(page, linkOf(table));
    const { x, y } = await (await control(page, box(9))).clickablePoint();
    if (c.touch) await page.touchscreen.tap(x, y); else await page.mouse.click(x, y);
    await page.keyboard.type('7');
    table[9] = c.value;
    const texts = table.map(String);
    texts[9] = c.text;
    await assertShows(page, table, 9, texts);
    await page.setViewport({ width: 900, height: 900 });
  });
}

test('a click right after start-up moves the highlight and leaves the block grey', async () => {
  const page = await tab.show();
  await clickControl(page, box(9));
  const state = await windowState(page);
  assert.deepEqual(state.coefficientColours, highlightAt(9));
  assert.equal(state.selector, 9);
  assert.deepEqual(state.pixelGreys, Array(64).fill('#7f7f7f'));
});

// Box 27 holds `start` and is selected, box 20 holds 33. Each keystroke is
// [key, the box's text afterwards, the coefficient afterwards].
const typing = [
  { name: '1, 5, 0 over 40 store each and leave 100', start: 40, selectAll: true,
    keys: [['1', '1', 1], ['5', '15', 15], ['0', '100', 100]] },
  { name: 'a 0 after 100 keeps the text and 100', start: 100,
    keys: [['0', '1000', 100]] },
  { name: 'leading zeros are rewritten', start: 40, selectAll: true,
    keys: [['0', '0', 0], ['0', '00', 0], ['7', '7', 7]] },
  { name: '12abc keeps the letters and 12', start: 40, selectAll: true,
    keys: [['1', '1', 1], ['2', '12', 12], ['a', '12a', 12], ['b', '12ab', 12],
      ['c', '12abc', 12]] },
  { name: 'a letter over 40 reads 0 and is rewritten', start: 40, selectAll: true,
    keys: [['x', '0', 0], ['y', '0y', 0]] },
  { name: '2.5 keeps the text and 2', start: 2,
    keys: [['.', '2.', 2], ['5', '2.5', 2]] },
  { name: '-2.5 keeps the text and -2', start: -2,
    keys: [['.', '-2.', -2], ['5', '-2.5', -2]] },
  { name: '3.5 becomes 4', start: 40, selectAll: true,
    keys: [['3', '3', 3], ['.', '3.', 3], ['5', '4', 4]] },
  { name: 'an emptied box over 40 reads 0 and is rewritten', start: 40, selectAll: true,
    keys: [['Backspace', '0', 0]] },
  { name: 'an emptied box over 0 stays empty', start: 0, selectAll: true,
    keys: [['Backspace', '', 0]] },
  { name: 'a lone minus over 0 stays as typed', start: 0, selectAll: true,
    keys: [['-', '-', 0]] },
  { name: '-38 typed over 40 keeps the sign', start: 40, selectAll: true,
    keys: [['-', '-', 0], ['3', '-3', -3], ['8', '-38', -38]] },
  { name: 'Backspace leaves a lone minus that 7 follows', start: -5,
    keys: [['Backspace', '-', 0], ['7', '-7', -7]] },
  { name: '40000 reads 100', start: 0, selectAll: true,
    keys: [['0', '0', 0], ['0', '00', 0], ['0', '000', 0], ['0', '0000', 0], ['Home', '0000', 0],
      ['4', '100', 100]] },
  { name: '-40000 reads -100', start: 0, selectAll: true,
    keys: [['-', '-', 0], ['0', '-0', 0], ['0', '-00', 0], ['0', '-000', 0], ['0', '-0000', 0],
      ['Home', '-0000', 0], ['ArrowRight', '-0000', 0], ['4', '-100', -100]] },
];

for (const c of typing) {
  test(`typing into the selected box: ${c.name}`, async () => {
    const table = tableOf({ 20: 33, 27: c.start });
    const page = await tab.show(linkOf(table));
    await clickControl(page, box(27));
    if (c.selectAll) await selectAll(page); else await pressKeys(page, ['End']);
    for (const [key, text, value] of c.keys) {
      await page.keyboard.press(key);
      table[27] = value;
      const texts = table.map(String);
      texts[27] = text;
      await assertShows(page, table, 27, texts).catch((error) => {
        error.message = `after ${key}: ${error.message}`;
        throw error;
      });
    }
  });
}

// Box 18 holds `selectedValue` and is selected; Tab goes to box 19, which
// holds -12 unless said, and the keys go there; box 40 holds 33.
const tabs = [
  { name: 'a digit into a box of another value', selectedValue: 30, keys: ['7'], text: '7',
    value: 7 },
  { name: 'two digits', selectedValue: 30, keys: ['4', '5'], text: '45', value: 45 },
  { name: 'a digit into a box of the same value', selectedValue: 30, targetValue: 30, keys: ['7'],
    text: '7', value: 7 },
  { name: 'a digit into a zero box next to a zero box', selectedValue: 0, targetValue: 0,
    keys: ['7'], text: '7', value: 7 },
  { name: '150', selectedValue: 30, keys: ['1', '5', '0'], text: '100', value: 100 },
  { name: 'letters', selectedValue: 30, keys: ['a', 'b'], text: '0b', value: 0 },
  { name: 'a lone minus', selectedValue: 30, keys: ['-'], text: '-', value: 0 },
  { name: 'a lone minus into a zero box', selectedValue: 30, targetValue: 0, keys: ['-'], text: '-',
    value: 0 },
  { name: 'a minus in front after Home', selectedValue: 30, targetValue: 12, keys: ['Home', '-'],
    text: '-12', value: -12 },
  { name: 'Backspace after Home and a minus', selectedValue: 30, targetValue: 12,
    keys: ['Home', '-', 'Backspace'], text: '12', value: 12 },
  { name: 'Backspace after Home and a minus, from the same value', selectedValue: 12,
    targetValue: 12, keys: ['Home', '-', 'Backspace'], text: '12', value: 12 },
];

for (const c of tabs) {
  test(`after Tab into a box that was not selected: ${c.name}`, async () => {
    const table = tableOf({ 18: c.selectedValue, 19: c.targetValue ?? -12, 40: 33 });
    const page = await tab.show(linkOf(table));
    await clickControl(page, box(18));
    await page.keyboard.press('Tab');
    // Focus alone selects nothing.
    await assertShows(page, table, 18);
    assert.equal((await windowState(page)).focus, box(19));
    await pressKeys(page, c.keys);
    table[19] = c.value;
    const texts = table.map(String);
    texts[19] = c.text;
    await assertShows(page, table, 19, texts);
  });
}
