// The page's speed in headless chromium, each figure a median beside a floor measured in the same
// run, once as is and once with the CPU slowed down four times (a low-end phone):
//   keystroke  a class-changing keystroke, from the input event to every box written, against a
//              script writing the same boxes' texts, each with the keystroke's delivery; both timed
//              in runs of 100 (the browser's clock has 0.1 ms steps);
//   cold       the slowest of the first ten keystrokes after the page opens, each on its own
//              (the median over seven opens);
//   paste      a 1 MB paste into the number's box, from the paste to the octets written, against
//              a script writing the same text into a plain text box and reading it back;
//   window     from navigation to the first frame with the whole window and its texts, against
//              the first paint of a page of one line;
//   size       index.html, and compressed with gzip.
// Usage: node web/bench.mjs [path of index.html] [--slow-only]
import { readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';
import { chromium } from 'playwright-core';

const site = process.argv.slice(2).find((a) => !a.startsWith('--')) ??
  fileURLToPath(new URL('../build-web/site/index.html', import.meta.url));
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium',
                                        args: ['--no-sandbox', '--disable-gpu'] });
const context = await browser.newContext();
const floorPage = join(tmpdir(), 'quorvel-floor.html');
writeFileSync(floorPage, '<!doctype html><title>floor</title><p>quorvel</p>');

// A fresh page at the given slowdown, navigated to the url.
async function open(url, rate) {
  const page = await context.newPage();
  const cdp = await context.newCDPSession(page);
  await cdp.send('Emulation.setCPUThrottlingRate', { rate });
  await page.goto(url);
  return page;
}
const ready = (page) => page.waitForFunction(() => document.activeElement?.dataset?.field === '1');

// Keystrokes dispatched in the page, in runs of 100: the first octet between 1 (class A) and 200
// (class C). The floor writes the texts of the boxes those keystrokes change. Both deliver the
// keystroke the same way (the typed box's new text and its input event): the floor to a box of
// its own that nothing listens to.
function keystrokes(runs) {
  const first = document.querySelector('[data-field="1"]');
  const boxes = [...document.querySelectorAll('input, textarea')];
  const plain = document.body.appendChild(document.createElement('input'));
  const deliver = (box, text) => {
    box.value = text;
    box.dispatchEvent(new InputEvent('input', { bubbles: true, inputType: 'insertText' }));
  };
  const type = (text) => deliver(first, text);
  const seen = boxes.map((b) => b.value);
  type('200');
  const changed = boxes.filter((b, i) => b.value !== seen[i]);
  const texts = [changed.map((b) => b.value), []];
  type('1');
  texts[1] = changed.map((b) => b.value);
  const times = [];
  const floors = [];
  for (let run = 0; run < runs; ++run) {
    let start = performance.now();
    for (let i = 0; i < 100; ++i) type(i % 2 ? '1' : '200');
    times.push((performance.now() - start) / 100);
    start = performance.now();
    for (let i = 0; i < 100; ++i) {
      deliver(plain, i % 2 ? '1' : '200');
      const now = texts[i % 2 ? 1 : 0];
      for (let b = 0; b < changed.length; ++b) changed[b].value = now[b];
    }
    floors.push((performance.now() - start) / 100);
  }
  plain.remove();
  return { times, floors, boxes: changed.length };
}

// The first ten keystrokes of a fresh page, each timed alone.
function coldKeystrokes() {
  const first = document.querySelector('[data-field="1"]');
  const times = [];
  for (let i = 0; i < 10; ++i) {
    const text = i % 2 ? '1' : '200';
    const start = performance.now();
    first.value = text;
    first.dispatchEvent(new InputEvent('input', { bubbles: true, inputType: 'insertText' }));
    times.push(performance.now() - start);
  }
  return Math.max(...times);
}

async function measure(rate) {
  // Each open of the page gives one slowest-of-ten; the figure is their median.
  const colds = [];
  for (let i = 0; i < 7; ++i) {
    const fresh = await open(`file://${site}`, rate);
    await ready(fresh);
    colds.push(await fresh.evaluate(coldKeystrokes));
    await fresh.close();
  }
  const page = await open(`file://${site}`, rate);
  await ready(page);
  await page.evaluate(keystrokes, 3);  // the browser compiles the hot code meanwhile
  const typed = await page.evaluate(keystrokes, 25);

  // A megabyte pasted eleven times into the number's box, from the paste to the end of the page's
  // handlers. The clipboard's data comes with the event, as the browser hands it over: reading
  // the system's clipboard is the browser's time, whatever the page.
  await page.getByRole('textbox', { name: 'IP address as one number', exact: true }).click();
  const pastes = await page.evaluate(() => {
    const box = document.activeElement;
    const times = [];
    for (let i = 0; i < 11; ++i) {
      const data = new DataTransfer();
      data.setData('text/plain', String(i % 9 + 1).repeat(1 << 20));
      box.select();
      const start = performance.now();
      box.dispatchEvent(new ClipboardEvent('paste', { clipboardData: data, bubbles: true,
                                                      cancelable: true }));
      times.push(performance.now() - start);
    }
    return times;
  });
  const plainPastes = await page.evaluate(() => {
    const plain = document.body.appendChild(document.createElement('textarea'));
    const times = [];
    for (let i = 0; i < 11; ++i) {
      const start = performance.now();
      plain.value = String(i % 9 + 1).repeat(1 << 20);
      times.push(plain.value.length && performance.now() - start);
    }
    return times;
  });
  await page.close();

  // Navigation to the first paint, which holds the whole window with its texts.
  async function firstPaint(url) {
    const fresh = await open(url, rate);
    const paint = await fresh.evaluate(() => new Promise((resolve) => {
      new PerformanceObserver((list) => resolve(list.getEntries()[0].startTime))
        .observe({ type: 'paint', buffered: true });
    }));
    await fresh.close();
    return paint;
  }
  const paints = [];
  const floorPaints = [];
  for (let i = 0; i < 20; ++i) {
    paints.push(await firstPaint(`file://${site}`));
    floorPaints.push(await firstPaint(`file://${floorPage}`));
  }
  return {
    keystroke: [median(typed.times), median(typed.floors)],
    boxes: typed.boxes,
    cold: median(colds),
    paste: [median(pastes), median(plainPastes)],
    window: [median(paints), median(floorPaints)],
  };
}

const rows = [];
if (!process.argv.includes('--slow-only')) rows.push(['as is', await measure(1)]);
rows.push(['4x slower', await measure(4)]);
await browser.close();

const ms = (value) => `${value.toFixed(3).padStart(8)} ms`;
for (const [name, figures] of rows) {
  console.log(`${name}:`);
  for (const key of ['keystroke', 'paste', 'window']) {
    const [value, floor] = figures[key];
    console.log(`  ${key.padEnd(10)} ${ms(value)}  floor ${ms(floor)}  ratio ${(value / floor).toFixed(2)}`);
  }
  console.log(`  cold       ${ms(figures.cold)}  (slowest of the first ten, median of 7 opens)`);
  console.log(`  (a class-changing keystroke writes ${figures.boxes} boxes)`);
}
const html = readFileSync(site);
console.log(`size       ${html.length} bytes, ${gzipSync(html, { level: 9 }).length} compressed`);
