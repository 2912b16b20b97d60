// Timings of the page in Chromium, Firefox and WebKit side by side (or in
// the one DCT_BROWSER names):
//   node bench/web/bench-page.mjs [CHANGES]
// - a change of value, with its 64 box updates: the time the page spends in
//   handling one key press on the focused value bar, taken with
//   performance.now() before and after the page's listeners;
// - start-up: from the page's first script to the window built and painted
//   (the first animation frame after it is shown);
// - the size of the page's file.
import { statSync } from 'node:fs';
import { fileURLToPath } from 'node:url';
import { launch, openPage, pageAddress } from '../../tests/web/harness.mjs';

const changes = Number(process.argv[2] || 1000);

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
}

async function startUp(browser) {
  const page = await browser.newPage();
  await page.evaluateOnNewDocument(() => {
    const first = performance.now();
    const shown = () => {
      const box = document.querySelector('.window-box');
      if (box && !box.hidden && document.getElementById('Command1')) {
        requestAnimationFrame(() => { window.dctStartUp = performance.now() - first; });
      } else {
        requestAnimationFrame(shown);
      }
    };
    requestAnimationFrame(shown);
  });
  await page.goto(pageAddress);
  await page.waitForFunction(() => window.dctStartUp !== undefined);
  const time = await page.evaluate(() => window.dctStartUp);
  await page.close();
  return time;
}

async function valueChanges(browser) {
  const page = await openPage(browser);
  // From the first listener of a key press to the last: the window's
  // capturing listener runs before the bar's, its bubbling one after.
  await page.evaluate(() => {
    window.dctTimes = [];
    let start = 0;
    window.addEventListener('keydown', () => { start = performance.now(); }, true);
    window.addEventListener('keydown', () => { window.dctTimes.push(performance.now() - start); });
  });
  // A block with every coefficient in play, then the value bar's arrow keys.
  await page.click('[id="HScroll2"] .thumb');
  for (let i = 0; i < changes; ++i) {
    await page.keyboard.press(i % 200 < 100 ? 'ArrowRight' : 'ArrowLeft');
  }
  const times = await page.evaluate(() => window.dctTimes);
  await page.close();
  return times;
}

// WebKit's clock ticks by whole milliseconds, too coarse for one change:
// there each change of a batch of key presses, which the page sends its
// focused value bar itself (50 up and 50 back), counts as the batch's mean.
async function valueChangesInBatches(browser) {
  const page = await openPage(browser);
  await page.click('[id="HScroll2"] .thumb');
  const times = [];
  // As many changes again first, untimed: a median of a few batches would
  // otherwise take in the time before WebKit's optimising compilers step in.
  for (let i = -changes; i < changes; i += 100) {
    const mean = await page.evaluate(() => {
      const bar = document.activeElement;
      const start = performance.now();
      for (let k = 0; k < 100; ++k) {
        bar.dispatchEvent(new KeyboardEvent('keydown',
          { key: k < 50 ? 'ArrowRight' : 'ArrowLeft', bubbles: true, cancelable: true }));
      }
      return (performance.now() - start) / 100;
    });
    if (i >= 0) times.push(...Array(100).fill(mean));
  }
  await page.close();
  return times;
}

// Each figure by engine.
const figures = { value_change_median_ms: {}, value_changes: {}, start_up_median_ms: {} };
const engines = process.env.DCT_BROWSER ? [process.env.DCT_BROWSER]
  : ['chromium', 'firefox', 'webkit'];
for (const engine of engines) {
  const browser = await launch(engine);
  const starts = [];
  for (let i = 0; i < 15; ++i) starts.push(await startUp(browser));
  const times = await (engine === 'webkit' ? valueChangesInBatches : valueChanges)(browser);
  await browser.close();
  figures.value_change_median_ms[engine] = Number(median(times).toFixed(3));
  figures.value_changes[engine] = times.length;
  figures.start_up_median_ms[engine] = Number(median(starts).toFixed(1));
}
const size = statSync(fileURLToPath(pageAddress)).size;
console.log(JSON.stringify({ ...figures, page_bytes: size }, null, 2));
