// A handler that fails is reported as on the desktop: the message on the
// console and in the page, and the program ends. No input of the real window
// makes a handler fail, so a page of its own has a form whose handlers do
// (tests/wasm/FailingHandlerPage.cpp); a second form there, whose handlers
// write what they were raised for into a log, shows what the backend does
// that the program's window does not use.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import {
  launch, openPage, clickControl, clickBar, typeOver, pressKeys, control, browserName,
} from './harness.mjs';

const here = path.dirname(new URL(import.meta.url).pathname);
const address = pathToFileURL(
  process.env.DCT_FAILING_PAGE || path.join(here, '../../build-web/failing-handler.html')).href;

let browser;
before(async () => { browser = await launch(); });
after(async () => { await browser.close(); });

const ended = 'O programa terminou. Recarregue a página para o iniciar de novo.';

// What fails, and what the boxes A and B(2) and the bar S show afterwards. A's
// Change sets B, whose Change fails: A's handler goes no further.
const failures = [
  { name: 'a click on the button', act: (page) => clickControl(page, 'Command1'),
    failure: 'Command1_Click: boom', shows: ['', '', '0'] },
  { name: 'a handler nested in another', act: (page) => typeOver(page, 'A', 'x'),
    failure: 'B_Change(2): B refused x', shows: ['x', 'x', '0'] },
  { name: 'a handler called by a bar', act: (page) => clickBar(page, 'S', 'right'),
    failure: 'B_Change(2): B refused 1', shows: ['', '1', '1'] },
];

// The errors on the console since the last call. The console's messages
// arrive in order, so one of the test's own marks the end.
async function consoleErrors(page) {
  const mark = 'the test reads the console';
  const marked = new Promise((resolve) => {
    const heard = (message) => {
      if (message.text() !== mark) return;
      page.off('console', heard);
      resolve();
    };
    page.on('console', heard);
  });
  await page.evaluate((mark) => console.error(mark), mark);
  await marked;
  return page.dctErrors.splice(0).filter((error) => error !== mark);
}

const shown = (page) => page.evaluate(() => ({
  boxes: ['A', 'B(2)'].map((id) => document.getElementById(id).value)
    .concat(document.getElementById('S').getAttribute('aria-valuenow')),
  enabled: [...document.querySelectorAll('.client input, .client button')]
    .filter((e) => !e.disabled).map((e) => e.id),
  bar: [document.getElementById('S').tabIndex, document.getElementById('S').ariaDisabled],
  statuses: [...document.querySelectorAll('.status')].map((status) => status.textContent),
  role: document.querySelector('.status').getAttribute('role'),
}));

for (const c of failures) {
  test(`a failure in ${c.name} is reported and ends the program`, async () => {
    const page = await openPage(browser, '', undefined, address);
    await c.act(page);
    const message = `transformada-dct: fatal error in ${c.failure}`;
    assert.deepEqual(await consoleErrors(page), [message]);
    const afterFailure = await shown(page);
    assert.deepEqual(afterFailure, {
      boxes: c.shows,
      enabled: [],
      bar: [-1, 'true'],
      // Once, by the main window, not by the other form too.
      statuses: [`Erro fatal: ${message}. ${ended}`, ''],
      role: 'alert',
    });
    // Nothing more is handled.
    await clickBar(page, 'S', 'left');
    await page.keyboard.press('End');
    await clickControl(page, 'Command1');
    await clickControl(page, 'A');
    await page.keyboard.type('y');
    assert.deepEqual(await shown(page), afterFailure);
    assert.deepEqual(await consoleErrors(page), []);
    await page.close();
  });
}

const log = (page) => page.$eval('#lblLog', (e) => e.textContent);

