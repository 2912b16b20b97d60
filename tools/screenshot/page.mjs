// Writes a picture of the page as a visitor sees it, the same block as the
// window's picture, for the README:  node tools/screenshot/page.mjs OUT.png
import { launch, openPage } from '../../tests/web/harness.mjs';

const out = process.argv[2];
if (!out) {
  console.error('usage: node tools/screenshot/page.mjs OUT.png');
  process.exit(2);
}
const browser = await launch('chromium');
// The link enters the block as the window's picture has it typed.
const page = await openPage(browser, '0,0=-20&1,0=60&0,1=50&1,1=20&2,2=-12&3,1=8',
                            { width: 760, height: 720 });
await page.click('[id="Text2(9)"]');
await page.mouse.move(0, 0);
// The picture shows the selection, not a blinking cursor.
await page.evaluate(() => document.activeElement.blur());
await page.screenshot({ path: out });
await browser.close();
