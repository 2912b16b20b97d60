// WebKitGTK's MiniBrowser driven by WebKitWebDriver over the W3C WebDriver
// protocol (JSON over HTTP, https://www.w3.org/TR/webdriver2/), on a display
// of its own: the browser has no headless mode, and an Xvfb server both stands
// in for a screen in CI and keeps its windows off a developer's desktop.
import { spawn } from 'node:child_process';
import { existsSync, readdirSync } from 'node:fs';
import net from 'node:net';
import path from 'node:path';

// Debian puts the MiniBrowser under the architecture's library folder.
function miniBrowser() {
  const found = readdirSync('/usr/lib')
    .map((folder) => path.join('/usr/lib', folder, 'webkit2gtk-4.1/MiniBrowser'))
    .find(existsSync);
  if (!found) throw new Error('No MiniBrowser here: apt-get install webkit2gtk-driver');
  return found;
}

// A helper process, ended with this one however this one ends; `lastWords`
// keeps the end of what it wrote to stderr, for an error message.
function helper(command, args, options) {
  const child = spawn(command, args, { ...options, stdio: ['ignore', 'ignore', 'pipe', 'pipe'] });
  const end = () => child.kill();
  process.on('exit', end);
  child.on('exit', () => process.off('exit', end));
  child.lastWords = '';
  child.stderr.on('data', (chunk) => { child.lastWords = (child.lastWords + chunk).slice(-2000); });
  child.failed = new Promise((_, reject) => {
    child.on('error', reject);
    child.on('exit', (code) => reject(new Error(`${command} ended (${code}): ${child.lastWords}`)));
  });
  child.failed.catch(() => {});
  return child;
}

// An X server on the first free display, which it names when it is ready.
async function startDisplay() {
  const server = helper('Xvfb', ['-displayfd', '3', '-nolisten', 'tcp', '-screen', '0',
    '1280x1024x24']);
  let written = '';
  const display = new Promise((resolve) => {
    server.stdio[3].on('data', (chunk) => {
      written += chunk;
      if (written.endsWith('\n')) resolve(`:${written.trim()}`);
    });
  });
  return { server, display: await Promise.race([display, server.failed]) };
}

function freePort() {
  return new Promise((resolve, reject) => {
    const probe = net.createServer().on('error', reject);
    probe.listen(0, '127.0.0.1', () => {
      const { port } = probe.address();
      probe.close(() => resolve(port));
    });
  });
}

export class WebDriverError extends Error {
  constructor(reply) {
    super(`${reply.error}${reply.message ? `: ${reply.message}` : ''}`);
    this.code = reply.error;
    this.detail = reply.message;
    this.data = reply.data;
  }
}

const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

export class Session {
  #base;
  #helpers;
  #queue = Promise.resolve();
  #window = null;

  constructor(base, helpers) {
    this.#base = base;
    this.#helpers = helpers;
  }

  static async start() {
    const { server, display } = await startDisplay();
    const port = await freePort();
    // On a developer's Wayland desktop, GTK would open the browser there.
    const { WAYLAND_DISPLAY, ...environment } = process.env;
    const driver = helper('WebKitWebDriver', [`--port=${port}`],
      { env: { ...environment, DISPLAY: display, GDK_BACKEND: 'x11' } });
    const session = new Session(`http://127.0.0.1:${port}`, [driver, server]);
    try {
      await Promise.race([session.#ready(), driver.failed]);
      const { sessionId } = await session.command('POST', '/session', { capabilities: {
        alwaysMatch: {
          // A dialog stays open until the one who caused it is told (webdriver.mjs).
          unhandledPromptBehavior: 'ignore',
          'webkitgtk:browserOptions': { binary: miniBrowser(), args: ['--automation'] },
        },
      } });
      session.#base += `/session/${sessionId}`;
      // Waits in the page end on their own timeouts, not the driver's.
      await session.command('POST', '/timeouts', { script: 600000 });
      return session;
    } catch (error) {
      await session.#end();
      throw error;
    }
  }

  // The driver answers once it listens.
  async #ready() {
    for (const deadline = Date.now() + 20000; Date.now() < deadline; await pause(50)) {
      const status = await this.command('GET', '/status').catch(() => null);
      if (status?.ready) return;
    }
    throw new Error('WebKitWebDriver did not start');
  }

  // One WebDriver command; its value, or a WebDriverError.
  async command(method, route, body, signal) {
    const reply = await fetch(this.#base + route, {
      method,
      headers: { 'content-type': 'application/json; charset=utf-8' },
      body: body === undefined ? undefined : JSON.stringify(body),
      signal,
    });
    const { value } = await reply.json();
    if (!(value && typeof value === 'object' && 'error' in value)) return value;
    const error = new WebDriverError(value);
    // A browser that crashed says why, if anywhere, on the driver's stderr.
    if (['invalid session id', 'unknown error'].includes(error.code)) {
      error.message += `\n${this.#helpers[0].lastWords}`;
    }
    throw error;
  }

  // Runs `action` alone on the session with the window `handle` current:
  // a session has one current window, and tests share it.
  inWindow(handle, action) {
    return this.#alone(async () => {
      if (this.#window !== handle) await this.#switchTo(handle);
      return action();
    });
  }

  // A new window. The driver makes it from the current one, so there must be one.
  newWindow() {
    return this.#alone(async () => {
      if (this.#window === null) {
        await this.#switchTo((await this.command('GET', '/window/handles'))[0]);
      }
      return (await this.command('POST', '/window/new', { type: 'window' })).handle;
    });
  }

  closeWindow(handle) {
    return this.inWindow(handle, async () => {
      await this.command('DELETE', '/window');
      this.#window = null;
    });
  }

  async #switchTo(handle) {
    this.#window = null;
    await this.command('POST', '/window', { handle });
    this.#window = handle;
  }

  #alone(action) {
    const result = this.#queue.then(action, action);
    this.#queue = result.catch(() => {});
    return result;
  }

  async close() {
    await this.#queue;
    // A browser that hangs is ended with the display.
    await this.command('DELETE', '', undefined, AbortSignal.timeout(10000)).catch(() => {});
    await this.#end();
  }

  // The X server's end takes down any browser the driver left behind.
  #end() {
    return Promise.all(this.#helpers.map((child) => {
      if (child.exitCode !== null || child.signalCode !== null) return null;
      const ended = new Promise((resolve) => child.once('exit', resolve));
      child.kill();
      return ended;
    }));
  }
}
