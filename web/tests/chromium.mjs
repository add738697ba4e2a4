// What every page test shares: the built page, Debian's chromium headless, and a page that fails
// its test on any error it reports.
import assert from 'node:assert/strict';
import { fileURLToPath } from 'node:url';

export const site = process.env.QUORVEL_SITE ??
  fileURLToPath(new URL('../../build-web/site/index.html', import.meta.url));
export const launchOptions = { executablePath: '/usr/bin/chromium',
                               args: ['--no-sandbox', '--disable-gpu'] };

export function failOnErrors(page) {
  page.on('pageerror', (error) => assert.fail(error.message));
  page.on('console', (message) => {
    if (message.type() === 'error') assert.fail(message.text());
  });
}
