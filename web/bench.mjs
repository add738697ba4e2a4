// The page's speed in headless chromium, each figure beside a floor measured in the same run:
//   keystroke  a class-changing keystroke, from the input event to every box updated, against
//              writing the same boxes' texts from a script;
//   paste      a 1 MB paste into the number's box, from the paste event to every box updated,
//              against a script writing the same text into a plain text box and reading it back;
//   paint      the first paint of the page from file://, against a page with one line of text;
//   size       index.html, and compressed with gzip.
// Usage: node web/bench.mjs [path of index.html]
import { readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';
import { chromium } from 'playwright-core';

const site = process.argv[2] ??
  fileURLToPath(new URL('../build-web/site/index.html', import.meta.url));
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium',
                                        args: ['--no-sandbox', '--disable-gpu'] });
const context = await browser.newContext({ permissions: ['clipboard-read', 'clipboard-write'] });

// Times every input event to the end of its handlers: the page's own run on its Form1 element,
// before the event reaches the document.
async function open(url) {
  const page = await context.newPage();
  await page.goto(url);
  await page.getByRole('textbox', { name: 'IP octet 1, decimal' }).waitFor();
  await page.evaluate(() => {
    window.timings = [];
    for (const type of ['input', 'paste']) {
      window.addEventListener(type, () => { window.started = performance.now(); }, true);
    }
    document.addEventListener('input', () => {
      window.timings.push(performance.now() - window.started);
    });
  });
  return page;
}

const page = await open(`file://${site}`);
const first = page.getByRole('textbox', { name: 'IP octet 1, decimal' });
await first.click();
await page.keyboard.type('12');
// Warmed up first, as the browser compiles the program's hot code again, optimised, meanwhile.
for (let i = 0; i < 200; ++i) await page.keyboard.press(i % 2 ? 'Backspace' : '8');
await page.evaluate(() => window.timings.splice(0));
for (let i = 0; i < 200; ++i) await page.keyboard.press(i % 2 ? 'Backspace' : '8');  // B, A
const keystroke = median(await page.evaluate(() => window.timings.splice(0)));
const floor = median(await page.evaluate(() => {
  const boxes = [...document.querySelectorAll('input, textarea')];
  const times = [];
  for (let i = 0; i < 200; ++i) {
    const start = performance.now();
    for (const box of boxes) box.value = `${i}${box.value.length}`;
    times.push(performance.now() - start);
  }
  return times;
}));

// A megabyte pasted five times into the number's box; as a floor, written into a plain box and
// read back from a script.
await page.evaluate(() => navigator.clipboard.writeText('1'.repeat(1 << 20)));
const pastes = [];
for (let i = 0; i < 5; ++i) {
  await page.getByRole('textbox', { name: 'IP address as one number', exact: true }).click();
  await page.keyboard.press('Control+V');
  pastes.push(...await page.evaluate(() => window.timings.splice(0)));
  await page.getByRole('textbox', { name: 'IP octet 2, decimal' }).click();
}
const plainPastes = await page.evaluate(() => {
  const plain = document.body.appendChild(document.createElement('textarea'));
  const times = [];
  for (let i = 0; i < 5; ++i) {
    const start = performance.now();
    plain.value = String(i).repeat(1 << 20);
    times.push(plain.value.length && performance.now() - start);
  }
  return times;
});

// First paints, each of a fresh page, ten of each.
const floorPage = join(tmpdir(), 'quorvel-floor.html');
writeFileSync(floorPage, '<!doctype html><title>floor</title><p>quorvel</p>');
async function firstPaint(url) {
  const fresh = await context.newPage();
  await fresh.goto(url);
  const paint = await fresh.evaluate(() => new Promise((resolve) => {
    new PerformanceObserver((list) => resolve(list.getEntries()[0].startTime))
      .observe({ type: 'paint', buffered: true });
  }));
  await fresh.close();
  return paint;
}
const paints = [];
const floorPaints = [];
for (let i = 0; i < 10; ++i) {
  paints.push(await firstPaint(`file://${site}`));
  floorPaints.push(await firstPaint(`file://${floorPage}`));
}
await browser.close();

const html = readFileSync(site);
const row = (name, value, against) =>
  console.log(`${name.padEnd(10)} ${value.toFixed(3).padStart(9)} ms  ` +
              `floor ${against.toFixed(3).padStart(8)} ms  ratio ${(value / against).toFixed(1)}`);
row('keystroke', keystroke, floor);
row('paste', median(pastes), median(plainPastes));
row('paint', median(paints), median(floorPaints));
console.log(`size       ${html.length} bytes, ${gzipSync(html, { level: 9 }).length} compressed`);
