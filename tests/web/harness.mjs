// What every test of the page shares: the browsers, opening the page, and
// the window's state as a user sees it, in the form the desktop edition's
// own dump of its window uses (tests/differential), so that the two compare.
import puppeteer from 'puppeteer-core';
import assert from 'node:assert/strict';
import { before, after } from 'node:test';
import { execFileSync } from 'node:child_process';
import { pathToFileURL } from 'node:url';
import path from 'node:path';
import { launchWebKit, limits as webkitLimits } from './webdriver.mjs';

const here = path.dirname(new URL(import.meta.url).pathname);

// The page under test: DCT_PAGE, or the one scripts/build-web.sh makes.
export const pageAddress = pathToFileURL(
  process.env.DCT_PAGE || path.join(here, '../../build-web/transformada-dct.html')).href;

// Quiet, offline browsers: without these, Chromium tries to reach Google's
// servers at every start, which a closed network refuses.
const chromiumArgs = [
  '--disable-gpu', '--disable-background-networking', '--disable-component-update',
  '--disable-sync', '--disable-quic', '--no-first-run', '--no-default-browser-check',
];

// The browser under test: chromium, firefox or webkit.
export const browserName = process.env.DCT_BROWSER || 'chromium';

// What that browser cannot do or report here, each with the reason: a test
// or an assertion that needs it is skipped there.
export const limits = browserName === 'webkit' ? webkitLimits : {};

export async function launch(name = browserName) {
  if (name === 'webkit') return launchWebKit();
  if (name === 'firefox') {
    return puppeteer.launch({ browser: 'firefox', executablePath: '/usr/bin/firefox-esr',
                              headless: true });
  }
  // Chromium's sandbox refuses to run as root (as CI does).
  const sandbox = process.getuid && process.getuid() === 0 ? ['--no-sandbox'] : [];
  return puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: true,
                            args: [...sandbox, ...chromiumArgs] });
}

// A fresh tab with the page (or another at `address`), wide enough for the
// window at scale 1, once the window is shown. `fragment` is the address's
// part after "#".
export async function openPage(browser, fragment = '', viewport = { width: 900, height: 900 },
  address = pageAddress) {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  page.dctAddress = address;
  // What went wrong in the page, and every request it made beyond itself.
  page.dctErrors = [];
  page.dctRequests = [];
  page.on('pageerror', (error) => page.dctErrors.push(String(error)));
  page.on('console', (message) => {
    if (message.type() === 'error') page.dctErrors.push(message.text());
  });
  page.on('request', (request) => {
    const url = request.url();
    if (!url.startsWith('data:') && url.split('#')[0] !== address) page.dctRequests.push(url);
  });
  await reopen(page, fragment);
  return page;
}

// The page loaded afresh in the same tab, with another fragment.
export async function reopen(page, fragment = '') {
  page.dctErrors.length = 0;
  page.dctRequests.length = 0;
  // Through an empty page: going to another fragment of the same page would
  // not load it again, and a rewrite of the address still pending there
  // could take the place of the new fragment.
  await page.goto('about:blank');
  await page.goto(page.dctAddress + (fragment ? `#${fragment}` : ''));
  // Looked for at each change of the page, not at each frame: a tab in the
  // background draws none.
  await page.waitForFunction(() => document.querySelector('.window-box:not([hidden]) #Command1'),
    { polling: 'mutation' });
}

// For a test file: one browser and one tab, which each test loads afresh
// with `show(fragment)` (quicker than a new tab), getting the page.
export function pageForEachTest() {
  let browser;
  let page;
  before(async () => {
    browser = await launch();
    page = await openPage(browser);
  });
  after(async () => { await browser.close(); });
  return {
    browser: () => browser,
    show: async (fragment = '') => {
      await reopen(page, fragment);
      return page;
    },
  };
}

