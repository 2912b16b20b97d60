// What a screen reader, a finger and a narrow screen get: the controls' names,
// roles and places as the desktop edition has them, hints on a tap, and the
// window drawn smaller as a whole.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import {
  launch, openPage, reopen, control, windowState, clickControl, clickBar, dragThumb, pixelsPerStep,
  tableOf, assertShows, expectedBlock,
} from './harness.mjs';

// Every control: its rectangle in twips, its role, the name a screen reader
// says, and for a bar its range and value (F(0,0) = 100 selected). The boxes
// as the grids place and name them.
const controls = [
  ['Label2', [3600, 120, 492, 252], 'generic', 'F(0,0)'],
  ['Label3', [3600, 2760, 492, 372], 'generic', 'F(0,7)'],
  ['Label4', [7080, 2760, 492, 252], 'generic', 'F(7,7)'],
  ['Command1', [840, 3120, 1932, 372], 'button', 'Reset'],
  ['Label1', [120, 3720, 972, 252], 'generic', 'Coeficiente'],
  ['HScroll1', [1080, 3720, 4212, 252], 'scrollbar', 'Coeficiente', [0, 63, 0]],
  ['Valor', [120, 4200, 852, 252], 'generic', 'Valor'],
  ['HScroll2', [1080, 4200, 4212, 252], 'scrollbar', 'Valor', [-100, 100, 100]],
  ['Text3', [5640, 4200, 252, 288], 'textbox', 'Indicador de corte'],
  ['Command2', [2760, 4560, 852, 372], 'button', 'Zero'],
  ['Command3', [6600, 4560, 732, 372], 'button', 'Sair'],
];
for (let i = 0; i < 64; i++) {
  const [u, v] = [i % 8, Math.floor(i / 8)];
  controls.push([`Text1(${i})`, [360 + 360 * u, 120 + 360 * v, 372, 372], 'textbox',
    `Pixel da coluna ${u}, linha ${v}`]);
  controls.push([`Text2(${i})`, [4080 + 360 * u, 120 + 360 * v, 372, 372], 'textbox',
    `Coeficiente F(${u},${v})`]);
}

const pixels = (twips) => Math.round(twips / 15);

// Each control's rectangle within the client area, divided by the scale the
// window is drawn at.
function placesOf(page) {
  return page.evaluate(() => {
    const client = document.querySelector('.client').getBoundingClientRect();
    const scale = client.width / document.querySelector('.client').offsetWidth;
    const places = {};
    for (const element of document.querySelector('.client').children) {
      if (!element.id) continue;
      const r = element.getBoundingClientRect();
      places[element.id] = [r.left - client.left, r.top - client.top, r.width, r.height]
        .map((x) => x / scale);
    }
    return { scale, places };
  });
}

const link = '0,0=100&1,0=100';
const table = tableOf({ 0: 100, 1: 100 });

let browser;
let page;
let atFullSize;
before(async () => {
  browser = await launch();
  page = await openPage(browser, link);
  atFullSize = await placesOf(page);
});
after(async () => { await browser.close(); });

test('the window has 139 controls and is drawn at full size', () => {
  assert.deepEqual(Object.keys(atFullSize.places).sort(), controls.map(([name]) => name).sort());
  assert.equal(atFullSize.scale, 1);
});

for (const [name, rect, role, spoken, range] of controls) {
  test(`${name} stands at its place and is named "${spoken}"`, async () => {
    assert.deepEqual(atFullSize.places[name], rect.map(pixels));
    const node = await page.accessibility.snapshot({
      root: await control(page, name), interestingOnly: false });
    assert.equal(node.role, role);
    // A label is read out by its text.
    assert.equal(role === 'generic' ? node.children[0].name : node.name, spoken);
    if (range) {
      assert.deepEqual([node.valuemin, node.valuemax, node.value, node.orientation],
        [...range, 'horizontal']);
    }
    // A pixel's value is said as its description.
    const pixel = name.match(/^Text1\((\d+)\)$/);
    if (pixel) assert.equal(node.description, expectedBlock(table).pixelHints[pixel[1]]);
  });
}

test('a pixel box brings up no keyboard, a coefficient box one with the minus sign', async () => {
  const modes = await page.$$eval('[id^="Text1("], [id^="Text2("]', (boxes) =>
    [...new Set(boxes.map((box) => `${box.id.slice(0, 5)} ${box.inputMode}`))]);
  assert.deepEqual(modes, ['Text1 none', 'Text2 text']);
});

// A hint opened by hovering (after a moment) or by a tap (at once) shows the
// new value as soon as the block is computed again under it, here by keys.
for (const opening of ['hover', 'tap']) {
  test(`a hint opened by a ${opening} follows the block`, async () => {
    await page.setViewport({ width: 900, height: 900, hasTouch: opening === 'tap' });
    await reopen(page, link);
    const pixel = await control(page, 'Text1(9)');
    const hint = () => page.$eval('.hint', (e) => (e.hidden ? null : e.textContent));
    if (opening === 'tap') {
      await pixel.tap();
      assert.equal(await hint(), expectedBlock(table).pixelHints[9]);
    } else {
      await pixel.hover();
      await page.waitForSelector('.hint:not([hidden])');
      assert.equal(await hint(), expectedBlock(table).pixelHints[9]);
    }
    // From Reset, or from the tapped box, Tab reaches the coefficients.
    for (let n = 0; n < 5 && (await windowState(page)).focus !== 'Text2(0)'; n++) {
      await page.keyboard.press('Tab');
    }
    await page.keyboard.type('7');
    assert.equal(await hint(), expectedBlock(table.with(0, 7)).pixelHints[9]);
  });
}

test('a tap on a coefficient box selects it', async () => {
  await page.setViewport({ width: 900, height: 900, hasTouch: true });
  await reopen(page, link);
  await (await control(page, 'Text2(1)')).tap();
  await assertShows(page, table, 1);
});

test('on a narrow screen the whole window is drawn smaller and takes the pointer', async () => {
  await page.setViewport({ width: 900, height: 900 });
  await reopen(page, link);
  await page.setViewport({ width: 360, height: 740 });
  // The browser tells the page of the new size before it draws the next frame.
  await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(resolve)));
  const { scale, places } = await placesOf(page);
  assert.ok(scale < 0.7, `drawn at ${scale}`);
  for (const [name, rect] of controls) {
    places[name].forEach((x, i) =>
      assert.ok(Math.abs(x - pixels(rect[i])) < 0.01, `${name}: ${places[name]}`));
  }
  assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= innerWidth));
  await clickControl(page, 'Text2(9)');
  await clickBar(page, 'HScroll2', 'after');
  await assertShows(page, table.with(9, 10), 9);
  const step = await pixelsPerStep(page, 'HScroll2');
  await dragThumb(page, 'HScroll2', [Math.round(30 * step)]);
  await assertShows(page, table.with(9, 40), 9);
});
