// The page on phones, tablets and a desktop, emulated in Debian's chromium: every size shows the
// whole window without sideways scrolling, with targets a finger can hit and text that reads, and
// taps do what clicks do on the desktop.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { chromium } from 'playwright-core';
import { failOnErrors, launchOptions, site } from './chromium.mjs';

let browser;
before(async () => {
  browser = await chromium.launch(launchOptions);
});
after(() => browser.close());

// The least each size must give, as seen: targets (entry boxes and buttons) and text in CSS px.
const sizes = [
  { name: 'desktop', width: 1280, height: 800, touch: false },
  { name: 'small phone', width: 320, height: 568, touch: true, target: 44, entryText: 16 },
  { name: 'phone', width: 360, height: 740, touch: true, target: 44, entryText: 16 },
  { name: 'large phone', width: 390, height: 844, touch: true, target: 44, entryText: 16 },
  { name: 'phone in landscape', width: 844, height: 390, touch: true, target: 24 },
  { name: 'tablet', width: 768, height: 1024, touch: true, target: 24 },
];

async function open(size) {
  const context = await browser.newContext({
    viewport: { width: size.width, height: size.height }, isMobile: size.touch,
    hasTouch: size.touch, deviceScaleFactor: size.touch ? 3 : 1 });
  const page = await context.newPage();
  failOnErrors(page);
  await page.goto(`file://${site}`);
  await page.getByRole('textbox', { name: 'IP octet 1, decimal' }).waitFor();
  return { page, close: () => context.close() };
}

// A tap in the middle of the control, as a finger gives it on a touch screen, else a click.
async function press(page, size, control) {
  if (!size.touch) return control.click();
  await control.scrollIntoViewIfNeeded();
  const box = await control.boundingBox();
  const view = await page.evaluate(() => [visualViewport.offsetLeft, visualViewport.offsetTop,
                                          visualViewport.scale]);
  await page.touchscreen.tap((box.x + box.width / 2 - view[0]) * view[2],
                             (box.y + box.height / 2 - view[1]) * view[2]);
}

// What the layout gives, as seen after the browser's own zoom.
const measure = (page) => page.evaluate(() => {
  const scale = visualViewport.scale;
  const shown = (e) => e.getClientRects().length > 0;
  const form = [...document.querySelectorAll('#Form1 > *')].filter(shown);
  const targets = form.filter((e) => e.matches('.entry, button'));
  const sizeOf = (e) => parseFloat(getComputedStyle(e).fontSize) * scale;
  const digits = ['binary', 'as one number'];
  return {
    overflow: document.documentElement.scrollWidth - innerWidth,
    zoomedOut: scale < 1,
    target: Math.min(...targets.flatMap((e) => {
      const r = e.getBoundingClientRect();
      return [r.width * scale, r.height * scale];
    })),
    entryText: Math.min(...form.filter((e) => e.matches('.entry')).map(sizeOf)),
    text: Math.min(...form.filter((e) => (e.value ?? e.textContent) !== '').map(sizeOf)),
    cutDigits: form.filter((e) => digits.some((d) => e.ariaLabel?.includes(d)))
      .filter((e) => e.scrollWidth > e.clientWidth).map((e) => e.ariaLabel),
  };
});

// Every control of the open dialogs inside the visible area.
const dialogsOutside = (page) => page.evaluate(() => [...document.querySelectorAll('dialog, dialog *')]
  .filter((e) => e.getClientRects().length > 0).filter((e) => {
    const r = e.getBoundingClientRect();
    return r.left < 0 || r.top < 0 || r.right > innerWidth + 0.5 || r.bottom > innerHeight + 0.5;
  }).map((e) => e.ariaLabel ?? e.textContent));

const boxes = (page) => page.evaluate(() => [...document.querySelectorAll('input, textarea')]
  .map((e) => `${e.ariaLabel}=${e.value}`));

// The octets by taps, typed over as each tap selects, a mask octet, then Reset; the boxes after
// each step, to compare with the desktop's.
async function scenario(page, size, beforeReset) {
  const read = [];
  const control = (role, name) => page.getByRole(role, { name, exact: true });
  for (const [name, typed] of [['IP octet 2, decimal', '168'], ['IP octet 1, decimal', '192'],
                               ['Subnet mask octet 4, decimal', '224']]) {
    await press(page, size, control('textbox', name));
    await page.keyboard.type(typed);
    read.push(await boxes(page));
  }
  await beforeReset();
  await press(page, size, control('button', 'Reset'));
  read.push(await boxes(page));
  return read;
}

let desktopReads;
for (const size of sizes) {
  test(`${size.name}, ${size.width}x${size.height}`, async () => {
    const { page, close } = await open(size);
    await page.keyboard.type('255');
    await page.getByRole('textbox', { name: 'IP address as one number' }).click();
    await page.keyboard.type('4294967295');
    await page.keyboard.press('Tab');
    const seen = await measure(page);
    assert.ok(seen.overflow <= 0 && !seen.zoomedOut, `sideways: ${seen.overflow} px`);
    assert.deepEqual(seen.cutDigits, []);
    if (size.touch) {
      assert.ok(seen.target >= size.target, `the smallest target is ${seen.target} px`);
      assert.ok(seen.entryText >= (size.entryText ?? 12), `entry text ${seen.entryText} px`);
      assert.ok(seen.text >= 12, `the smallest text is ${seen.text} px`);
    }
    await press(page, size, page.getByRole('button', { name: 'About This Program' }));
    assert.deepEqual(await dialogsOutside(page), []);
    await press(page, size, page.getByRole('button', { name: 'OK' }));
    assert.equal(await page.getByRole('dialog').count(), 0);
    await page.reload();
    await page.getByRole('textbox', { name: 'IP octet 1, decimal' }).waitFor();
    const reads = await scenario(page, size, async () => {
      if (size.width === 390 && process.env.QUORVEL_PHONE_SCREENSHOT) {
        await page.screenshot({ path: process.env.QUORVEL_PHONE_SCREENSHOT });
      }
    });
    assert.ok(reads[0].includes('IP octet 2, decimal=168'), 'the tap selected the octet');
    desktopReads ??= reads;
    assert.deepEqual(reads, desktopReads);
    await close();
  });
}