// The window's state: the 64 coefficient texts and colours, the 64 pixel
// hints and greys, both bars, the indicator and the focused control (null
// when the focus is outside the window). Colours as "#rrggbb", as drawn.
export function windowState(page) {
  return page.evaluate(() => {
    const byId = (id) => document.getElementById(id);
    const colour = (element) => {
      const [r, g, b] = getComputedStyle(element).backgroundColor.match(/\d+/g).map(Number);
      return '#' + [r, g, b].map((c) => c.toString(16).padStart(2, '0')).join('');
    };
    const boxes = (name) => Array.from({ length: 64 }, (_, i) => byId(`${name}(${i})`));
    const focused = document.activeElement;
    return {
      coefficientTexts: boxes('Text2').map((box) => box.value),
      coefficientColours: boxes('Text2').map(colour),
      pixelHints: boxes('Text1').map((box) => box.getAttribute('aria-description')),
      pixelGreys: boxes('Text1').map(colour),
      selector: Number(byId('HScroll1').getAttribute('aria-valuenow')),
      value: Number(byId('HScroll2').getAttribute('aria-valuenow')),
      indicator: colour(byId('Text3')),
      focus: focused && focused.closest('.client') ? focused.id : null,
    };
  });
}

// The element of a control by its name, as the program names it ("Text2(5)").
export function control(page, name) {
  return page.$(`[id="${name}"]`);
}

// ---------------------------------------------------------------------------
// A user's input, through the browser's own pointer and keyboard.

// Once the program has settled: no handler running and nothing pending,
// such as the rewrite of the address that follows an edit. The page says so
// on its root element, `data-settled`, there only while it has settled.
export async function settled(page) {
  await page.waitForFunction(() => document.documentElement.dataset.settled !== undefined,
    { polling: 'mutation' });
}

// Once the control's box is laid out and has stayed where it is from one
// frame to the next: a window still being built has no box of its own to
// click yet, and a click into a layout still moving lands elsewhere.
export async function steadyBox(page, name) {
  await page.waitForFunction((id) => {
    const rect = document.getElementById(id)?.getBoundingClientRect();
    if (rect === undefined || rect.width === 0 || rect.height === 0) return false;
    const place = [rect.x, rect.y, rect.width, rect.height].join();
    window.dctPlaces ??= {};
    const steady = window.dctPlaces[id] === place;
    window.dctPlaces[id] = place;
    return steady;
  }, { polling: 'raf' }, name);
}

export async function clickControl(page, name) {
  await steadyBox(page, name);
  return (await control(page, name)).click();
}

// Once the page has painted a frame after this: for what the browser would
// have done by then if it were to do it (scroll the page, say).
export function nextFrame(page) {
  return page.evaluate(() => new Promise((resolve) =>
    requestAnimationFrame(() => requestAnimationFrame(() => resolve()))));
}

// The middle of pixel (x, y) of the lesson's picture, wherever the page put
// it, scrolled into view.
export async function pixelPoint(page, x, y) {
  return page.evaluate((px, py) => {
    const stage = document.querySelector('#picPicture .stage');
    const canvas = stage.querySelector('canvas');
    stage.scrollIntoView({ block: 'nearest' });
    const box = stage.getBoundingClientRect();
    return { x: box.left + ((px + 0.5) * box.width) / canvas.width,
             y: box.top + ((py + 0.5) * box.height) / canvas.height };
  }, x, y);
}

export async function pressKeys(page, keys) {
  for (const key of keys) await page.keyboard.press(key);
}

// Control+A: the whole text of the focused box.
export async function selectAll(page) {
  await page.keyboard.down('Control');
  await page.keyboard.press('a');
  await page.keyboard.up('Control');
}

// Clicks a coefficient box, selects its text and types `text` over it.
export async function typeOver(page, name, text) {
  await clickControl(page, name);
  await selectAll(page);
  await page.keyboard.type(text);
}

// Where a part of a scroll bar is on the page, once the bar is in sight: the
// 'left' or 'right' arrow, the track 'before' or 'after' the thumb, or the
// 'thumb'.
export function barPoint(page, name, part) {
  return page.evaluate(
    (name, part) => {
      const bar = document.getElementById(name);
      bar.scrollIntoView({ block: 'nearest' });
      const rect = (selector) => bar.querySelector(selector).getBoundingClientRect();
      const [left, right, thumb] = [rect('.arrow.left'), rect('.arrow.right'), rect('.thumb')];
      const x = {
        left: left.left + left.width / 2,
        right: right.left + right.width / 2,
        before: (left.right + thumb.left) / 2,
        after: (thumb.right + right.left) / 2,
        thumb: thumb.left + thumb.width / 2,
      }[part];
      return { x, y: thumb.top + thumb.height / 2 };
    },
    name,
    part,
  );
}

