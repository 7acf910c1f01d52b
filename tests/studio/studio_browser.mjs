// The studio page driven as a user drives it, in Debian's chromium: fields
// found by their accessible names, the sheet by its role, files saved
// through the page's own buttons into a folder of the test's.
import {existsSync, mkdtempSync, readdirSync, readFileSync, rmSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';

import puppeteer from 'puppeteer-core';

const CHROMIUM_ARGS = ['--no-sandbox', '--disable-gpu', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

export async function launchStudio(pagePath, {width = 1400, height = 900} = {}) {
  const profile = mkdtempSync(join(tmpdir(), 'lwall-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium', headless: true,
    args: [...CHROMIUM_ARGS, `--user-data-dir=${profile}`],
  });
  const page = await browser.newPage();
  await page.setViewport({width, height});
  const problems = [];
  const requests = [];
  page.on('console', (m) => { if (m.type() === 'error') problems.push(`console: ${m.text()}`); });
  page.on('pageerror', (e) => problems.push(`page: ${e.message}`));
  page.on('requestfailed', (r) => problems.push(`request failed: ${r.url()}`));
  page.on('request', (r) => requests.push(r.url()));
  const cdp = await browser.target().createCDPSession();
  const downloads = mkdtempSync(join(tmpdir(), 'lwall-saves-'));
  await page.goto('file://' + pagePath);
  await page.waitForFunction(() => document.body.dataset.busy === 'false', {timeout: 60000});

  const drawn = () => page.evaluate(() => document.body.dataset.drawn);
  // Waits until the page has drawn since `before` and has nothing left to draw.
  const redrawn = (before) => page.waitForFunction(
      (b) => document.body.dataset.busy === 'false' && document.body.dataset.drawn !== b,
      {timeout: 60000}, before);
  const field = async (name) => {
    const found = await page.$(`aria/${name}[role="textbox"]`);
    if (!found) throw new Error(`no field named "${name}"`);
    return found;
  };

  const studio = {
    browser, page, problems, requests,

    async type(name, text) {
      const before = await drawn();
      const input = await field(name);
      await input.click();
      await page.keyboard.down('Control');
      await page.keyboard.press('A');
      await page.keyboard.up('Control');
      await input.type(text);
      await redrawn(before);
    },
    value: async (name) => (await field(name)).evaluate((e) => e.value),
    hasField: async (name) => (await page.$(`aria/${name}[role="textbox"]`)) !== null,

    async open(paths) {
      const before = await drawn();
      const input = await page.$('input[type="file"][aria-label="open"]');
      await input.uploadFile(...paths);
      await redrawn(before);
    },

    // Saves each named file through its button; returns their bytes.
    async saveAll(names) {
      const dir = mkdtempSync(join(downloads, 'save-'));
      await cdp.send('Browser.setDownloadBehavior', {behavior: 'allow', downloadPath: dir});
      const out = {};
      for (const name of names) {
        const button = await page.$(`aria/${name}[role="button"]`);
        if (!button) throw new Error(`no button named "${name}"`);
        const file = join(dir, name);
        // Chromium now and then drops one of several downloads made in quick
        // succession; a person would click again, and so does the test.
        for (let attempt = 0; attempt < 3 && !existsSync(file); ++attempt) {
          await button.click();
          for (let i = 0; i < 200 && !existsSync(file); ++i) await sleep(25);
        }
        if (!existsSync(file)) throw new Error(`${name} was not saved: ${readdirSync(dir)}`);
        out[name] = readFileSync(file);
      }
      return out;
    },
    saveButtons: () => page.$$eval('#saves button',
        (buttons) => Object.fromEntries(buttons.map((b) => [b.getAttribute('aria-label'), !b.disabled]))),

    async sheet() {
      // Chromium calls the role "img" an image.
      const sheet = await page.$('aria/sheet');
      if (!sheet || (await sheet.evaluate((s) => s.getAttribute('role'))) !== 'img') {
        throw new Error('no element with the role img named "sheet"');
      }
      return sheet;
    },
    async sheetElements() {
      return (await studio.sheet()).evaluate((s) => ({
        line: s.querySelectorAll('svg line').length,
        circle: s.querySelectorAll('svg circle').length,
        text: s.querySelectorAll('svg text').length,
      }));
    },
    // The picture the sheet was last made from.
    shownSvg: () => page.evaluate(() => state.result.svg),
    sheetMessage: async () => (await studio.sheet()).evaluate(
        (s) => (s.querySelector('.message') ? s.querySelector('.message').textContent : null)),
    viewBox: async () => (await studio.sheet()).evaluate(
        (s) => s.querySelector('svg').getAttribute('viewBox').split(' ').map(Number)),
    async sheetKeys(keys) {
      await (await studio.sheet()).focus();
      for (const key of keys) await page.keyboard.press(key);
    },
    layerShown: (name) => page.evaluate((c) => [...document.querySelectorAll('#sheet svg g')]
        .filter((g) => g.getAttribute('class') === c).every((g) => g.style.display !== 'none'), name),
    async toggleLayer(name) {
      const labels = await page.$$('#layer-toggles label');
      for (const label of labels) {
        if ((await label.evaluate((l) => l.textContent.trim())) === name) await label.click();
      }
    },

    async findings() {
      const list = await page.$('aria/findings[role="list"]');
      if (!list) throw new Error('no list named "findings"');
      return list.evaluate((l) => [...l.children].map((li) => li.textContent));
    },
    summary: () => page.$eval('#findings-summary', (e) => e.textContent),
    // Clicks the finding and returns the accessible name of the field it
    // brought forward, highlighted and focused.
    async followFinding(text) {
      const links = await page.$$('#findings a');
      for (const link of links) {
        if ((await link.evaluate((a) => a.textContent)) !== text) continue;
        await link.click();
        return page.evaluate(() => (document.activeElement.classList.contains('linked')
            ? document.activeElement.getAttribute('aria-label') : null));
      }
      throw new Error(`no finding "${text}"`);
    },

    async language(code) {
      await page.select('#language', code);
    },
    async screenshot(path) {
      await page.screenshot({path});
    },
    async close() {
      await browser.close();
      rmSync(profile, {recursive: true, force: true});
      rmSync(downloads, {recursive: true, force: true});
    },
  };
  return studio;
}
