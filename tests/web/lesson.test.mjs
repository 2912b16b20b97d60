// The lesson below the window, driven as a student drives it: the picture
// clicked, dragged and moved with the arrow keys, the bars, a picture of the
// student's own through the file chooser, and challenges hinted, solved,
// made into links and opened from them. What enters the window is what the
// desktop build's dct-block --image prints for that block.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, writeFileSync, rmSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';
import {
  launch, openPage, reopen, windowState, clickControl, typeOver, fragment, settledFragment,
  dctBlock, browserName, pageAddress,
} from './harness.mjs';

const fewer = browserName !== 'chromium';
let browser;
let page;
let folder;
before(async () => {
  browser = await launch();
  page = await openPage(browser, '', { width: 900, height: 1100 }, `${pageAddress}?seed=7`);
  folder = mkdtempSync(path.join(os.tmpdir(), 'licao-'));
});
after(async () => {
  await browser.close();
  rmSync(folder, { recursive: true, force: true });
});

// What dct-block --image says the lesson enters for the block.
function lessonBlock(bx, by, { quality = null, keep = 64, image = '-builtin-' } = {}) {
  const args = ['--image', image, '--block', `${bx},${by}`, '--keep', String(keep), '--json'];
  if (quality !== null) args.push('--quality', String(quality));
  return JSON.parse(execFileSync(dctBlock, args, { encoding: 'utf8' }));
}

async function assertEntered(expected) {
  const state = await windowState(page);
  assert.deepEqual(state.coefficientTexts, expected.coefficients.map(String));
  assert.deepEqual(state.pixelHints, expected.pixels.map(String));
}

// The middle of a pixel of the picture, wherever the page put it, in sight.
function pixelPoint(x, y) {
  return page.evaluate((px, py) => {
    const stage = document.querySelector('#picPicture .stage');
    const canvas = stage.querySelector('canvas');
    stage.scrollIntoView({ block: 'nearest' });
    const box = stage.getBoundingClientRect();
    return { x: box.left + ((px + 0.5) * box.width) / canvas.width,
             y: box.top + ((py + 0.5) * box.height) / canvas.height };
  }, x, y);
}

async function clickPixel(x, y) {
  const at = await pixelPoint(x, y);
  await page.mouse.click(at.x, at.y);
  return at;
}

// A bar set from the keyboard: Home to its least value, then Page Down and
// the right arrow.
async function setBar(name, value, pageStep, least = 0) {
  await page.evaluate((id) => document.getElementById(id).focus(), name);
  await page.keyboard.press('Home');
  const steps = value - least;
  for (let i = 0; i < Math.floor(steps / pageStep); ++i) await page.keyboard.press('PageDown');
  for (let i = 0; i < steps % pageStep; ++i) await page.keyboard.press('ArrowRight');
}

const text = (id) => page.evaluate((name) => document.getElementById(name).textContent, id);

test('a click, a drag and the arrow keys each enter their block', async () => {
  await reopen(page);
  await clickPixel(85, 100);
  await assertEntered(lessonBlock(10, 12));
  await page.keyboard.press('ArrowRight');
  await page.keyboard.press('ArrowDown');
  await assertEntered(lessonBlock(11, 13));
  const from = await clickPixel(3, 3);
  const step = (await clickPixel(4, 3)).x - from.x;
  await page.mouse.move(from.x, from.y);
  await page.mouse.down();
  await page.mouse.move(from.x + 20 * step, from.y + 14 * step);
  await page.mouse.move(from.x + 38 * step, from.y + 14 * step);
  await page.mouse.up();
  await assertEntered(lessonBlock(5, 2));
  assert.match(await text('lblMeasures'), /^Bloco \(5, 2\) da imagem/);
  assert.deepEqual(page.dctErrors, []);
});

test('no key that the picture takes, nor Space, scrolls the page', async () => {
  await reopen(page);
  await clickPixel(20, 20);
  await page.evaluate(() => window.scrollTo(0, 40));
  for (const key of ['ArrowDown', 'ArrowUp', 'PageDown', 'PageUp', 'End', 'Home', ' ']) {
    await page.keyboard.press(key);
  }
  await new Promise((resolve) => setTimeout(resolve, 300));
  assert.equal(await page.evaluate(() => window.scrollY), 40);
});

