// One seeded list of user actions played on the desktop window and lesson and
// on the page in Chromium, comparing the two after every action. A
// difference is shortened to the fewest actions that still show it.
//   node differential.mjs [--player PATH] [--seed N] [--actions N]
// PATH is window_differential (default: build/bin/window_differential); the
// page is DCT_PAGE or build-web/transformada-dct.html.
import { execFileSync, spawn } from 'node:child_process';
import { parseArgs } from 'node:util';
import path from 'node:path';
import readline from 'node:readline';
import { launch, openPage, windowState, pageAddress } from '../web/harness.mjs';
import { playOnPage, lessonState } from './page-player.mjs';

const here = path.dirname(new URL(import.meta.url).pathname);
const { values: options } = parseArgs({
  options: {
    player: { type: 'string', default: path.join(here, '../../build/bin/window_differential') },
    seed: { type: 'string', default: String(Math.floor(Math.random() * 2 ** 32)) },
    actions: { type: 'string', default: '2000' },
  },
});

// The desktop window, in a player that answers each line with its state.
class Desktop {
  constructor(player) {
    this.child = spawn(player, ['--play'], { stdio: ['pipe', 'pipe', 'inherit'] });
    this.lines = readline.createInterface({ input: this.child.stdout })[Symbol.asyncIterator]();
  }

  async send(line) {
    this.child.stdin.write(`${line}\n`);
    const { value, done } = await this.lines.next();
    if (done) throw new Error(`the desktop window ended after "${line}"`);
    return JSON.parse(value);
  }

  close() { this.child.stdin.end(); }
}

// After a Tab or Shift+Tab past either end of the window, the page's focus is
// outside it while the desktop's has wrapped round; the two are not compared
// until the focus is back in the page.
const tabs = new Set(['Tab', 'BackTab']);
const focusDependent = new Set(['Type', 'ClearText', 'EditKey', 'Tab', 'BackTab', 'BarKey']);
let focusReturns = 0;

// Each field that differs; of the 64 boxes, the first few that differ.
function differences(desktop, page, focusOutside) {
  const found = [];
  const note = (name, d, p) => {
    if (d !== p) found.push(`${name}: desktop ${JSON.stringify(d)}, page ${JSON.stringify(p)}`);
  };
  for (const [field, value] of Object.entries(desktop)) {
    if (field === 'focus' && focusOutside) continue;
    if (Array.isArray(value)) {
      const before = found.length;
      value.forEach((d, i) => note(`${field}[${i}]`, d, page[field][i]));
      // A few of the 64 tell enough.
      const more = found.splice(before + 3).length;
      if (more > 0) found.push(`${field}: ${more} more`);
    } else {
      note(field, value, page[field]);
    }
  }
  return found;
}

// Plays the actions on a fresh window of each; the first difference, if any,
// with the index of the action after which it showed.
async function replay(browser, desktop, actions) {
  // The lesson's challenges from the seed that window_differential gives its own.
  const page = await openPage(browser, '', undefined, `${pageAddress}?seed=1`);
  try {
    let desktopState = await desktop.send('new');
    const stateOf = async () => ({ ...(await windowState(page)), ...(await lessonState(page)) });
    let pageState = await stateOf();
    let outside = false;
    const compare = (index, step) => {
      const found = differences(desktopState, pageState, outside);
      found.push(...page.dctErrors.splice(0).map((error) => `the page failed: ${error}`));
      return found.length > 0 ? { index, step, found } : null;
    };
    let failure = compare(-1, 'the window as opened');
    for (let i = 0; !failure && i < actions.length; ++i) {
      const steps = [actions[i]];
      // From outside, the page's Tab comes back in at the first control while
      // the desktop's goes on from where it wrapped round: first bring the
      // focus back in both by clicking the selected box, which changes nothing else.
      if (outside && focusDependent.has(actions[i].kind)) {
        steps.unshift({ kind: 'ClickCoefficientBox', number: pageState.selector });
        ++focusReturns;
      }
      for (const step of steps) {
        [desktopState] = await Promise.all([
          desktop.send(JSON.stringify(step)), playOnPage(page, step, pageState.focus)]);
        pageState = await stateOf();
        outside = pageState.focus === null && (outside || tabs.has(step.kind));
        failure = compare(i, step);
        if (failure) break;
      }
    }
    return failure;
  } finally {
    await page.close();
  }
}

// Removes ever smaller runs of actions while the rest still differs, as
// tests/random does.
async function shorten(run, actions) {
  for (let chunk = Math.floor(actions.length / 2); chunk >= 1; chunk = Math.floor(chunk / 2)) {
    for (let start = 0; start < actions.length;) {
      const candidate = [...actions.slice(0, start), ...actions.slice(start + chunk)];
      const failure = await run(candidate);
      if (failure) {
        actions = candidate.slice(0, failure.index + 1);
      } else {
        start += chunk;
      }
    }
  }
  return actions;
}

// The seeded list, from the same generator as the desktop's random test.
function listActions(player, seed, count) {
  const lines = execFileSync(player, ['--seed', seed, '--actions', count], { encoding: 'utf8' });
  return lines.trim().split('\n').map((line) => JSON.parse(line));
}

function report(seed, shortest, failure) {
  if (!failure) {
    console.log(`seed ${seed} differed once but not when replayed: not reproducible`);
    return;
  }
  console.log(`seed ${seed} differs; the shortest list of actions found that still differs ` +
              `(${shortest.length}):`);
  for (const action of shortest) console.log(`  ${JSON.stringify(action)}`);
  console.log(`  after ${JSON.stringify(failure.step)}:`);
  for (const line of failure.found) console.log(`    ${line}`);
}

async function main() {
  const { player, seed } = options;
  const actions = listActions(player, seed, options.actions);
  console.log(`seed ${seed}, ${actions.length} actions`);
  const browser = await launch('chromium');
  const desktop = new Desktop(player);
  try {
    const run = (list) => replay(browser, desktop, list);
    const failure = await run(actions);
    if (!failure) {
      console.log(`${actions.length} actions, no difference ` +
                  `(focus brought back into the window ${focusReturns} times)`);
      return 0;
    }
    console.log(`after action ${failure.index + 1}, ${JSON.stringify(failure.step)}, ` +
                'the windows differ; shortening');
    const shortest = await shorten(run, actions.slice(0, failure.index + 1));
    report(seed, shortest, await run(shortest));
    return 1;
  } finally {
    desktop.close();
    await browser.close();
  }
}

process.exitCode = await main();
