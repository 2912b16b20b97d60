// What a screen reader, a finger, a phone, high contrast and a printer get:
// the controls' names, roles and places as the desktop edition has them,
// hints on a tap, the layout for fingers, colours that stay and print.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import {
  launch, openPage, reopen, control, windowState, clickControl, clickBar, dragThumb, pixelsPerStep,
  tableOf, assertShows, expectedBlock, barPoint,
} from './harness.mjs';

// Every control: its rectangle in twips, its role, the name a screen reader
// says, and for a bar its range, value and what is said for the value (F(0,0)
// = 100 selected). The boxes as the grids place and name them.
const controls = [
  ['Label2', [3600, 120, 492, 252], 'generic', 'F(0,0)'],
  ['Label3', [3600, 2760, 492, 372], 'generic', 'F(0,7)'],
  ['Label4', [7080, 2760, 492, 252], 'generic', 'F(7,7)'],
  ['Command1', [840, 3120, 1932, 372], 'button', 'Reset'],
  ['Label1', [120, 3720, 972, 252], 'generic', 'Coeficiente'],
  ['HScroll1', [1080, 3720, 4212, 252], 'slider', 'Coeficiente', [0, 63, 0, 'F(0,0)']],
  ['Valor', [120, 4200, 852, 252], 'generic', 'Valor'],
  ['HScroll2', [1080, 4200, 4212, 252], 'slider', 'Valor', [-100, 100, 100, null]],
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
    // Chromium's own view of the page leaves aria-valuetext out: the attribute.
    if (range) {
      const valueText = await page.$eval(`[id="${name}"]`, (e) => e.getAttribute('aria-valuetext'));
      assert.deepEqual([node.valuemin, node.valuemax, node.value, valueText, node.orientation],
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

test('the selector says which coefficient it selects', async () => {
  await page.setViewport({ width: 900, height: 900 });
  await reopen(page, link);
  await clickControl(page, 'Text2(25)');
  const said = () => page.$eval('#HScroll1', (e) => e.getAttribute('aria-valuetext'));
  assert.equal(await said(), 'F(1,3)');
  await page.keyboard.press('Tab');
  await page.keyboard.press('Tab');
  await clickBar(page, 'HScroll1', 'right');
  assert.equal(await said(), 'F(2,3)');
});

// The selected box and the clipping indicator say what they mean without
// their colour: to a screen reader, and drawn (a dark frame, hatching).
test('the selection and the clipping are told without colour', async () => {
  await page.setViewport({ width: 900, height: 900 });
  await reopen(page, '0,0=100');
  const marks = () => page.evaluate(() => ({
    current: [...document.querySelectorAll('[aria-current="true"]')].map((e) => e.id),
    announced: document.querySelector('.announcer[aria-live="polite"]').textContent,
    hatched: getComputedStyle(document.getElementById('Text3')).backgroundImage !== 'none',
  }));
  assert.deepEqual(await marks(), { current: ['Text2(0)'], announced: 'Nenhum pixel foi cortado',
    hatched: false });
  await clickControl(page, 'Text2(1)');
  await page.keyboard.type('100');
  assert.deepEqual(await marks(), { current: ['Text2(1)'],
    announced: 'Algum pixel foi cortado para o limite de 127 ou -127', hatched: true });
  // The frame: dark just inside the border, where an unselected box is white.
  const inside = await framePixels(page, ['Text2(1)', 'Text2(2)']);
  assert.ok(inside[0] < 64 && inside[1] > 200, `frame greys ${inside}`);
});

// The grey just inside each box's border, read from a screenshot.
async function framePixels(page, names) {
  const image = await screenshotPixels(page);
  const greys = [];
  for (const name of names) {
    const box = await (await control(page, name)).boundingBox();
    greys.push(image.grey(Math.round(box.x + box.width / 2), Math.round(box.y + 1.5)));
  }
  return greys;
}

// A PNG of the page as { width, grey(x, y), rgb(x, y) }, decoded by the
// browser itself.
async function screenshotPixels(target, png) {
  const data = png ?? await target.screenshot({ encoding: 'base64' });
  const decoder = await openPage(browser, '', { width: 100, height: 100 });
  const pixels = await decoder.evaluate(async (data) => {
    const image = new Image();
    image.src = `data:image/png;base64,${data}`;
    await image.decode();
    const canvas = new OffscreenCanvas(image.width, image.height);
    const context = canvas.getContext('2d');
    context.drawImage(image, 0, 0);
    return { width: image.width, data: [...context.getImageData(0, 0, image.width,
      image.height).data] };
  }, typeof data === 'string' ? data : Buffer.from(data).toString('base64'));
  await decoder.close();
  const rgb = (x, y) => pixels.data.slice(4 * (y * pixels.width + x), 4 * (y * pixels.width + x) + 3);
  return { width: pixels.width, rgb, grey: (x, y) => Math.round(rgb(x, y).reduce((a, b) => a + b) / 3) };
}

const cssGrey = (colour) => parseInt(colour.slice(1, 3), 16);

// Under forced colours (a high-contrast theme) the browser would paint every
// box in the theme's colours: the pixels, the selection and the indicator
// keep theirs, and the bars stay visible.
test('high contrast keeps the block, the selection, the indicator and the bars', async () => {
  await page.setViewport({ width: 900, height: 900 });
  await reopen(page, link);
  // Puppeteer does not know the feature; Chromium paints as in high contrast.
  const session = await page.createCDPSession();
  const forced = (value) => session.send('Emulation.setEmulatedMedia',
    { features: [{ name: 'forced-colors', value }] });
  await forced('active');
  try {
    const image = await screenshotPixels(page);
    const centre = async (name) => {
      const box = await (await control(page, name)).boundingBox();
      return image.rgb(Math.round(box.x + box.width / 2), Math.round(box.y + box.height - 4));
    };
    const greys = expectedBlock(table).pixelGreys;
    for (const i of [0, 7, 27, 63]) {
      assert.deepEqual(await centre(`Text1(${i})`), Array(3).fill(cssGrey(greys[i])), `pixel ${i}`);
    }
    assert.deepEqual(await centre('Text2(0)'), [255, 255, 64]);
    assert.deepEqual((await centre('Text3')).slice(0, 1), [255]);
    // Each bar's thumb stands out from its track.
    for (const name of ['HScroll1', 'HScroll2']) {
      const thumb = await barPoint(page, name, 'thumb');
      const track = await barPoint(page, name, name === 'HScroll1' ? 'after' : 'before');
      const difference = Math.abs(image.grey(Math.round(thumb.x), Math.round(thumb.y)) -
        image.grey(Math.round(track.x), Math.round(track.y)));
      assert.ok(difference > 100, `${name}: thumb and track differ by ${difference}`);
    }
  } finally {
    await forced('none');
    await session.detach();
  }
});

// Printed with the browser's defaults (which leave backgrounds out), the
// block comes out in its greys. A Letter page at 96 dots per inch has the
// page's own pixels: each box is where print media lays it out.
test('the printed page shows the block', async () => {
  await page.setViewport({ width: 816, height: 1056 });
  await reopen(page, link);
  const folder = mkdtempSync(path.join(tmpdir(), 'dct-print-'));
  try {
    writeFileSync(path.join(folder, 'page.pdf'), await page.pdf({ format: 'letter' }));
    execFileSync('pdftoppm', ['-png', '-r', '96', '-f', '1', '-l', '1', '-singlefile',
      path.join(folder, 'page.pdf'), path.join(folder, 'page')]);
    const image = await screenshotPixels(page, readFileSync(path.join(folder, 'page.png')));
    await page.emulateMediaType('print');
    const greys = expectedBlock(table).pixelGreys;
    for (const i of [0, 3, 7, 27, 63]) {
      const box = await (await control(page, `Text1(${i})`)).boundingBox();
      const printed = image.rgb(Math.round(box.x + box.width / 2), Math.round(box.y + box.height / 2));
      assert.ok(printed.every((c) => Math.abs(c - cssGrey(greys[i])) <= 2),
        `pixel ${i}: ${printed}, not ${greys[i]}`);
    }
  } finally {
    await page.emulateMediaType(null);
    rmSync(folder, { recursive: true });
  }
});

// ---------------------------------------------------------------------------
// A phone held upright: the layout for fingers.

const phone = { width: 360, height: 740, hasTouch: true, isMobile: true };

// Every control's rectangle as drawn, in the page's pixels.
const drawnPlaces = (page) => page.evaluate(() => Object.fromEntries(
  [...document.querySelectorAll('.client [id], .bar .arrow, .bar .thumb')].map((element) => {
    const r = element.getBoundingClientRect();
    const name = element.id || `${element.parentElement.id} ${element.className}`;
    return [name, [r.left, r.top, r.width, r.height]];
  })));

test('on a phone every box, bar, arrow and button is at least 40 pixels each way', async () => {
  await page.setViewport(phone);
  await reopen(page, link);
  const places = await drawnPlaces(page);
  const small = Object.entries(places)
    .filter(([name]) => !/^Label|^Valor|^lbl|thumb/.test(name))
    .filter(([, [, , width, height]]) => width < 40 || height < 40);
  assert.deepEqual(small, []);
  assert.equal(Object.keys(places).filter((name) => /Text[12]\(/.test(name)).length, 128);
  assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= innerWidth),
    'the page scrolls sideways');
  // The pixel block stands above the coefficients.
  assert.ok(places['Text1(63)'][1] < places['Text2(0)'][1]);
});

// From a wide screen to a phone and back, by the page's style alone: the
// same elements, each at its place for the screen.
test('the layout follows the screen, and a screen narrower still draws it smaller', async () => {
  await page.setViewport({ width: 900, height: 900 });
  await reopen(page, link);
  const elements = () => page.evaluate(() => window.dctElements ??= [...document.querySelectorAll(
    '.client [id]')]).then(() => page.evaluate(() => window.dctElements.every((e) => e.isConnected)));
  await elements();
  for (const [width, scale] of [[360, 1], [500, 1], [300, 284 / 344], [900, 1]]) {
    await page.setViewport({ ...phone, width });
    await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(resolve)));
    const shown = await placesOf(page);
    assert.ok(Math.abs(shown.scale - scale) < 0.005, `at ${width}: drawn at ${shown.scale}`);
    assert.ok(await elements(), 'elements were made anew');
    assert.deepEqual(shown.places['Text2(9)'].map(Math.round),
      width === 900 ? [4440, 480, 372, 372].map(pixels) : [47, 404, 42, 42]);
    assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= innerWidth));
  }
});

test('on a phone the window takes taps on its boxes, bars and buttons', async () => {
  await page.setViewport(phone);
  await reopen(page, link);
  const tap = async (name, part) => {
    if (!part) return (await control(page, name)).tap();
    const { x, y } = await barPoint(page, name, part);
    return page.touchscreen.tap(x, y);
  };
  await tap('Text2(9)');
  await tap('HScroll2', 'after');
  await assertShows(page, table.with(9, 10), 9);
  await tap('HScroll2', 'right');
  await tap('HScroll1', 'left');
  await assertShows(page, table.with(9, 11), 8);
  await tap('Command2');
  await assertShows(page, table.with(9, 11), 8);
  await tap('Command1');
  assert.deepEqual((await windowState(page)).coefficientTexts, Array(64).fill('0'));
  assert.deepEqual(page.dctErrors, []);
});

test('on a phone the thumbs follow a finger', async () => {
  await page.setViewport(phone);
  await reopen(page, link);
  await clickControl(page, 'Text2(9)');
  const step = await pixelsPerStep(page, 'HScroll2');
  await dragThumb(page, 'HScroll2', [Math.round(30 * step)]);
  await assertShows(page, table.with(9, 30), 9);
});
