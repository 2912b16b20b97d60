// WebKit for the page's tests: the part of puppeteer's Browser, Page and
// ElementHandle that the tests use, over a WebDriver session of WebKitGTK's
// MiniBrowser (webkit-driver.mjs). Pointer and keys go through WebDriver's
// actions, which the browser handles as a user's input.
//
// WebDriver as WebKitWebDriver 2.50 offers it has no event stream (no BiDi),
// so what puppeteer hears as events is gathered here otherwise:
// - 'pageerror' and 'console': a listener of the page's errors and a wrapper
//   of its console, put in at each goto and reload. What happens before the
//   load event, while the page starts, is not seen. An uncaught error of a
//   page from disk reads only "Script error." in WebKit, to which each file
//   is an origin of its own; it is reported all the same.
// - 'dialog': a dialog left open stops the next command, which then names it.
// - 'request': never; see `limits`.
// The page's events come with the answer to the next script run in it.
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { Session } from './webkit-driver.mjs';

// What WebKit cannot do or report here, with the reason; a test skips on it.
export const limits = {
  requests: 'WebKitWebDriver 2.50 has no event stream, so nothing reports the requests of a page',
  otherButtons: 'WebKitWebDriver 2.50 releases the middle and right buttons as the main one, ' +
    'which leaves them held in the page',
  touch: 'WebKitWebDriver 2.50 gives the actions of a touch pointer as a mouse\'s',
  emulation: 'WebDriver emulates no phone and no pixel ratio',
  narrow: 'MiniBrowser keeps its toolbar, so its page is no narrower than some 450 pixels, ' +
    'wider than a phone\'s',
  windows: 'the adapter drives the windows it opens itself, not one that a page\'s script opens',
};

const elementKey = 'element-6066-11e4-a52e-4f735466cecf';
const queue = '__dctWebDriverEvents';

// Puts in the page the gathering of its errors and console messages.
const gathering = `if (!window.${queue}) {
  const events = window.${queue} = [];
  addEventListener('error', (event) => events.push(['pageerror',
    event.error?.name ?? 'Error', event.error?.message ?? event.message]));
  addEventListener('unhandledrejection', (event) => events.push(['pageerror',
    event.reason?.name ?? 'Error', event.reason?.message ?? String(event.reason)]));
  for (const type of ['debug', 'log', 'info', 'warn', 'error']) {
    const original = console[type];
    console[type] = function (...parts) {
      events.push(['console', type, parts.join(' ')]);
      return original.apply(this, parts);
    };
  }
}`;

// A script's body, made to answer with its value, the page's events since the
// last answer and the page's address.
const answering = (body) => `return Promise.resolve(
  (function () { ${body} }).apply(this, arguments))
  .then((value) => [value, (window.${queue} || []).splice(0), location.href]);`;

const calling = (fn) => `return (${fn}).apply(null, arguments);`;

// Checks `predicate` on `polling` ('raf', 'mutation' or milliseconds) until
// it holds, as puppeteer's waitForFunction does.
const waiting = (predicate) => `const [polling, timeout, args] = arguments;
  const predicate = ${predicate};
  return new Promise((resolve, reject) => {
    let done = false;
    const stops = [];
    const finish = (settle, value) => {
      if (done) return;
      done = true;
      stops.forEach((stop) => stop());
      settle(value);
    };
    const check = async () => {
      try {
        const value = await predicate(...args);
        if (value) finish(resolve, value);
      } catch (error) {
        finish(reject, error);
      }
    };
    if (timeout > 0) {
      const timer = setTimeout(() =>
        finish(reject, new Error('Waiting failed: ' + timeout + 'ms exceeded')), timeout);
      stops.push(() => clearTimeout(timer));
    }
    if (polling === 'mutation') {
      const observer = new MutationObserver(check);
      observer.observe(document, { childList: true, subtree: true, attributes: true,
        characterData: true });
      stops.push(() => observer.disconnect());
    } else if (polling === 'raf') {
      const frame = () => { if (!done) check().then(() => requestAnimationFrame(frame)); };
      requestAnimationFrame(frame);
    } else {
      const timer = setInterval(check, polling);
      stops.push(() => clearInterval(timer));
    }
    check();
  });`;

// Puppeteer's names of keys, as WebDriver codes them.
const keyCodes = {
  Backspace: '\uE003', Tab: '\uE004', Enter: '\uE007', Shift: '\uE008', Control: '\uE009',
  Alt: '\uE00A', Escape: '\uE00C', Space: ' ', PageUp: '\uE00E', PageDown: '\uE00F',
  End: '\uE010', Home: '\uE011', ArrowLeft: '\uE012', ArrowUp: '\uE013', ArrowRight: '\uE014',
  ArrowDown: '\uE015', Insert: '\uE016', Delete: '\uE017', Meta: '\uE03D',
};

function keyCode(key) {
  if ([...key].length === 1) return key === '\n' || key === '\r' ? keyCodes.Enter : key;
  if (key in keyCodes) return keyCodes[key];
  throw new Error(`No WebDriver code for the key ${key}`);
}

