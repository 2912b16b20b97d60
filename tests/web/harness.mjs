// What every test of the page shares: the browsers, opening the page, and
// the window's state as a user sees it, in the form the desktop edition's
// own dump of its window uses (tests/differential), so that the two compare.
import puppeteer from 'puppeteer-core';
import { pathToFileURL } from 'node:url';
import path from 'node:path';

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

export async function launch(name = process.env.DCT_BROWSER || 'chromium') {
  if (name === 'firefox') {
    return puppeteer.launch({ browser: 'firefox', executablePath: '/usr/bin/firefox-esr',
                              headless: true });
  }
  // Chromium's sandbox refuses to run as root (as CI does).
  const sandbox = process.getuid && process.getuid() === 0 ? ['--no-sandbox'] : [];
  return puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: true,
                            args: [...sandbox, ...chromiumArgs] });
}

// A fresh tab with the page, wide enough for the window at scale 1, once the
// window is shown. `fragment` is the address's part after "#".
export async function openPage(browser, fragment = '', viewport = { width: 900, height: 900 }) {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  // What went wrong in the page, and every request it made beyond itself.
  page.dctErrors = [];
  page.dctRequests = [];
  page.on('pageerror', (error) => page.dctErrors.push(String(error)));
  page.on('console', (message) => {
    if (message.type() === 'error') page.dctErrors.push(message.text());
  });
  page.on('request', (request) => {
    const url = request.url();
    if (!url.startsWith('data:') && url.split('#')[0] !== pageAddress) page.dctRequests.push(url);
  });
  await page.goto(pageAddress + (fragment ? `#${fragment}` : ''));
  await page.waitForSelector('.window-box:not([hidden]) #Command1');
  return page;
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
