// The studio page in Debian's chromium, headless, against the command line:
// what the page shows and saves must be what `lwall` makes of the same files.
//
// Usage: node --test studio_test.mjs, with LWALL_STUDIO_PAGE (the page),
// LWALL_BINARY (the command line) and LWALL_EXAMPLES_DIR set; with
// LWALL_STUDIO_SCREENSHOT, also leaves a picture of the page there.
import assert from 'node:assert/strict';
import {spawnSync} from 'node:child_process';
import {copyFileSync, existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {after, before, describe, test} from 'node:test';

import {launchStudio} from './studio_browser.mjs';

const PAGE = process.env.LWALL_STUDIO_PAGE;
const LWALL = process.env.LWALL_BINARY;
const EXAMPLES = process.env.LWALL_EXAMPLES_DIR;
const SAVES = ['tempoL.dat', 'GasouL.dat', 'Lwall.dxf', 'tempoL.scr', 'Lwall-portable.dxf', 'Lwall.svg'];

// What the command line writes for two input files: the plain run, the
// picture of --preview, the portable DXF and the --check report.
function commandLine(design, layers) {
  const dir = mkdtempSync(join(tmpdir(), 'lwall-cli-'));
  writeFileSync(join(dir, 'tempoL.dat'), design);
  writeFileSync(join(dir, 'GasouL.dat'), layers);
  const run = (...args) => spawnSync(LWALL, args, {cwd: dir, encoding: 'latin1'});
  const out = {status: run().status};
  out['Lwall.dxf'] = readFileSync(join(dir, 'Lwall.dxf'));
  out['tempoL.scr'] = readFileSync(join(dir, 'tempoL.scr'));
  run('--preview');
  out['Lwall.svg'] = existsSync(join(dir, 'Lwall.svg')) ? readFileSync(join(dir, 'Lwall.svg')) : null;
  run('--portable-dxf');
  out['Lwall-portable.dxf'] = readFileSync(join(dir, 'Lwall.dxf'));
  out.check = run('--check').stdout.split('\n').filter((l) => l);
  rmSync(dir, {recursive: true});
  return out;
}

const count = (text, what) => text.split(what).length - 1;
const example = (name, file) => readFileSync(join(EXAMPLES, name, file));

describe('lwall studio', {skip: !PAGE || !LWALL || !EXAMPLES}, () => {
  let studio;
  before(async () => { studio = await launchStudio(PAGE); });
  after(async () => { if (studio) await studio.close(); });

  test('opens from file:// with no console error and no network request', async () => {
    assert.deepEqual(studio.problems, []);
    assert.ok(studio.requests.length > 0);
    for (const url of studio.requests) assert.match(url, /^(file|blob|data):/);
  });

  test("the example's picture and every saved file are the command line's", async () => {
    const cli = commandLine(example('standard', 'tempoL.dat'), example('standard', 'GasouL.dat'));
    assert.equal(cli.status, 0);
    const svg = cli['Lwall.svg'].toString();
    const shown = await studio.sheetElements();
    assert.deepEqual(shown, {line: count(svg, '<line '), circle: count(svg, '<circle '), text: count(svg, '<text ')});
    const saved = await studio.saveAll(SAVES);
    assert.deepEqual(saved['tempoL.dat'], example('standard', 'tempoL.dat'));
    assert.deepEqual(saved['GasouL.dat'], example('standard', 'GasouL.dat'));
    for (const name of SAVES.slice(2)) assert.ok(saved[name].equals(cli[name]), name);
    assert.deepEqual(await studio.findings(), ['no findings']);
  });

  test("a new toe width redraws the sheet as the command line draws the form's files", async () => {
    await studio.type('toe width', '650');
    const saved = await studio.saveAll(SAVES);
    const design = example('standard', 'tempoL.dat').toString('latin1').replace(/^500,/, '650,');
    assert.equal(saved['tempoL.dat'].toString('latin1'), design);
    const cli = commandLine(saved['tempoL.dat'], saved['GasouL.dat']);
    for (const name of SAVES.slice(2)) assert.ok(saved[name].equals(cli[name]), name);
    assert.equal(await studio.shownSvg(), cli['Lwall.svg'].toString());
  });

  test('"5O0" shows the finding of --check, linked to its field', async () => {
    await studio.type('toe width', '5O0');
    const saved = await studio.saveAll(['tempoL.dat', 'GasouL.dat']);
    const cli = commandLine(saved['tempoL.dat'], saved['GasouL.dat']);
    const finding = cli.check.find((line) => line.includes('"5O0"'));
    assert.ok(finding, cli.check.join('\n'));
    assert.ok(finding.startsWith('tempoL.dat:1:2: error: reading stopped'), finding);
    assert.deepEqual(await studio.findings(), cli.check.slice(0, -1));
    assert.equal(await studio.summary(), cli.check.at(-1));
    assert.equal(await studio.followFinding(finding), 'toe width');
    await studio.type('toe width', '500');
    assert.deepEqual(await studio.findings(), ['no findings']);
  });

  test("a design the run refuses shows the run's message instead of a sheet", async () => {
    await studio.type('wall height', '2700');
    assert.equal(await studio.sheetMessage(), '高さの制限を超えています。');
    assert.deepEqual(await studio.saveButtons(), {'tempoL.dat': true, 'GasouL.dat': true, 'Lwall.dxf': false,
      'tempoL.scr': false, 'Lwall-portable.dxf': false, 'Lwall.svg': false});
    await studio.type('wall height', '2000');
    assert.equal(await studio.sheetMessage(), null);
    // A design asking for more bars than any sheet holds ends at the output bound.
    await studio.type('W3 pitch count 1', '100000000');
    assert.equal(await studio.sheetMessage(), "can't write Lwall.dxf: the sheet exceeds 64 MiB");
    await studio.type('W3 pitch count 1', '4');
    assert.equal(await studio.sheetMessage(), null);
  });

  test('a layer edited in the table reaches the sheet', async () => {
    await studio.type('layer 3 colour', '5');
    const saved = await studio.saveAll(SAVES);
    assert.match(saved['GasouL.dat'].toString('latin1'), /\r\n5 1 0\.18 D-STR-DIM\r\n/);
    const cli = commandLine(saved['tempoL.dat'], saved['GasouL.dat']);
    for (const name of SAVES.slice(2)) assert.ok(saved[name].equals(cli[name]), name);
    await studio.type('layer 3 colour', '3');
  });

  test('the sheet pans, zooms, fits and hides layers', async () => {
    const fitted = await studio.viewBox();
    await studio.sheetKeys(['+', '+', 'ArrowRight']);
    const zoomed = await studio.viewBox();
    assert.ok(Math.abs(zoomed[2] - fitted[2] / 2.25) < 1e-6 * fitted[2]);
    assert.ok(zoomed[0] > fitted[0]);
    await studio.sheetKeys(['0']);
    assert.deepEqual(await studio.viewBox(), fitted);
    assert.ok(await studio.layerShown('D-STR-DIM'));
    await studio.toggleLayer('D-STR-DIM');
    assert.equal(await studio.layerShown('D-STR-DIM'), false);
    await studio.type('toe width', '500');  // a redraw keeps the layer hidden
    assert.equal(await studio.layerShown('D-STR-DIM'), false);
    await studio.toggleLayer('D-STR-DIM');
  });

  test('labels in Japanese, accessible names in English mode exactly the check names', async () => {
    await studio.language('ja');
    assert.ok(await studio.hasField('つま先幅'));
    assert.ok(await studio.hasField('W3 径 2'));
    await studio.language('en');
    assert.ok(await studio.hasField('toe width'));
    assert.ok(await studio.hasField('F4 pitch count 5'));
  });

  test('two files opened through the file input show their sheet and save as lwall writes', async () => {
    await studio.open([join(EXAMPLES, 'tall', 'tempoL.dat'), join(EXAMPLES, 'tall', 'GasouL.dat')]);
    const cli = commandLine(example('tall', 'tempoL.dat'), example('tall', 'GasouL.dat'));
    assert.equal(await studio.shownSvg(), cli['Lwall.svg'].toString());
    assert.equal(await studio.value('toe width'), '600');
    const saved = await studio.saveAll(SAVES);
    assert.deepEqual(saved['tempoL.dat'], example('tall', 'tempoL.dat'));
    assert.deepEqual(saved['GasouL.dat'], example('tall', 'GasouL.dat'));
    for (const name of SAVES.slice(2)) assert.ok(saved[name].equals(cli[name]), name);
  });

  test('a damaged file opened shows what lwall read and where it stopped', async () => {
    const dir = mkdtempSync(join(tmpdir(), 'lwall-open-'));
    const design = example('standard', 'tempoL.dat').toString('latin1').replace('2000,400', '2000,4x0');
    writeFileSync(join(dir, 'tempoL.dat'), design, 'latin1');
    copyFileSync(join(EXAMPLES, 'standard', 'GasouL.dat'), join(dir, 'GasouL.dat'));
    await studio.open([join(dir, 'tempoL.dat')]);
    const cli = commandLine(design, example('standard', 'GasouL.dat'));
    assert.deepEqual(await studio.findings(), cli.check.slice(0, -1));
    assert.equal(await studio.value('footing thickness'), '4x0');
    assert.equal(await studio.value('view length left'), '0');
    assert.equal(await studio.shownSvg(), cli['Lwall.svg'].toString());
    // The form written back reads as the file did.
    const saved = await studio.saveAll(['tempoL.dat', 'Lwall.dxf']);
    assert.ok(commandLine(saved['tempoL.dat'], example('standard', 'GasouL.dat'))['Lwall.dxf'].equals(saved['Lwall.dxf']));
    rmSync(dir, {recursive: true});
  });

  test('a picture of the page', {skip: !process.env.LWALL_STUDIO_SCREENSHOT}, async () => {
    await studio.open([join(EXAMPLES, 'standard', 'tempoL.dat'), join(EXAMPLES, 'standard', 'GasouL.dat')]);
    await studio.type('F1 diameter 1', '14');
    const [finding] = await studio.findings();
    assert.equal(await studio.followFinding(finding), 'F1 diameter 1');
    await studio.screenshot(process.env.LWALL_STUDIO_SCREENSHOT);
    assert.deepEqual(studio.problems, []);
  });
});
