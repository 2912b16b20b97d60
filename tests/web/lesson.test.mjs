// The lesson beside the window, driven as a student drives it: the picture
// clicked, dragged, tapped and moved with the keys, the bars, a picture of
// the student's own through the file chooser (the picture corpus and a
// photograph of 64 megapixels among them), and challenges hinted, solved,
// made into links and opened from them. What enters the window is what the
// desktop build's dct-block --image prints for that block; JPEG's own block
// is what its formulas make of the block, computed here.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, writeFileSync, rmSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';
import {
  launch, openPage, reopen, windowState, clickControl, typeOver, fragment, settledFragment,
  dctBlock, browserName, pageAddress, limits, pixelPoint, settled, nextFrame,
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

// JPEG's block as its formulas read, in this test's own arithmetic: doubles,
// Math.cos and the true π, each value taken to a multiple of 2^-32 and
// rounded by the codec's rules (a quotient halves away from zero, a level
// up), as T.81 and its reference library do.
const luminance = [
  16, 11, 10, 16, 24, 40, 51, 61, 12, 12, 14, 19, 26, 58, 60, 55,
  14, 13, 16, 24, 40, 57, 69, 56, 14, 17, 22, 29, 51, 87, 80, 62,
  18, 22, 37, 56, 68, 109, 103, 77, 24, 35, 55, 64, 81, 104, 113, 92,
  49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99];
const zigzag = [
  0, 1, 8, 16, 9, 2, 3, 10, 17, 24, 32, 25, 18, 11, 4, 5, 12, 19, 26, 33, 40, 48, 41, 34, 27, 20,
  13, 6, 7, 14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51, 58, 59,
  52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63];
const snap = (x) => Math.round(x * 2 ** 32) / 2 ** 32;
const factor = (p, k) => (k === 0 ? Math.SQRT1_2 : 1) / 2 * Math.cos(((2 * p + 1) * k * Math.PI) / 16);
function jpegBlock(levels, quality, keep) {
  const q = Math.min(Math.max(quality ?? 100, 1), 100);
  const scale = q < 50 ? Math.floor(5000 / q) : 200 - 2 * q;
  const step = (i) => Math.min(Math.max(Math.floor((luminance[i] * scale + 50) / 100), 1), 255);
  const kept = new Set(zigzag.slice(0, keep));
  const coefficients = Array.from({ length: 64 }, (_, i) => {
    let sum = 0;
    for (let p = 0; p < 64; ++p) sum += factor(p % 8, i % 8) * factor(p >> 3, i >> 3) * (levels[p] - 128);
    const f = snap(sum);
    if (!kept.has(i)) return 0;
    return quality === null ? f : Math.sign(f) * Math.round(Math.abs(f) / step(i)) * step(i);
  });
  return Array.from({ length: 64 }, (_, p) => {
    let sum = 0;
    for (let i = 0; i < 64; ++i) sum += factor(p % 8, i % 8) * factor(p >> 3, i >> 3) * coefficients[i];
    return Math.min(Math.max(Math.floor(snap(sum) + 0.5) + 128, 0), 255);
  });
}

// The levels a picture box shows, read from its canvas.
const pictureOf = (name) => page.evaluate((id) => {
  const canvas = document.querySelector(`[id="${id}"] canvas`);
  const { data } = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
  return Array.from({ length: data.length / 4 }, (_, i) => data[4 * i]);
}, name);

async function assertEntered(expected) {
  const state = await windowState(page);
  assert.deepEqual(state.coefficientTexts, expected.coefficients.map(String));
  assert.deepEqual(state.pixelHints, expected.pixels.map(String));
}

async function clickPixel(x, y) {
  const at = await pixelPoint(page, x, y);
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
const scrolled = () => page.evaluate(() => window.scrollY);

test('nothing is framed at first; a click, a drag and the keys each enter their block', async () => {
  await reopen(page);
  assert.match(await text('lblMeasures'), /^Clique num bloco/);
  assert.deepEqual((await windowState(page)).coefficientTexts, Array(64).fill('0'));
  await clickPixel(85, 100);
  await assertEntered(lessonBlock(10, 12));
  const top = await scrolled();
  for (const [key, bx, by] of [['ArrowRight', 11, 12], ['ArrowDown', 11, 13],
    ['PageDown', 11, 17], ['Home', 0, 17], ['End', 31, 17], ['PageUp', 31, 13]]) {
    await page.keyboard.press(key);
    assert.match(await text('lblMeasures'), new RegExp(`^Bloco \\(${bx}, ${by}\\)`), key);
  }
  await assertEntered(lessonBlock(31, 13));
  assert.equal(await scrolled(), top, 'a key on the picture scrolled the page');
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
  // The frame moved for each key; a scroll would have begun by the next frame.
  await settled(page);
  await nextFrame(page);
  assert.equal(await page.evaluate(() => window.scrollY), 40);
});

// On a phone, through Chromium's own touch input, which scrolls the page as a
// finger does.
test('a finger swiped on the picture scrolls the page and enters nothing; a tap enters its block',
  { skip: browserName !== 'chromium' && 'only Chromium takes touch input from its driver' },
  async () => {
    await page.setViewport({ width: 360, height: 740, hasTouch: true, isMobile: true });
    await reopen(page, '0,0=50');
    const { x, y } = await pixelPoint(page, 85, 100);
    const touch = await page.createCDPSession();
    const finger = (type, touchPoints) =>
      touch.send('Input.dispatchTouchEvent', { type, touchPoints });
    const scrolled = () => page.evaluate(() => window.scrollY);
    const before = await scrolled();
    // The page goes on a little after the finger, until it comes to rest.
    await page.evaluate(() => {
      window.dctScrollEnded = new Promise((resolve) =>
        addEventListener('scrollend', () => resolve(true), { once: true }));
    });
    await finger('touchStart', [{ x, y }]);
    for (let step = 1; step <= 10; ++step) await finger('touchMove', [{ x, y: y - 15 * step }]);
    await finger('touchEnd', []);
    await page.evaluate(() => window.dctScrollEnded);
    assert.ok(await scrolled() > before + 50, 'the page did not scroll');
    assert.deepEqual((await windowState(page)).coefficientTexts,
      ['50', ...Array(63).fill('0')]);
    const at = await pixelPoint(page, 85, 100);
    await finger('touchStart', [at]);
    await finger('touchMove', [{ x: at.x + 4, y: at.y + 4 }]);
    await finger('touchEnd', []);
    await assertEntered(lessonBlock(10, 12));
    await touch.detach();
    await page.setViewport({ width: 900, height: 1100 });
  });

// Seeded blocks at several qualities and numbers kept: the window's table
// and block against dct-block (across the WebAssembly boundary), and JPEG's
// block against its formulas and dct-block's.
test('every block entered equals dct-block --image, and its JPEG block the formulas', async () => {
  await reopen(page);
  let state = 20251207;
  const next = (n) => {
    state = (Math.imul(state, 1103515245) + 12345) >>> 0;
    return (state >>> 8) % n;
  };
  const qualities = fewer ? [null, 7] : [null, 1, 7, 10, 25, 50, 75, 90, 100];
  const keeps = [64, 10];
  const perSetting = fewer ? 5 : 12;
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
        const expected = lessonBlock(bx, by, { quality, keep });
        await assertEntered(expected);
        const jpeg = await pictureOf('picJpeg');
        assert.deepEqual(jpeg, expected.jpeg.levels);
        assert.deepEqual(jpeg, jpegBlock(await pictureOf('picOriginal'), quality, keep),
          `block ${bx},${by}, quality ${quality}, ${keep} kept`);
        ++checked;
      }
    }
  }
  assert.ok(checked >= (fewer ? 20 : 200));
  // JPEG's own table: F(0,0)'s step is 16 · 5000 / 7 per cent at quality 7,
  // 1 at 100.
  assert.match(await text('lblSteps'), fewer ? /^ 114[ *]/ : /^ {3}1[ *]/);
  assert.equal(await page.$eval('#hsbQuality', (bar) => bar.getAttribute('aria-valuetext')),
    fewer ? '7' : '100');
  await setBar('hsbQuality', 0, 10);
  assert.equal(await page.$eval('#hsbQuality', (bar) => bar.getAttribute('aria-valuetext')),
    'desligada');
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

// Chooses the file and waits until the lesson has read it. Meanwhile the
// lesson must say that it is reading the file and the picture be busy (the
// page paints that before it decodes, as a frame comes between); then the
// picture is no longer busy. Returns what the picture says then to a screen
// reader: the file read, or in one line why not.
async function chooseAndRead(file) {
  const name = path.basename(file);
  await page.evaluate(() => {
    const picture = document.getElementById('picPicture');
    const label = document.getElementById('lblMeasures');
    window.dctSeen = [];
    window.dctWatch = new MutationObserver(() => window.dctSeen.push({
      said: picture.getAttribute('aria-description'),
      line: label.textContent.split('\n').pop(),
      busy: picture.getAttribute('aria-busy') }));
    window.dctWatch.observe(picture, { attributes: true, attributeFilter: ['aria-busy', 'aria-description'] });
    window.dctWatch.observe(label, { childList: true, characterData: true, subtree: true });
  });
  await choose(file);
  await page.waitForFunction((wanted) => {
    const said = document.getElementById('picPicture').getAttribute('aria-description');
    return window.dctSeen.some((seen) => seen.said === `A ler «${wanted}»…`) &&
      said.includes(`«${wanted}»`) && !said.startsWith('A ler');
  }, { polling: 'mutation', timeout: 60000 }, name);
  const seen = await page.evaluate(() => {
    window.dctWatch.disconnect();
    return window.dctSeen;
  });
  const reading = `A ler «${name}»…`;
  assert.ok(seen.some((s) => s.said === reading && s.line === reading && s.busy === 'true'),
    `${name}: not said to be read while busy: ${JSON.stringify(seen)}`);
  assert.equal(await page.$eval('#picPicture', (box) => box.getAttribute('aria-busy')), 'false');
  return page.$eval('#picPicture', (box) => box.getAttribute('aria-description'));
}

const canvasWidth = () => page.evaluate(() => document.querySelector('#picPicture canvas').width);

test('a picture chosen in the file chooser replaces the built-in one', async () => {
  await reopen(page);
  await clickPixel(8, 8);
  const bitmap = path.join(folder, 'vermelho.png');
  redPicture(bitmap, 40, 24);
  assert.equal(await chooseAndRead(bitmap), 'Leu-se «vermelho.png»: 40×24 pixels.');
  assert.equal(await canvasWidth(), 40);
  assert.match(await text('lblMeasures'), /^Clique num bloco/);
  await clickPixel(39, 23);
  await assertEntered(lessonBlock(4, 2, { image: bitmap }));
  assert.equal((await windowState(page)).coefficientTexts[0], String(76 - 128));

  const notImage = path.join(folder, 'texto.png');
  writeFileSync(notImage, 'not an image');
  for (let again = 0; again < 2; ++again) {
    assert.equal(await chooseAndRead(notImage), 'Não se leu «texto.png»: não é PNG nem JPEG.');
  }
  assert.equal(await canvasWidth(), 40);
  await clickControl(page, 'cmdBuiltin');
  assert.equal(await canvasWidth(), 256);
  assert.deepEqual(page.dctErrors, []);
});

// A binary PGM as picture_grey prints it and the corpus keeps it.
function parsePgm(bytes) {
  const [magic, sides, most] = bytes.subarray(0, 40).toString('latin1').split('\n');
  assert.equal(magic, 'P5');
  assert.equal(most, '255');
  const [width, height] = sides.split(' ').map(Number);
  const start = magic.length + sides.length + most.length + 3;
  return { width, height, levels: Array.from(bytes.subarray(start, start + width * height)) };
}

// How the lesson words each kind of refusal, after the file's name.
const refusalWords = {
  empty: 'está vazio',
  'not-a-picture': 'não é PNG nem JPEG',
  unsupported: 'não se lê',
  truncated: 'cortado antes do fim',
  damaged: 'danificado',
  'too-large': ' pixels; o limite é 67108864',
};

// Every file of the picture corpus through the chooser: a readable one shows
// exactly the grey picture that the program's decoder gives dct-block (the
// desktop build's picture_grey), which the desktop's lesson is held to as
// well, and the one that the corpus's manifest expects (Pillow's, exactly
// for PNG and within a level for JPEG); a refused one leaves the picture and
// says, in one line naming the file, the reason that the manifest gives.
test('every corpus file chosen shows the picture dct-block reads, or its one-line refusal',
  async () => {
    await reopen(page);
    const corpus = path.join(path.dirname(new URL(import.meta.url).pathname), '../pictures');
    const pictureGrey = path.join(path.dirname(dctBlock), 'picture_grey');
    const { files } = JSON.parse(readFileSync(path.join(corpus, 'manifest.json'), 'utf8'));
    assert.ok(files.length >= 50);
    for (const entry of files) {
      const file = path.join(corpus, 'corpus', entry.file);
      await clickControl(page, 'cmdBuiltin');
      const said = await chooseAndRead(file);
      if (entry.expect === 'read') {
        const decoded = parsePgm(spawnSync(pictureGrey, [file]).stdout);
        const expected = parsePgm(readFileSync(path.join(corpus, entry.expected)));
        const levels = await pictureOf('picPicture');
        assert.equal(said, `Leu-se «${entry.file}»: ${decoded.width}×${decoded.height} pixels.`);
        assert.deepEqual([await canvasWidth(), levels], [decoded.width, decoded.levels], entry.file);
        assert.deepEqual([expected.width, expected.height], [decoded.width, decoded.height]);
        const worst = Math.max(...levels.map((level, i) => Math.abs(level - expected.levels[i])));
        assert.ok(worst <= entry.tolerance, `${entry.file}: ${worst} levels from Pillow's`);
      } else {
        assert.ok(said.startsWith(`Não se leu «${entry.file}»: `) && said.endsWith('.') &&
          said.includes(refusalWords[entry.kind]) && !said.includes('\n'), said);
        if (entry.size) assert.ok(said.includes(`tem ${entry.size[0]}×${entry.size[1]} `), said);
        assert.equal(await canvasWidth(), 256, entry.file);
        assert.equal((await text('lblMeasures')).split('\n').pop(), said);
      }
    }
    assert.deepEqual(page.dctErrors, []);
  });

// A photograph of 9248×6936 pixels (64 megapixels), made here by
// libjpeg-turbo's cjpeg as a camera makes one (colour, 4:2:0) of flat grey
// 8×8 blocks at quality 100, which every decoder gives back exactly: the
// page takes it whole and shows it reduced by 19 as the lesson's rule says
// (the mean of each 19×19 square, half up, worked out here). Prints the
// time and the page's memory afterwards, which never shrinks: the most it
// took.
test('a photograph of 64 megapixels opens, reduced by the lesson\'s rule', async (t) => {
  await reopen(page);
  const [width, height, factor] = [9248, 6936, 19];
  const level = (x, y) => {
    const [bx, by] = [x >> 3, y >> 3];
    return (bx * 7 + by * 13 + ((bx * by) % 17)) % 256;
  };
  const header = Buffer.from(`P6\n${width} ${height}\n255\n`);
  const ppm = Buffer.alloc(header.length + 3 * width * height);
  header.copy(ppm);
  for (let y = 0, at = header.length; y < height; ++y) {
    for (let x = 0; x < width; ++x, at += 3) ppm.fill(level(x, y), at, at + 3);
  }
  const photo = path.join(folder, 'foto.jpg');
  writeFileSync(photo, execFileSync('cjpeg', ['-quality', '100'], { input: ppm, maxBuffer: 1 << 28 }));
  const started = Date.now();
  assert.equal(await chooseAndRead(photo), 'Leu-se «foto.jpg»: 487×366 pixels.');
  t.diagnostic(`read and shown in ${Date.now() - started} ms; the page's memory: ${
    await page.evaluate(() => wasmMemory.buffer.byteLength)} bytes`);
  const [across, down] = [Math.ceil(width / factor), Math.ceil(height / factor)];
  const expected = [];
  for (let y = 0; y < down; ++y) {
    for (let x = 0; x < across; ++x) {
      let [sum, count] = [0, 0];
      for (let v = y * factor; v < Math.min(height, (y + 1) * factor); ++v) {
        for (let u = x * factor; u < Math.min(width, (x + 1) * factor); ++u, ++count) sum += level(u, v);
      }
      expected.push(Math.floor((2 * sum + count) / (2 * count)));
    }
  }
  assert.deepEqual(await pictureOf('picPicture'), expected);
  assert.deepEqual(page.dctErrors, []);
});

// A challenge is the student's: nothing but typing changes the window; each
// right coefficient counts; the last hint goes once solved; the link, made
// on a page opened from disk, is the part to paste, and opens from the box.
test('a challenge is locked, hinted, solved, linked and opened from its link', async () => {
  await reopen(page);
  await clickPixel(40, 40);
  await setBar('hsbLevel', 3, 1, 1);
  await clickControl(page, 'cmdNewChallenge');
  assert.match(await text('lblChallenge'), /^Coeficientes certos: 0 de 3\n/);
  const empty = Array(64).fill('0');
  await clickPixel(200, 200);
  for (const bar of ['hsbQuality', 'hsbKept']) {
    await page.evaluate((id) => document.getElementById(id).focus(), bar);
    await page.keyboard.press('ArrowRight');
    await (await page.$(`#${bar} .arrow.right`)).click();
  }
  for (const button of ['cmdBuiltin', 'cmdOpen', 'cmdCreateChallenge']) {
    await page.$eval(`#${button}`, (element) => element.click());
  }
  assert.deepEqual((await windowState(page)).coefficientTexts, empty);
  assert.match(await text('lblMeasures'), /^Bloco \(5, 5\)/);
  assert.equal(await page.$eval('#hsbKept', (bar) => bar.getAttribute('aria-valuenow')), '64');
  for (let hints = 0; hints < 3; ++hints) {
    assert.match(await text('lblChallenge'), new RegExp(`^Coeficientes certos: ${hints} de 3`));
    await clickControl(page, 'cmdHint');
    const [, u, v, value] = (await text('lblChallenge')).match(/Dica: F\((\d),(\d)\) = (-?\d+)/);
    await typeOver(page, `Text2(${8 * Number(v) + Number(u)})`, value);
  }
  assert.match(await text('lblChallenge'), /^Resolvido!/);
  assert.doesNotMatch(await text('lblChallenge'), /Dica/);
  const solved = (await windowState(page)).coefficientTexts;
  await clickControl(page, 'cmdEndChallenge');
  assert.deepEqual((await windowState(page)).coefficientTexts, solved);

  await clickControl(page, 'cmdCreateChallenge');
  const link = await page.evaluate(() => document.getElementById('txtLink').value);
  assert.match(link, /^desafio=[A-Za-z0-9_-]{88}$/);
  await page.waitForFunction(() => /copiar|copiada/.test(
    document.getElementById('lblLinkNotice').textContent) &&
    !document.getElementById('lblLinkNotice').textContent.includes('A copiar'));
  assert.match(await text('lblLinkNotice'), /aberta de um ficheiro/);
  await reopen(page);
  await typeOver(page, 'txtLink', link);
  await page.keyboard.press('Enter');
  assert.equal(await settledFragment(page), link);
  assert.deepEqual((await windowState(page)).coefficientTexts, empty);
  for (const [index, value] of solved.entries()) {
    if (value !== '0') await typeOver(page, `Text2(${index})`, value);
  }
  assert.match(await text('lblChallenge'), /^Resolvido!/);
  assert.deepEqual(page.dctErrors, []);
});

test('the notice says the link was copied only when the clipboard took it',
  { skip: browserName !== 'chromium' && 'only Chromium grants the clipboard to a test' },
  async () => {
    const session = await browser.target().createCDPSession();
    for (const granted of [true, false]) {
      // For every origin: a page opened from disk has none of its own.
      for (const name of ['clipboard-write', 'clipboard-read']) {
        await session.send('Browser.setPermission',
          { permission: { name }, setting: granted ? 'granted' : 'denied' });
      }
      await reopen(page, '0,0=50');
      await clickControl(page, 'cmdCreateChallenge');
      await page.waitForFunction(
        () => !document.getElementById('lblLinkNotice').textContent.includes('A copiar'));
      const link = await page.$eval('#txtLink', (box) => box.value);
      if (granted) {
        assert.match(await text('lblLinkNotice'), /^Ligação copiada\./);
        assert.equal(await page.evaluate(() => navigator.clipboard.readText()), link);
      } else {
        assert.match(await text('lblLinkNotice'), /^Não foi possível copiar/);
      }
    }
    await session.detach();
  });

test('a damaged or hostile challenge is ignored whole with its own notice, in the first screen',
  async () => {
    for (const bad of ['desafio=AAAA', 'desafio=<img src=x onerror=alert(1)>',
      `desafio=${'A'.repeat(88)}`]) {
      await reopen(page, bad);
      assert.match(await text('link-notice'), /^O desafio no endereço desta página está danificado/);
      const bottom = await page.$eval('#link-notice', (notice) => notice.getBoundingClientRect().bottom);
      assert.ok(bottom <= 1100, 'the notice is below the first screen');
      assert.equal(await page.evaluate(() => document.querySelectorAll('img:not(.icon)').length), 0);
      assert.match(await text('lblChallenge'), /^Escolha um nível/);
      assert.equal(await fragment(page), bad.replace(/[<> ]/g, encodeURIComponent));
    }
    assert.deepEqual(page.dctErrors, []);
  });

// From the block to the file: the photo shows the whole picture as JPEG
// compresses it, the file downloaded is byte for byte what the desktop
// build's dct-block --jpeg writes (the bytes taken from the page itself,
// where a driver cannot read a download), the size said is its size, and the
// 64 patterns select their coefficients.
test('the whole picture, its file, its code and the 64 patterns', async () => {
  await reopen(page);
  const original = await pictureOf('picPicture');
  await clickControl(page, 'cmdView');
  assert.equal(await page.$eval('#cmdView', (button) => button.textContent), 'Ver: JPEG');
  assert.deepEqual(await pictureOf('picPicture'), original,
    'with nothing compressed, JPEG\'s picture is the original');
  await setBar('hsbQuality', 50, 10);
  assert.notDeepEqual(await pictureOf('picPicture'), original);
  await clickPixel(85, 100);
  assert.match(await text('lblCode'), /O bloco \(10, 12\) no ficheiro:\nzig-zag:/);

  await page.evaluate(() => {
    window.dctSaved = null;
    HTMLAnchorElement.prototype.click = function keep() {
      fetch(this.href).then((reply) => reply.arrayBuffer())
        .then((bytes) => { window.dctSaved = Array.from(new Uint8Array(bytes)); });
    };
  });
  await clickControl(page, 'cmdSaveJpeg');
  await page.waitForFunction(() => window.dctSaved !== null);
  const saved = await page.evaluate(() => window.dctSaved);
  const file = path.join(folder, 'camera-50.jpg');
  execFileSync(dctBlock, ['--image', '-builtin-', '--jpeg', file, '--quality', '50']);
  assert.deepEqual(saved, Array.from(readFileSync(file)));
  assert.match(await text('lblPicture'), new RegExp(`Ficheiro: ${saved.length} bytes`));

  const patterns = await page.evaluate(() => {
    const stage = document.querySelector('#picPatterns .stage');
    stage.scrollIntoView({ block: 'nearest' });
    const box = stage.getBoundingClientRect();
    return { left: box.left, top: box.top, pixel: box.width / 73 };
  });
  await page.mouse.click(patterns.left + (1 + 9 * 3 + 4) * patterns.pixel,
    patterns.top + (1 + 9 + 4) * patterns.pixel);
  assert.equal(await page.$eval('#HScroll1', (bar) => bar.getAttribute('aria-valuenow')), '11');
  await page.keyboard.press('ArrowRight');
  assert.equal(await page.$eval('#HScroll1', (bar) => bar.getAttribute('aria-valuenow')), '12');
  assert.deepEqual(page.dctErrors, []);
});

// What must be in the first screen, as drawn.
const withinScreen = (names) => page.evaluate((ids) => ids.filter((id) => {
  const r = document.getElementById(id).getBoundingClientRect();
  return !(r.top >= 0 && r.left >= 0 && r.bottom <= innerHeight && r.right <= innerWidth &&
           r.width > 0);
}), names);

test('at 1280 by 800 the window, the photo, the target and the status are all in view',
  async () => {
    await page.setViewport({ width: 1280, height: 800 });
    try {
      await reopen(page);
      await clickControl(page, 'cmdNewChallenge');
      assert.deepEqual(await withinScreen(['program', 'picPicture', 'picTarget', 'lblChallenge']),
        []);
    } finally {
      await page.setViewport({ width: 900, height: 1100 });
    }
  });

test('on a phone a challenge link opens on its target and status, which stay in view',
  { skip: limits.touch }, async () => {
    await page.setViewport({ width: 360, height: 740, hasTouch: true, isMobile: true });
    try {
      await reopen(page, 'desafio=' + (await challengeLink()));
      assert.deepEqual(await withinScreen(['challenge-strip']), []);
      assert.match(await text('challenge-strip'), /^Desafio: 0 de 2 coeficientes certos/);
      const strip = await page.evaluate(() => {
        const canvas = document.querySelector('#challenge-strip canvas');
        const { data } = canvas.getContext('2d').getImageData(0, 0, 8, 8);
        return Array.from({ length: 64 }, (_, i) => data[4 * i]);
      });
      assert.deepEqual(strip, await pictureOf('picTarget'));
      await typeOver(page, 'Text2(63)', '10');
      assert.ok(await scrolled() > 0, 'the box was not scrolled to');
      assert.deepEqual(await withinScreen(['challenge-strip']), []);
      assert.deepEqual(page.dctErrors, []);
    } finally {
      await page.setViewport({ width: 900, height: 1100 });
    }
  });

// A challenge of two coefficients, as the desktop build's tools make one:
// the window's own link, made by the page.
async function challengeLink() {
  await reopen(page, '0,0=30&1,0=-20');
  await clickControl(page, 'cmdCreateChallenge');
  return (await page.$eval('#txtLink', (box) => box.value)).split('desafio=')[1];
}

// What a screen reader is told, from Chromium's accessibility tree.
test('a screen reader hears the framed block, the bars\' values and each move',
  { skip: browserName !== 'chromium' && 'only Chromium gives its accessibility tree' },
  async () => {
    await reopen(page);
    await clickPixel(85, 100);
    const tree = await page.accessibility.snapshot({ interestingOnly: false });
    const nodes = [];
    const walk = (node) => { nodes.push(node); (node.children || []).forEach(walk); };
    walk(tree);
    assert.ok(nodes.some((node) => /bloco \(10, 12\)/.test(node.name ?? '')),
      'no node names the framed block');
    // The bar named by its label; Chromium's own view leaves its value text
    // out: the attribute.
    assert.ok(nodes.some((node) => node.role === 'slider' && /^Qualidade: desligada/.test(node.name)));
    assert.equal(await page.$eval('#hsbQuality', (bar) => bar.getAttribute('aria-valuetext')),
      'desligada');
    const said = () => page.$eval('#picPicture', (picture) =>
      [...picture.parentElement.querySelectorAll('[aria-live]')].map((e) => e.textContent)
        .join('|'));
    assert.match(await said(), /Bloco \(10, 12\): JPEG [^.]+, janela /);
    await page.keyboard.press('ArrowRight');
    assert.match(await said(), /Bloco \(11, 12\)/);
    const notImage = path.join(folder, 'nada.png');
    writeFileSync(notImage, 'not an image');
    await choose(notImage);
    await page.waitForFunction(() => [...document.querySelectorAll('#lesson [aria-live]')]
      .some((e) => e.textContent.includes('«nada.png»')));
  });
