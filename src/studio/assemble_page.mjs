// Puts the studio page together as one file: the page's markup, style and
// script, the worker (lwall's module with the WebAssembly embedded, and the
// worker's own script) and the bundled example, so that the file opens from
// disk with nothing beside it.
// Usage: node assemble_page.mjs MODULE.js EXAMPLE_DIR OUT.html
import {readFileSync, writeFileSync} from 'node:fs';

const [moduleFile, exampleDir, outFile] = process.argv.slice(2);
const here = new URL('./web/', import.meta.url);
const read = (name) => readFileSync(new URL(name, here), 'utf8');
// Embedded files travel as base64, which nothing in an HTML page can misread.
const base64 = (bytes) => Buffer.from(bytes).toString('base64');

const worker = readFileSync(moduleFile, 'utf8') + '\n' + read('worker.js');
const parts = {
  '/*STYLE*/': read('studio.css'),
  '/*PAGE*/': read('studio.js'),
  '/*WORKER*/': base64(worker),
  '/*EXAMPLE_DESIGN*/': base64(readFileSync(`${exampleDir}/tempoL.dat`)),
  '/*EXAMPLE_LAYERS*/': base64(readFileSync(`${exampleDir}/GasouL.dat`)),
};
let page = read('studio.html');
for (const [mark, text] of Object.entries(parts)) {
  if (!page.includes(mark)) throw new Error(`the page has no place for ${mark}`);
  page = page.replace(mark, () => text);
}
if (/<\/script/i.test(parts['/*PAGE*/'])) throw new Error('the page script would end its element');
writeFileSync(outFile, page);