// The pixels the pointer moves along a bar for one step of its value, as the
// bar is drawn.
export function pixelsPerStep(page, name) {
  return page.evaluate((name) => {
    const bar = document.getElementById(name);
    const width = (selector) => bar.querySelector(selector).getBoundingClientRect().width;
    const travel = bar.getBoundingClientRect().width - width('.arrow.left') -
      width('.arrow.right') - width('.thumb');
    const range = (end) => Number(bar.getAttribute(`aria-value${end}`));
    return travel / (range('max') - range('min'));
  }, name);
}

export async function clickBar(page, name, part) {
  const { x, y } = await barPoint(page, name, part);
  await page.mouse.click(x, y);
}

// Presses the thumb, moves the pointer `offsets` pixels from where it was
// pressed, one after another, awaiting `during` after each, and releases it.
export async function dragThumb(page, name, offsets, during = async () => {}) {
  const { x, y } = await barPoint(page, name, 'thumb');
  await page.mouse.move(x, y);
  await page.mouse.down();
  for (const offset of offsets) {
    await page.mouse.move(x + offset, y);
    await during(offset);
  }
  await page.mouse.up();
}

// ---------------------------------------------------------------------------
// Tables of 64 coefficients by index 8·v + u, as the link holds them and as
// the desktop build's dct-block computes them.

export const zeroTable = () => Array(64).fill(0);

export function tableOf(entries) {
  const table = zeroTable();
  for (const [index, value] of Object.entries(entries)) table[index] = value;
  return table;
}

function linkParts(table) {
  return table.flatMap((value, i) =>
    (value === 0 ? [] : [`${i % 8},${Math.floor(i / 8)}=${value}`]));
}

export const linkOf = (table) => linkParts(table).join('&');

// The address's fragment as the page left it, without "#".
export function fragment(page) {
  return page.evaluate(() => location.hash.slice(1));
}

// The fragment once the program has settled: the page rewrites it when the
// user pauses, a quarter of a second after the last event.
export async function settledFragment(page) {
  await settled(page);
  return fragment(page);
}

// dct-block: DCT_BLOCK, or the one scripts/build.sh makes.
export const dctBlock = process.env.DCT_BLOCK || path.join(here, '../../build/bin/dct-block');

// The block dct-block computes for the table, as windowState reads a block.
export function expectedBlock(table) {
  const link = linkOf(table);
  if (!computed.has(link)) {
    const { tooltips, colours, clipped } = JSON.parse(
      execFileSync(dctBlock, ['--json', ...linkParts(table)], { encoding: 'utf8' }));
    computed.set(link, {
      pixelHints: tooltips,
      pixelGreys: colours.map(cssColour),
      indicator: clipped ? '#ff0000' : '#ffffff',
    });
  }
  return computed.get(link);
}
const computed = new Map();

// dct-block gives colours as 0x00BBGGRR.
const cssColour = (bgr) =>
  '#' + [0, 8, 16].map((shift) => ((bgr >> shift) & 255).toString(16).padStart(2, '0')).join('');

export function shownBlock(state) {
  const { pixelHints, pixelGreys, indicator } = state;
  return { pixelHints, pixelGreys, indicator };
}

// The colours of the coefficient boxes when `selected` is the selection.
export const highlightAt = (selected) =>
  Array.from({ length: 64 }, (_, i) => (i === selected ? '#ffff40' : '#ffffff'));

// The window settled on `table` with `selected` chosen: every box shows its
// value (or `texts`), one highlight, both bars, the link, and the block that
// dct-block computes.
export async function assertShows(page, table, selected, texts = table.map(String)) {
  const state = await windowState(page);
  assert.deepEqual(state.coefficientTexts, texts);
  assert.deepEqual(state.coefficientColours, highlightAt(selected));
  assert.equal(state.selector, selected);
  assert.equal(state.value, table[selected]);
  assert.equal(await settledFragment(page), linkOf(table));
  assert.deepEqual(shownBlock(state), expectedBlock(table));
  return state;
}
