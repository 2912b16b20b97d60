// The page computes what the desktop build's dct-block computes: the 64
// hints, the 64 greys and the indicator, for seeded tables of every kind,
// entered by the link and by typing into the boxes.
import { test, describe, before, after } from 'node:test';
import assert from 'node:assert/strict';
import {
  launch, openPage, reopen, clickControl, selectAll, assertShows, expectedBlock, linkOf,
  zeroTable, browserName,
} from './harness.mjs';

// Firefox and WebKit are slower to drive: fewer there.
const fewer = browserName !== 'chromium';
const byLink = fewer ? 20 : 200;
// Of those, typed: a full table takes some 300 keystrokes, the others a few.
const typedFull = fewer ? 0 : 2;
const typedOthers = fewer ? 2 : 18;

// mulberry32: a small generator whose sequence is the same on every machine.
function generator(seed) {
  let state = seed >>> 0;
  return () => {
    state = (state + 0x6d2b79f5) >>> 0;
    let t = state;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

const random = generator(20240617);
const between = (low, high) => low + Math.floor(random() * (high - low + 1));
const nonZero = (low, high) => {
  for (;;) {
    const value = between(low, high);
    if (value !== 0) return value;
  }
};

// Five kinds in turn: a few coefficients anywhere; all 64 anywhere in range
// (mostly clipped); all 64 small; low frequencies strong enough to clip; and
// a few at the ends of the range and next to 0.
const kinds = [
  (table) => {
    for (let n = between(1, 4); n > 0; n--) table[between(0, 63)] = nonZero(-100, 100);
  },
  (table) => table.forEach((_, i) => { table[i] = between(-100, 100); }),
  (table) => table.forEach((_, i) => { table[i] = between(-4, 4); }),
  (table) => {
    table[0] = nonZero(-1, 1) * between(60, 100);
    for (let n = between(1, 3); n > 0; n--) {
      table[between(0, 2) + 8 * between(0, 2)] = nonZero(-1, 1) * between(60, 100);
    }
  },
  (table) => {
    const ends = [-100, -1, 1, 100];
    for (let n = between(2, 8); n > 0; n--) table[between(0, 63)] = ends[between(0, 3)];
  },
];

const tables = [];
while (tables.length < byLink) {
  const table = zeroTable();
  kinds[tables.length % kinds.length](table);
  if (table.some((value) => value !== 0)) tables.push(table);
}
const full = (n) => n % kinds.length === 1 || n % kinds.length === 2;
const typed = [...tables.keys()].filter(full).slice(0, typedFull)
  .concat([...tables.keys()].filter((n) => !full(n)).slice(0, typedOthers));

let browser;
const idle = [];
before(async () => { browser = await launch(); });
after(async () => { await browser.close(); });

// A tab of its own for each test running at the same time.
async function inTab(action) {
  const page = idle.pop() ?? await openPage(browser);
  try {
    return await action(page);
  } finally {
    idle.push(page);
  }
}

test('the tables are of every kind, clipped and not', () => {
  const clipped = tables.filter((table) => expectedBlock(table).indicator === '#ff0000').length;
  assert.ok(clipped >= byLink / 10 && byLink - clipped >= byLink / 10, `${clipped} clipped`);
});

describe('tables opened by the link', { concurrency: 4 }, () => {
  tables.forEach((table, n) => {
    test(`table ${n}`, () => inTab(async (page) => {
      await reopen(page, linkOf(table));
      await assertShows(page, table, 0);
    }));
  });
});

// Box 0 after a click, every other box after a Tab, which selects its text.
describe('tables typed into the boxes', () => {
  typed.forEach((n) => {
    const table = tables[n];
    test(`table ${n}`, () => inTab(async (page) => {
      // Keys go to the tab in front.
      await page.bringToFront();
      await reopen(page);
      await clickControl(page, 'Text2(0)');
      await selectAll(page);
      for (const value of table) {
        if (value !== 0) await page.keyboard.type(String(value));
        await page.keyboard.press('Tab');
      }
      await assertShows(page, table, table.findLastIndex((value) => value !== 0));
    }));
  });
});
