// Timings of the page in Chromium, Firefox and WebKit side by side:
//   node bench/web/bench-page.mjs [ENGINE...]   (default: all three)
// For each engine:
// - a change of value, with its 64 box updates: the time the page spends on
//   a key press on the focused value bar, as the mean of a batch of 100 key
//   presses dispatched in a row (Firefox's and WebKit's clocks in a page tick
//   in whole milliseconds), the median of 30 batches after 10 untimed ones,
//   which let the engines' optimising compilers step in;
// - a move of the lesson's frame onto the photograph's most detailed block
//   (23, 29: 62 coefficients that are not zero), from the block on its left:
//   the block entered into the window (a Reset and a value typed for each
//   coefficient) and the lesson's figures brought in step, with the page's
//   style and layout brought up to date; an arrow key on the focused
//   picture, the key back untimed, the mean of a batch of 10, the median of
//   15 batches after 3;
// - a change of quality, which compresses the whole photograph anew (its
//   picture, its file and its size) and enters the framed block again: a key
//   on the focused quality bar at 50, style and layout included, in batches
//   of 5;
// - start-up: from the page's first script to the window and the lesson
//   built and painted (the first animation frame after both are shown), the
//   median of 15;
// - in Chromium, start-up and the frame move again with the processor slowed
//   six times, as on a cheap phone.
// And the size of the page's file.
import { statSync } from 'node:fs';
import { fileURLToPath } from 'node:url';
import { launch, openPage, pageAddress, pixelPoint } from '../../tests/web/harness.mjs';

const engines = process.argv.length > 2 ? process.argv.slice(2) : ['chromium', 'firefox', 'webkit'];
const startUps = 15;
const warmUps = 10;
const batches = 30;
const batchSize = 100;

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
}

async function startUp(browser, slowdown) {
  const page = await browser.newPage();
  if (slowdown) await page.emulateCPUThrottling(slowdown);
  await page.evaluateOnNewDocument(() => {
    const first = performance.now();
    const shown = () => {
      if (document.querySelector('.window-box #Command1') &&
          document.querySelector('#lesson .window-box #picPicture')) {
        requestAnimationFrame(() => { window.dctStartUp = performance.now() - first; });
      } else {
        requestAnimationFrame(shown);
      }
    };
    requestAnimationFrame(shown);
  });
  await page.goto(pageAddress);
  await page.waitForFunction(() => window.dctStartUp !== undefined, { timeout: 60000 });
  const time = await page.evaluate(() => window.dctStartUp);
  await page.close();
  return time;
}

async function medianStartUp(browser, slowdown = 0) {
  const times = [];
  for (let i = 0; i < startUps; ++i) times.push(await startUp(browser, slowdown));
  return median(times);
}

// Key presses go to a focused element as the browser would deliver them, one
// batch at a time; right and left in turn keep the value in range. The mean
// time of a key press in each batch, their median.
async function keyBatches(page, selector, size, layout = false) {
  const means = await page.evaluate((target, warmUps, batches, batchSize, layout) => {
    const element = document.querySelector(target);
    const result = [];
    for (let b = -warmUps; b < batches; ++b) {
      const key = (b + warmUps) % 2 === 0 ? 'ArrowRight' : 'ArrowLeft';
      const start = performance.now();
      for (let i = 0; i < batchSize; ++i) {
        element.dispatchEvent(new KeyboardEvent('keydown', { key, bubbles: true, cancelable: true }));
        if (layout) void document.body.offsetHeight;
      }
      if (b >= 0) result.push((performance.now() - start) / batchSize);
    }
    return result;
  }, selector, warmUps, batches, size, layout);
  await page.close();
  return median(means);
}

// The value bar, with its 64 box updates per change.
async function valueChange(browser) {
  const page = await openPage(browser);
  await page.click('[id="HScroll2"] .thumb');
  return keyBatches(page, '[id="HScroll2"]', batchSize);
}

// The frame onto the most detailed block and back, the move onto it timed.
const detailed = { x: 23, y: 29 };

async function frameMove(browser, slowdown = 0) {
  const page = await openPage(browser);
  if (slowdown) await page.emulateCPUThrottling(slowdown);
  // The middle of the block on the left.
  const at = await pixelPoint(page, detailed.x * 8 - 4, detailed.y * 8 + 4);
  await page.mouse.click(at.x, at.y);
  const means = await page.evaluate((warmUps, batches, batchSize) => {
    const element = document.querySelector('#picPicture');
    const press = (key) => {
      element.dispatchEvent(new KeyboardEvent('keydown', { key, bubbles: true, cancelable: true }));
      return document.body.offsetHeight;
    };
    const result = [];
    for (let b = -warmUps; b < batches; ++b) {
      let spent = 0;
      for (let i = 0; i < batchSize; ++i) {
        const start = performance.now();
        press('ArrowRight');
        spent += performance.now() - start;
        press('ArrowLeft');
      }
      if (b >= 0) result.push(spent / batchSize);
    }
    return result;
  }, 3, 15, 10);
  await page.close();
  return median(means);
}

// The quality bar at 50, with the frame on a block of the photograph.
async function qualityChange(browser) {
  const page = await openPage(browser);
  await page.click('#picPicture');
  await page.evaluate(() => document.querySelector('#hsbQuality').focus());
  for (let i = 0; i < 5; ++i) await page.keyboard.press('PageDown');
  return keyBatches(page, '#hsbQuality', 5, true);
}

const results = {};
for (const engine of engines) {
  const browser = await launch(engine);
  const result = { value_change_median_ms: Number((await valueChange(browser)).toFixed(3)),
                   frame_move_median_ms: Number((await frameMove(browser)).toFixed(2)),
                   quality_change_median_ms: Number((await qualityChange(browser)).toFixed(2)),
                   start_up_median_ms: Number((await medianStartUp(browser)).toFixed(1)) };
  if (engine === 'chromium') {
    result.start_up_cpu_6x_median_ms = Number((await medianStartUp(browser, 6)).toFixed(1));
    result.frame_move_cpu_6x_median_ms = Number((await frameMove(browser, 6)).toFixed(2));
  }
  await browser.close();
  results[engine] = result;
}
results.page_bytes = statSync(fileURLToPath(pageAddress)).size;
console.log(JSON.stringify(results, null, 2));