// Through Chromium's own touch input, which scrolls the page as a finger does.
test('a finger swiped on the picture scrolls the page and enters nothing; a tap enters its block',
  { skip: browserName !== 'chromium' && 'only Chromium takes touch input from its driver' },
  async () => {
    await reopen(page);
    const { x, y } = await pixelPoint(85, 100);
    const touch = await page.createCDPSession();
    const finger = (type, touchPoints) =>
      touch.send('Input.dispatchTouchEvent', { type, touchPoints });
    const scrolled = () => page.evaluate(() => window.scrollY);
    const before = await scrolled();
    await finger('touchStart', [{ x, y }]);
    for (let step = 1; step <= 10; ++step) await finger('touchMove', [{ x, y: y - 15 * step }]);
    await finger('touchEnd', []);
    // Until the page has come to rest: it goes on a little after the finger.
    let last;
    do {
      last = await scrolled();
      await new Promise((resolve) => setTimeout(resolve, 100));
    } while (last !== await scrolled());
    assert.ok(await scrolled() > before + 50, 'the page did not scroll');
    assert.deepEqual((await windowState(page)).coefficientTexts, Array(64).fill('0'));
    const at = await pixelPoint(85, 100);
    await finger('touchStart', [at]);
    await finger('touchMove', [{ x: at.x + 4, y: at.y + 4 }]);
    await finger('touchEnd', []);
    await assertEntered(lessonBlock(10, 12));
    await touch.detach();
  });

// Seeded blocks at several qualities and numbers kept, against dct-block.
test('every block entered equals dct-block --image for it', async () => {
  await reopen(page);
  let state = 20251207;
  const next = (n) => {
    state = (Math.imul(state, 1103515245) + 12345) >>> 0;
    return (state >>> 8) % n;
  };
  const qualities = fewer ? [null, 50] : [null, 1, 10, 25, 50, 75, 90, 100];
  const keeps = fewer ? [64, 10] : [64, 10];
  const perSetting = fewer ? 5 : 13;
  let checked = 0;
  for (const quality of qualities) {
    for (const keep of keeps) {
      await setBar('hsbQuality', quality ?? 0, 10);
      await setBar('hsbKept', keep, 8);
      for (let i = 0; i < perSetting; ++i) {
        const [bx, by] = [next(32), next(32)];
        // Clear of the block's edges, which a browser that takes whole pixels
        // for the pointer could cross.
        await clickPixel(8 * bx + 1 + next(6), 8 * by + 1 + next(6));
        await assertEntered(lessonBlock(bx, by, { quality, keep }));
        ++checked;
      }
    }
  }
  assert.ok(checked >= (fewer ? 20 : 200));
  // F(0,0)'s step is JPEG's over 8: 16 at quality 50, 1 at 100.
  assert.match(await text('lblSteps'), fewer ? /^ 2,00 / : /^0,125 /);
});

// A PNG written here: red, whose grey is 76.
function redPicture(file, width, height) {
  const chunk = (type, data) => {
    const body = Buffer.concat([Buffer.from(type), data]);
    const length = Buffer.alloc(4);
    length.writeUInt32BE(data.length);
    const crc = Buffer.alloc(4);
    crc.writeUInt32BE(zlib.crc32(body));
    return Buffer.concat([length, body, crc]);
  };
  const header = Buffer.alloc(13);
  header.writeUInt32BE(width, 0);
  header.writeUInt32BE(height, 4);
  header[8] = 8;  // bits per sample
  header[9] = 2;  // red, green and blue
  const row = Buffer.concat([Buffer.from([0]), Buffer.alloc(3 * width)]);
  for (let x = 0; x < width; ++x) row[1 + 3 * x] = 255;
  writeFileSync(file, Buffer.concat([
    Buffer.from([137, 80, 78, 71, 13, 10, 26, 10]), chunk('IHDR', header),
    chunk('IDAT', zlib.deflateSync(Buffer.concat(Array(height).fill(row)))),
    chunk('IEND', Buffer.alloc(0))]));
}