// The button disables the box, the bar and the picture, and assigns the bar
// a value each time, which raises Change all the same.
test('a disabled control takes no focus and raises nothing for input', async () => {
  const page = await openPage(browser, '', { width: 900, height: 900 }, address);
  const state = () => page.evaluate(() => ['txtT', 'hsbV', 'picP'].map((id) => {
    const e = document.getElementById(id);
    return [e.disabled ?? null, e.getAttribute('tabindex'), e.getAttribute('aria-disabled')];
  }));
  const enabled = await state();
  await clickControl(page, 'cmdToggle');
  assert.deepEqual(await state(), [[true, '0', null], [null, null, 'true'], [null, null, 'true']]);
  await page.evaluate(() => document.getElementById('cmdToggle').focus());
  await page.keyboard.press('Tab');
  const focused = await page.evaluate(() => document.activeElement.id);
  assert.ok(!['txtT', 'hsbV', 'picP'].includes(focused), focused);
  await clickBar(page, 'hsbV', 'right');
  await clickControl(page, 'picP');
  await clickControl(page, 'txtT');
  await page.keyboard.type('x');
  assert.equal(await log(page), 'hsbV_Change 1');
  await clickControl(page, 'cmdToggle');
  assert.deepEqual(await state(), enabled);
  await clickBar(page, 'hsbV', 'right');
  assert.equal(await log(page), 'hsbV_Change 1; hsbV_Change 2; hsbV_Change 3');
  assert.deepEqual(page.dctErrors, []);
  await page.close();
});

// The browser's clipboard as each test makes it: missing, refusing or taking
// the text. The answer comes after the click, with whether the text went.
const clipboards = [
  { name: 'no clipboard', make: () => undefined, answer: 'false' },
  { name: 'a clipboard that refuses',
    make: () => ({ writeText: () => Promise.reject(new Error('no')) }), answer: 'false' },
  { name: 'a clipboard that takes the text',
    make: () => ({ writeText: async (text) => { window.copied = text; } }), answer: 'true' },
];
for (const c of clipboards) {
  test(`a copy answers ${c.answer} with ${c.name}`, async () => {
    const page = await openPage(browser, '', { width: 900, height: 900 }, address);
    await page.evaluate(
      `void Object.defineProperty(navigator, 'clipboard', { value: (${c.make})() })`);
    await clickControl(page, 'cmdCopy');
    await page.waitForFunction(() => document.getElementById('lblLog').textContent.includes('Ans'));
    assert.equal(await log(page), `cmdCopy_Click; Clipboard_Answer ${c.answer}`);
    if (c.answer === 'true') assert.equal(await page.evaluate(() => window.copied), 'cópia');
    await page.close();
  });
}

// The box's own name gives way to its label's caption.
test('a label tied to a box names it to screen readers', async () => {
  const page = await openPage(browser, '', { width: 900, height: 900 }, address);
  assert.equal(await page.$eval('#txtT', (e) => e.getAttribute('aria-labelledby')), 'lblT');
  if (browserName === 'chromium') {
    const box = await page.accessibility.snapshot({ root: await control(page, 'txtT') });
    assert.equal(box.name, 'Texto');
  }
  await page.close();
});

// Its role makes it a control of its own, to which a screen reader leaves
// the keys.
test('an interactive picture is an operable control that says its name and description',
  async () => {
    const page = await openPage(browser, '', { width: 900, height: 900 }, address);
    await clickControl(page, 'picP');
    const said = await page.$eval('#picP', (e) => ['role', 'aria-roledescription', 'aria-label',
      'aria-description'].map((name) => e.getAttribute(name)));
    assert.deepEqual(said, ['application', 'imagem', 'Imagem P em 4,4', 'Pixel 4,4']);
    assert.equal(await page.$eval('#lesson .announcer', (e) => e.textContent), 'Pixel 4,4');
    if (browserName === 'chromium') {
      const node = await page.accessibility.snapshot({ root: await control(page, 'picP') });
      assert.deepEqual([node.role, node.roledescription, node.name, node.description],
        ['application', 'imagem', 'Imagem P em 4,4', 'Pixel 4,4']);
    }
    await page.close();
  });

test('Return in a box raises its KeyPress with 13, and presses no button', async () => {
  const page = await openPage(browser, '', { width: 900, height: 900 }, address);
  await clickControl(page, 'txtT');
  await pressKeys(page, ['a', 'Enter', 'Escape']);
  // The button would have assigned the bar a value.
  assert.equal(await log(page), 'txtT_Change; txtT_KeyPress 13');
  await page.close();
});
