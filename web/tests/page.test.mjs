// The page in Debian's chromium, headless: what the page adds to the model, which its own tests
// answer for. Controls are found as a screen reader finds them, by role and accessible name.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { chromium } from 'playwright-core';
import { failOnErrors, launchOptions, site } from './chromium.mjs';

let browser;
before(async () => {
  browser = await chromium.launch(launchOptions);
});
after(() => browser.close());

async function open(options = {}) {
  const page = await browser.newPage(options);
  failOnErrors(page);
  await page.goto(`file://${site}`);
  await page.getByRole('textbox', { name: 'IP octet 1, decimal' }).waitFor();
  return page;
}
const box = (page, name) => page.getByRole('textbox', { name, exact: true });
// The focused control's name, text and selection, as the DOM holds them.
const focused = (page) => page.evaluate(() => {
  const e = document.activeElement;
  return [e.getAttribute('aria-label') ?? e.textContent, e.value, e.selectionStart, e.selectionEnd];
});

test('every field is one named box, and Tab walks the open ones selecting as the sheet does',
     async () => {
  const page = await open();
  assert.equal(await page.title(), 'quorvel');
  const names = await page.evaluate(() => [...document.querySelectorAll('input, textarea')]
    .map((e) => e.getAttribute('aria-label')));
  assert.equal(names.length, 35);
  assert.equal(new Set(names).size, 35);
  assert.equal(await box(page, 'IP address as one number, editing').isHidden(), true);
  assert.deepEqual(await focused(page), ['IP octet 1, decimal', '000', 0, 3]);
  await page.keyboard.type('150');  // class B: the second mask octet closes
  const walk = [];
  for (let i = 0; i < 7; ++i) {
    await page.keyboard.press('Tab');
    walk.push((await focused(page))[0]);
  }
  assert.deepEqual(walk, ['IP octet 2, decimal', 'IP octet 3, decimal', 'IP octet 4, decimal',
                          'Subnet mask octet 3, decimal', 'Subnet mask octet 4, decimal',
                          'About This Program', 'IP octet 1, decimal']);
  assert.equal(await box(page, 'Subnet mask octet 2, decimal').isDisabled(), true);
  // Back by Shift+Tab the box selects five characters, not the browser's whole text.
  await page.keyboard.press('Shift+Tab');
  await page.keyboard.press('Shift+Tab');
  await page.keyboard.type('1234567');
  await page.keyboard.press('Tab');
  await page.keyboard.press('Shift+Tab');
  assert.deepEqual(await focused(page), ['Subnet mask octet 4, decimal', '1234567', 0, 5]);
  await page.close();
});

test('carets are UTF-16 units, and a focusing click ends with the sheet\'s selection', async () => {
  const page = await open();
  await box(page, 'IP address as one number').click();
  assert.deepEqual(await focused(page), ['IP address as one number, editing', '0', 0, 1]);
  await page.keyboard.type('3232235777');
  // Leaving the number's box by a click hands the focus to the first octet.
  await box(page, 'IP octet 3, decimal').click({ position: { x: 30, y: 5 } });
  assert.deepEqual(await focused(page), ['IP octet 1, decimal', '192', 0, 3]);
  await box(page, 'IP octet 3, decimal').click({ position: { x: 30, y: 5 } });
  assert.deepEqual(await focused(page), ['IP octet 3, decimal', '1', 0, 1]);
  await box(page, 'IP address as one number').click();
  await page.keyboard.press('Home');
  for (let i = 0; i < 4; ++i) await page.keyboard.press('ArrowRight');
  await page.keyboard.type('\u{1F600}');
  assert.deepEqual(await focused(page),
                   ['IP address as one number, editing', '3232\u{1F600}235777', 6, 6]);
  // A megabyte typed at once goes through the sheet whole, the caret after it.
  await page.keyboard.insertText('1'.repeat(1 << 20));
  const [, text, start, end] = await focused(page);
  assert.deepEqual([text.length, start, end], [(1 << 20) + 12, (1 << 20) + 6, (1 << 20) + 6]);
  await page.close();
});