async function choose(file) {
  if (browserName === 'chromium') {
    const [chooser] = await Promise.all([page.waitForFileChooser(), clickControl(page, 'cmdOpen')]);
    await chooser.accept([file]);
  } else {
    await (await page.$('#picPicture .chooser')).uploadFile(file);
  }
}

test('a picture chosen in the file chooser replaces the built-in one', async () => {
  await reopen(page);
  const bitmap = path.join(folder, 'vermelho.png');
  redPicture(bitmap, 40, 24);
  await choose(bitmap);
  await page.waitForFunction(() => document.querySelector('#picPicture canvas').width === 40);
  await clickPixel(39, 23);
  await assertEntered(lessonBlock(4, 2, { image: bitmap }));
  assert.equal((await windowState(page)).coefficientTexts[0], String(76 - 128));

  const notImage = path.join(folder, 'texto.png');
  writeFileSync(notImage, 'not an image');
  await choose(notImage);
  await page.waitForFunction(
    () => document.getElementById('lblMeasures').textContent.includes('Não foi possível ler'));
  assert.equal(await page.evaluate(() => document.querySelector('#picPicture canvas').width), 40);
  await clickControl(page, 'cmdBuiltin');
  assert.equal(await page.evaluate(() => document.querySelector('#picPicture canvas').width), 256);
  assert.deepEqual(page.dctErrors, []);
});

// Hints name a coefficient the window has wrong and its value, until the
// block is the target's; the challenge's link then opens it again, the
// window empty, and stays in the address while it is played.
test('a challenge is hinted, solved, linked and opened from its link', async () => {
  await reopen(page);
  await setBar('hsbLevel', 3, 1, 1);
  await clickControl(page, 'cmdNewChallenge');
  assert.match(await text('lblChallenge'), /^Pixels iguais ao alvo: \d+ de 64/);
  for (let hints = 0; hints < 3; ++hints) {
    await clickControl(page, 'cmdHint');
    const [, u, v, value] = (await text('lblChallenge')).match(/Dica: F\((\d),(\d)\) = (-?\d+)/);
    await typeOver(page, `Text2(${8 * Number(v) + Number(u)})`, value);
  }
  assert.match(await text('lblChallenge'), /^Resolvido!/);
  const solved = (await windowState(page)).coefficientTexts;

  await clickControl(page, 'cmdCreateChallenge');
  const link = await page.evaluate(() => document.getElementById('txtLink').value);
  assert.match(link, /#desafio=[A-Za-z0-9_-]{88}$/);
  assert.ok(link.startsWith(pageAddress));
  const challenge = link.split('#')[1];
  await reopen(page, challenge);
  assert.deepEqual((await windowState(page)).coefficientTexts, Array(64).fill('0'));
  assert.match(await text('lblChallenge'), /^Pixels iguais ao alvo/);
  for (const [index, value] of solved.entries()) {
    if (value !== '0') await typeOver(page, `Text2(${index})`, value);
  }
  assert.match(await text('lblChallenge'), /^Resolvido!/);
  assert.equal(await settledFragment(page, challenge), challenge);
  assert.deepEqual(page.dctErrors, []);
});

test('a malformed or hostile challenge is ignored whole with a notice', async () => {
  for (const bad of ['desafio=AAAA', 'desafio=<img src=x onerror=alert(1)>',
    `desafio=${'A'.repeat(88)}`]) {
    await reopen(page, bad);
    assert.equal(await text('link-notice'),
      'O endereço desta página traz coeficientes que não se podem ler; foram ignorados.');
    assert.equal(await page.evaluate(() => document.querySelectorAll('img:not(.icon)').length), 0);
    assert.match(await text('lblChallenge'), /^Escolha um nível/);
    assert.equal(await fragment(page), bad.replace(/[<> ]/g, encodeURIComponent));
  }
  assert.deepEqual(page.dctErrors, []);
});
