import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { launch, openPage, pageAddress, windowState, limits } from './harness.mjs';

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

// The window's place is kept from the first paint: the explanation below it
// stands where it will stay, in both layouts; Chromium also records no
// shift of the layout.
for (const [name, viewport] of [['a wide screen', { width: 900, height: 900 }],
  ['a phone', { width: 360, height: 740, hasTouch: true, isMobile: true }]]) {
  // WebKit's window cannot be a phone's (limits.narrow).
  test(`nothing moves while the page opens on ${name}`,
    { skip: viewport.isMobile && limits.narrow }, async () => {
    const page = await browser.newPage();
    await page.setViewport(viewport);
    await page.evaluateOnNewDocument(() => {
      window.dctTops = [];
      const explanation = () => document.querySelector('.explanation');
      const watch = () => {
        if (explanation()) window.dctTops.push(explanation().getBoundingClientRect().top);
        if (!document.getElementById('Command1')) requestAnimationFrame(watch);
      };
      requestAnimationFrame(watch);
      window.dctShifts = [];
      if (PerformanceObserver.supportedEntryTypes.includes('layout-shift')) {
        new PerformanceObserver((list) => window.dctShifts.push(...list.getEntries().map(
          (entry) => entry.value))).observe({ type: 'layout-shift', buffered: true });
      }
    });
    await page.goto(pageAddress);
    await page.waitForFunction(() => document.getElementById('Command1'));
    await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(resolve)));
    const { tops, shifts, top } = await page.evaluate(() => ({ tops: window.dctTops,
      shifts: window.dctShifts,
      top: document.querySelector('.explanation').getBoundingClientRect().top }));
    assert.ok(tops.length > 0, 'the page drew no frame before the window');
    assert.deepEqual([...new Set([...tops, top])], [top]);
    assert.deepEqual(shifts, []);
    await page.close();
  });
}