class Keyboard {
  #page;
  constructor(page) { this.#page = page; }
  down(key) { return this.#keys([['keyDown', key]]); }
  up(key) { return this.#keys([['keyUp', key]]); }
  press(key) { return this.#keys([['keyDown', key], ['keyUp', key]]); }
  type(text) { return this.#keys([...text].flatMap((key) => [['keyDown', key], ['keyUp', key]])); }

  #keys(steps) {
    return this.#page.act({ type: 'key', id: 'keyboard',
      actions: steps.map(([type, key]) => ({ type, value: keyCode(key) })) });
  }
}

class Mouse {
  #page;
  constructor(page) { this.#page = page; }
  move(x, y) { return this.#pointer([this.#to(x, y)]); }
  down({ button } = {}) { return this.#pointer([this.#press('pointerDown', button)]); }
  up({ button } = {}) { return this.#pointer([this.#press('pointerUp', button)]); }

  click(x, y, { button } = {}) {
    return this.#pointer([this.#to(x, y), this.#press('pointerDown', button),
      this.#press('pointerUp', button)]);
  }

  #press(type, button = 'left') {
    if (button !== 'left') throw new Error(limits.otherButtons);
    return { type, button: 0 };
  }

  // The driver takes whole pixels; puppeteer's may be fractions.
  #to(x, y) { return { type: 'pointerMove', x: Math.round(x), y: Math.round(y), duration: 0 }; }

  #pointer(actions) {
    return this.#page.act({ type: 'pointer', id: 'mouse', parameters: { pointerType: 'mouse' },
      actions });
  }
}

class ElementHandle {
  constructor(page, reference) {
    this.page = page;
    this.reference = reference;
  }

  // The middle of the element, brought into view first if need be.
  clickablePoint() {
    return this.page.evaluate((element) => {
      element.scrollIntoView({ block: 'nearest', inline: 'nearest' });
      const box = element.getBoundingClientRect();
      return { x: box.left + box.width / 2, y: box.top + box.height / 2 };
    }, this);
  }

  async click(options) {
    const { x, y } = await this.clickablePoint();
    await this.page.mouse.click(x, y, options);
  }

  // A file input takes the files' paths as typed keys, one a line.
  uploadFile(...paths) {
    const id = this.reference[elementKey];
    return this.page.send('POST', `/element/${id}/value`, { text: paths.join('\n') });
  }

}

// What the driver gives as an element becomes an ElementHandle, and back.
const toPage = (page, value) =>
  (value && value[elementKey] ? new ElementHandle(page, value) : value);
const toDriver = (value) => (value instanceof ElementHandle ? value.reference : value);

class Dialog {
  #session;
  #text;
  constructor(session, text) {
    this.#session = session;
    this.#text = text;
  }

  message() { return this.#text; }
  accept() { return this.#session.command('POST', '/alert/accept', {}).catch(() => {}); }
  dismiss() { return this.#session.command('POST', '/alert/dismiss', {}).catch(() => {}); }
}

class Page {
  #browser;
  #session;
  #listeners = new Map();
  #address = 'about:blank';
  #newDocumentScripts = [];
  #closed = false;

  constructor(browser, session, handle) {
    this.#browser = browser;
    this.#session = session;
    this.handle = handle;
    this.keyboard = new Keyboard(this);
    this.mouse = new Mouse(this);
  }

  on(event, listener) {
    this.#listeners.set(event, [...(this.#listeners.get(event) ?? []), listener]);
    return this;
  }

  off(event, listener) {
    this.#listeners.set(event, (this.#listeners.get(event) ?? []).filter((l) => l !== listener));
    return this;
  }

  #emit(event, value) {
    return Promise.all((this.#listeners.get(event) ?? []).map((listener) => listener(value)));
  }

  // One command in this page's window. A dialog that is open stops it: the
  // listeners hear of it, it is dismissed if they leave it open, and the
  // command runs again.
  send(method, route, body) {
    return this.#session.inWindow(this.handle, async () => {
      for (;;) {
        try {
          return await this.#session.command(method, route, body);
        } catch (error) {
          if (error.code !== 'unexpected alert open') throw error;
          const dialog = new Dialog(this.#session, error.data?.text ?? '');
          await this.#emit('dialog', dialog);
          await dialog.dismiss();
        }
      }
    });
  }

  act(source) { return this.send('POST', '/actions', { actions: [source] }); }

  async #run(body, args) {
    let answer;
    try {
      answer = await this.send('POST', '/execute/sync',
        { script: answering(body), args: args.map(toDriver) });
    } catch (error) {
      // As puppeteer: what the page threw, in its words.
      throw error.code === 'javascript error' ? new Error(error.detail) : error;
    }
    // A dialog that opens while a script runs ends the script with no answer,
    // as WebDriver has it; the dialog is met and handled on the next command.
    if (answer === null) {
      await this.send('GET', '/title');
      return undefined;
    }
    const [value, events, address] = answer;
    this.#address = address;
    for (const [kind, type, text] of events) {
      if (kind === 'pageerror') {
        await this.#emit('pageerror', Object.assign(new Error(text), { name: type }));
      } else {
        await this.#emit('console', { type: () => type, text: () => text });
      }
    }
    return toPage(this, value);
  }

  evaluate(fn, ...args) {
    return this.#run(typeof fn === 'function' ? calling(fn) : `return ${fn};`, args);
  }

  waitForFunction(fn, { polling = 'raf', timeout = 30000 } = {}, ...args) {
    return this.#run(waiting(fn), [polling, timeout, args]);
  }

  $(selector) { return this.evaluate((s) => document.querySelector(s), selector); }

  $eval(selector, fn, ...args) {
    return this.#run(`const element = document.querySelector(arguments[0]);
      if (!element) throw new Error('No element for ' + arguments[0]);
      return (${fn})(element, ...[...arguments].slice(1));`, [selector, ...args]);
  }

  async click(selector, options) {
    const element = await this.$(selector);
    if (!element) throw new Error(`No element for ${selector}`);
    await element.click(options);
  }

  // The address as of the last script run in the page.
  url() { return this.#address; }
  title() { return this.send('GET', '/title'); }

  async goto(address) {
    // Whatever the page reported before it goes.
    await this.#run('', []);
    await this.send('POST', '/url', { url: this.#withNewDocumentScripts(address) });
    await this.#run(gathering, []);
  }

  async reload() { await this.#travel('/refresh'); }
  async goBack() { await this.#travel('/back'); }
  async goForward() { await this.#travel('/forward'); }

  async #travel(route) {
    await this.#run('', []);
    await this.send('POST', route, {});
    await this.#run(gathering, []);
  }

  async setViewport({ width, height, deviceScaleFactor = 1, isMobile, hasTouch }) {
    if (hasTouch) throw new Error(limits.touch);
    if (deviceScaleFactor !== 1 || isMobile) throw new Error(limits.emulation);
    // The window's size that gives the page this size, found by trying: the
    // browser's own bars take some.
    for (let tries = 0; tries < 3; tries++) {
      const [innerWidth, innerHeight] = await this.evaluate(() => [innerWidth, innerHeight]);
      if (innerWidth === width && innerHeight === height) return;
      if (innerWidth > width && tries > 0) throw new Error(limits.narrow);
      const outer = await this.send('GET', '/window/rect');
      await this.send('POST', '/window/rect', { width: outer.width + width - innerWidth,
        height: outer.height + height - innerHeight });
      await this.evaluate(() => new Promise((resolve) => requestAnimationFrame(resolve)));
    }
    throw new Error(`WebKit's window does not fit a page of ${width}×${height}`);
  }

  // Its window in front: every command in it makes it the current one.
  bringToFront() { return this.send('GET', '/window'); }

  // Closed by the test; a page cannot close a window that WebDriver opened.
  isClosed() { return this.#closed; }

  async close() {
    this.#closed = true;
    await this.#browser.closePage(this);
  }

  // Scripts for the next pages loaded, before their own. WebDriver cannot
  // run any there, so a page from disk is loaded from a copy that has them.
  evaluateOnNewDocument(fn, ...args) {
    this.#newDocumentScripts.push(`(${fn})(...${JSON.stringify(args)});`);
  }

  #withNewDocumentScripts(address) {
    if (this.#newDocumentScripts.length === 0 || address === 'about:blank') return address;
    const url = new URL(address);
    if (url.protocol !== 'file:') throw new Error('Scripts before a page only for pages on disk');
    const copy = path.join(this.#browser.folder(), path.basename(fileURLToPath(url)));
    const script = `<script>${this.#newDocumentScripts.join('\n')}</script>`;
    const page = readFileSync(fileURLToPath(url), 'utf8');
    const head = page.match(/<head[^>]*>/i);
    writeFileSync(copy, head ? page.replace(head[0], () => head[0] + script) : script + page);
    return pathToFileURL(copy).href + url.hash;
  }
}

class Browser {
  #session;
  #pages = new Set();
  #spare;
  #folder = null;

  constructor(session, firstWindow) {
    this.#session = session;
    this.#spare = [firstWindow];
  }

  static async launch() {
    const session = await Session.start();
    return new Browser(session, await session.command('GET', '/window'));
  }

  // A page in a window of its own: under Xvfb, with no window manager, every
  // window is shown, so none is held back as a tab in the background would be.
  async newPage() {
    const handle = this.#spare.pop() ?? await this.#session.newWindow();
    const page = new Page(this, this.#session, handle);
    this.#pages.add(page);
    await page.goto('about:blank');
    return page;
  }

  // A session ends with its last window, so that one is kept for the next page.
  async closePage(page) {
    this.#pages.delete(page);
    if (this.#pages.size > 0 || this.#spare.length > 0) {
      await this.#session.closeWindow(page.handle);
    } else {
      await page.goto('about:blank');
      this.#spare.push(page.handle);
    }
  }

  folder() {
    this.#folder ??= mkdtempSync(path.join(os.tmpdir(), 'dct-webkit-'));
    return this.#folder;
  }

  async close() {
    await this.#session.close();
    if (this.#folder) rmSync(this.#folder, { recursive: true, force: true });
  }
}

export const launchWebKit = () => Browser.launch();