// At 200%, as a browser zoomed in or a screen of twice the density draws it.
test('the About box: one at a time, OK by Enter or Escape, Alt+S says there is no tool',
     async () => {
  const page = await open({ deviceScaleFactor: 2 });
  const about = page.getByRole('dialog', { name: 'About quorvel' });
  for (const closes of ['Enter', 'Escape']) {
    await page.getByRole('button', { name: 'About This Program' }).click();
    assert.equal(await about.count(), 1);
    assert.deepEqual((await focused(page))[0], 'OK');
    // Every row of the box's table that a reader meets: the texts, the rule and the buttons.
    for (const text of [/quorvel\s+Version 1\.0\.0/, /I hope this program/, /Provided as is/]) {
      assert.match(await about.innerText(), text);
    }
    assert.equal(await about.getByRole('separator').count(), 1);
    assert.deepEqual(await about.getByRole('button').allInnerTexts(), ['OK', 'System Info...']);
    await page.keyboard.press(closes);
    assert.equal(await about.count(), 0);
  }
  await page.getByRole('button', { name: 'About This Program' }).click();
  await page.keyboard.press('Alt+S');
  const message = page.getByRole('dialog', { name: 'quorvel', exact: true });
  assert.match(await message.innerText(), /System Information Is Unavailable At This Time/);
  await page.keyboard.press('Enter');
  assert.equal(await message.count(), 0);
  assert.equal(await about.count(), 1);
  await page.getByRole('button', { name: 'OK' }).click();
  assert.equal(await about.count(), 0);
  await page.close();
});

test('EXIT ends the program in the page, and it can start again', async () => {
  const page = await open();
  await page.getByRole('button', { name: 'About This Program' }).click();
  await page.keyboard.press('Escape');
  await page.getByRole('button', { name: 'EXIT' }).click();
  assert.equal(await page.getByRole('textbox').count(), 0);
  assert.match(await page.locator('body').innerText(), /quorvel has ended/);
  await page.getByRole('link', { name: 'Start again' }).click();
  await box(page, 'IP octet 1, decimal').waitFor();
  await page.close();
});

test('what the user typed before the program started reaches it', async () => {
  const page = await browser.newPage();
  failOnErrors(page);
  // The page's scripts start from a timer once the window is shown; timers wait for the test.
  await page.addInitScript(() => {
    const timer = window.setTimeout;
    let release;
    const released = new Promise((resolve) => { release = resolve; });
    window.startProgram = release;
    window.setTimeout = (callback, ...rest) => timer(() => released.then(callback), ...rest);
  });
  await page.goto(`file://${site}`);
  await box(page, 'IP octet 4, decimal').fill('7');
  await box(page, 'IP octet 1, decimal').fill('150');
  await page.evaluate(() => window.startProgram());
  const hex = box(page, 'IP octet 1, hexadecimal');
  for (let tries = 0; (await hex.inputValue()) !== '96' && tries < 300; ++tries) {
    await page.waitForTimeout(100);
  }
  assert.deepEqual(await Promise.all(['IP octet 1, hexadecimal', 'IP octet 4, hexadecimal']
    .map((name) => box(page, name).inputValue())), ['96', '07']);
  assert.deepEqual(await focused(page), ['IP octet 1, decimal', '150', 3, 3]);
  await page.close();
});

// The contrast of a disabled box's text on its screenshot: the colour that fills most of it
// against the one that stands out most from it.
// The README's example first: 192.168.1.1 with the mask 255.255.255.224, whose picture the light
// page leaves where QUORVEL_SCREENSHOT says.
test('disabled boxes read at 4.5:1 at least, in the light and the dark scheme', async () => {
  for (const colorScheme of ['light', 'dark']) {
    const page = await open({ colorScheme });
    for (const octet of ['192', '168', '1', '1', '224']) {
      await page.keyboard.type(octet);
      await page.keyboard.press('Tab');
    }
    if (colorScheme === 'light' && process.env.QUORVEL_SCREENSHOT) {
      await page.getByRole('form', { name: 'Form1' }).screenshot({
        path: process.env.QUORVEL_SCREENSHOT });
    }
    const shot = await box(page, 'Number of usable hosts').screenshot();
    const ratio = await page.evaluate(async (png) => {
      const image = await createImageBitmap(await (await fetch(png)).blob());
      const canvas = new OffscreenCanvas(image.width, image.height);
      const context = canvas.getContext('2d');
      context.drawImage(image, 0, 0);
      const data = context.getImageData(3, 3, image.width - 6, image.height - 6).data;
      const luminance = (i) => [0, 1, 2].map((c) => data[i + c] / 255)
        .map((v) => (v <= 0.03928 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4))
        .reduce((sum, v, c) => sum + v * [0.2126, 0.7152, 0.0722][c], 0);
      const counts = new Map();
      for (let i = 0; i < data.length; i += 4) {
        counts.set(luminance(i), (counts.get(luminance(i)) ?? 0) + 1);
      }
      const background = [...counts].sort((a, b) => b[1] - a[1])[0][0];
      return Math.max(...[...counts.keys()].map((l) =>
        (Math.max(l, background) + 0.05) / (Math.min(l, background) + 0.05)));
    }, `data:image/png;base64,${shot.toString('base64')}`);
    assert.ok(ratio >= 4.5, `${colorScheme}: ${ratio}`);
    await page.close();
  }
});
