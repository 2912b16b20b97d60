// Writes a picture of the page as a visitor sees it, the same block as the
// window's picture, for README.md and docs/:
//   node tools/screenshot/page.mjs OUT.png [--phone | --contrast | --lesson | --file]
// --phone: on a phone held upright, 360 pixels wide, the window in its layout
// for fingers; --contrast: under a high-contrast theme (forced colours);
// --lesson: the window and the lesson beside it on a wide screen, a block of
// the photograph entered at quality 50; --file: the same lesson's part from
// the block to the JPEG file, the photograph shown as JPEG compresses it.
import { launch, openPage } from '../../tests/web/harness.mjs';

const [out, kind = ''] = process.argv.slice(2);
const viewports = {
  '': { width: 760, height: 720 },
  '--phone': { width: 360, height: 1000, hasTouch: true, isMobile: true },
  '--contrast': { width: 760, height: 720 },
  '--lesson': { width: 1280, height: 800 },
  '--file': { width: 1280, height: 1250 },
};
if (!out || !(kind in viewports)) {
  console.error(
    'usage: node tools/screenshot/page.mjs OUT.png [--phone | --contrast | --lesson | --file]');
  process.exit(2);
}
const browser = await launch('chromium');
// The link enters the block as the window's picture has it typed.
const page = await openPage(browser, '0,0=-20&1,0=60&0,1=50&1,1=20&2,2=-12&3,1=8',
                            viewports[kind]);
if (kind === '--contrast') {
  const session = await page.createCDPSession();
  await session.send('Emulation.setEmulatedMedia',
    { features: [{ name: 'forced-colors', value: 'active' }] });
}
const lesson = kind === '--lesson' || kind === '--file';
if (lesson) {
  // The camera's lens, at quality 50.
  const box = await (await page.$('#picPicture .stage')).boundingBox();
  await page.mouse.click(box.x + (156 / 256) * box.width, box.y + (68 / 256) * box.height);
  await page.focus('#hsbQuality');
  for (let i = 0; i < 5; ++i) await page.keyboard.press('PageDown');
  if (kind === '--file') await page.click('#cmdView');
} else {
  await page.click('[id="Text2(9)"]');
}
await page.mouse.move(0, 0);
// The picture shows the selection, not a blinking cursor.
await page.evaluate(() => document.activeElement.blur());
const { left, right, bottom } = await page.evaluate(
  () => document.getElementById('lesson').getBoundingClientRect().toJSON());
const fileTop = await page.evaluate(() => document.getElementById('picPicture').getBoundingClientRect().top);
const clips = {
  '--lesson': { x: 0, y: 0, width: right + 16, height: bottom + 16 },
  '--file': { x: left, y: fileTop - 8, width: right - left, height: bottom - fileTop + 8 },
};
await page.screenshot({ path: out, ...(kind in clips ? { clip: clips[kind] } : {}) });
await browser.close();
