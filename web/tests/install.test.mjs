// The page served over http as an installable app: Chromium's own verdict, the manifest's colours
// against the window's, the working program back without a network, and a new build reaching a
// returning user without a mix of builds.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { dirname, extname, join } from 'node:path';
import { test } from 'node:test';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';
import { failOnErrors, launchOptions, site as page } from './chromium.mjs';

const source = fileURLToPath(new URL('..', import.meta.url));
const types = { '.html': 'text/html', '.js': 'text/javascript', '.png': 'image/png',
                '.webmanifest': 'application/manifest+json' };

test('installable, offline after one visit, and updated by the second visit after a build',
     async (t) => {
  const scratch = mkdtempSync(join(tmpdir(), 'quorvel-site-'));
  // Undone last first: the browser ends before its profile goes.
  const undo = [() => rmSync(scratch, { recursive: true, force: true })];
  t.after(async () => {
    for (const step of undo.reverse()) await step();
  });
  // Build B: the page changed, its worker written by the build's own step.
  const [siteA, siteB] = [join(scratch, 'a'), join(scratch, 'b')];
  cpSync(dirname(page), siteA, { recursive: true });
  cpSync(dirname(page), siteB, { recursive: true });
  const changed = readFileSync(join(siteB, 'index.html'), 'utf8')
    .replace('<title>quorvel</title>', '<title>quorvel, build B</title>');
  writeFileSync(join(siteB, 'index.html'), changed);
  execFileSync('cmake', [`-DTEMPLATE=${join(source, 'sw.js.in')}`,
                         `-DPAGE=${join(siteB, 'index.html')}`, '-DVERSION=1.0.0',
                         `-DOUTPUT=${join(siteB, 'sw.js')}`, '-P', join(source, 'worker.cmake')]);

  let served = siteA;
  const server = createServer((request, response) => {
    const path = new URL(request.url, 'http://x').pathname;
    try {
      const body = readFileSync(join(served, path.endsWith('/') ? `${path}index.html` : path));
      response.writeHead(200, { 'Content-Type': types[extname(path)] ?? 'text/html' });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  undo.push(() => server.close());
  const address = `http://127.0.0.1:${server.address().port}/`;

  // Installability is judged in a profile of one's own, never in an incognito one.
  const context = await chromium.launchPersistentContext(join(scratch, 'profile'), launchOptions);
  undo.push(() => context.close());
  const tab = await context.newPage();
  failOnErrors(tab);
  await tab.goto(address);
  await tab.evaluate(() => navigator.serviceWorker.ready);
  const cdp = await context.newCDPSession(tab);
  assert.deepEqual((await cdp.send('Page.getInstallabilityErrors')).installabilityErrors, []);

  // The manifest's colours are the window's: its face, and the address banner's.
  const manifest = JSON.parse(readFileSync(join(siteA, 'manifest.webmanifest'), 'utf8'));
  assert.deepEqual([manifest.background_color, manifest.theme_color], await tab.evaluate(() =>
    [document.getElementById('Form1'), document.querySelector('.banner')].map((e) => `#${
      getComputedStyle(e).backgroundColor.match(/\d+/g).map((c) => Number(c).toString(16)
        .padStart(2, '0')).join('')}`)));

  // Offline: the program comes back from the worker's copy, and works.
  await tab.waitForFunction(() => navigator.serviceWorker.controller !== null);
  await context.setOffline(true);
  await tab.reload();
  await tab.getByRole('textbox', { name: 'IP octet 1, decimal' }).waitFor();
  await tab.keyboard.type('192');
  assert.equal(await tab.getByRole('textbox', { name: 'Address class' }).inputValue(), 'C');
  await context.setOffline(false);

  // Build B published: the first visit after it may still show A, while B's worker takes its
  // copy; the second shows B, and only B's copy is left.
  served = siteB;
  await tab.goto(address);
  const cacheB = `quorvel-1.0.0-${readFileSync(join(siteB, 'sw.js'), 'utf8')
    .match(/quorvel-1\.0\.0-([0-9a-f]+)/)[1]}`;
  for (let waited = 0; (await tab.evaluate(() => caches.keys())).join() !== cacheB; ++waited) {
    assert.ok(waited < 600, 'build B never took over');
    await tab.waitForTimeout(100);
  }
  await tab.goto(address);
  assert.equal(await tab.title(), 'quorvel, build B');
});
