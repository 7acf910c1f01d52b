// Prints how long the studio page takes to redraw the bundled example after
// an edit, measured in headless chromium: from the edit of the toe width to
// the new sheet painted, and the part of it spent in lwall's own drawing and
// checking inside the worker. A measurement to read, not a test.
// Usage: node measure_redraw.mjs PAGE [EDITS]
import {launchStudio} from './studio_browser.mjs';

const [page, edits = '40'] = process.argv.slice(2);
const studio = await launchStudio(page);
const times = await studio.page.evaluate(async (n) => {
  const input = document.querySelector('input[aria-label="toe width"]');
  const out = [];
  for (let i = 0; i < n; ++i) {
    const before = document.body.dataset.drawn;
    const drawn = new Promise((resolve) => {
      const watch = new MutationObserver(() => {
        if (document.body.dataset.drawn !== before) {
          watch.disconnect();
          resolve();
        }
      });
      watch.observe(document.body, {attributes: true});
    });
    const start = performance.now();
    input.value = String(500 + (i % 2) * 10);
    input.dispatchEvent(new Event('input', {bubbles: true}));
    await drawn;
    // Two frames: the one that lays out the new sheet and the one after its paint.
    await new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve)));
    out.push({total: performance.now() - start, lwall: state.result.milliseconds});
  }
  return out;
}, Number(edits));
await studio.close();

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
};
const ms = (value) => `${value.toFixed(1)} ms`;
const total = times.map((t) => t.total);
const lwall = times.map((t) => t.lwall);
console.log(`redraw of the example after an edit, ${times.length} edits:`);
console.log(`  edit to painted sheet: median ${ms(median(total))} (fastest ${ms(Math.min(...total))}, slowest ${ms(Math.max(...total))})`);
console.log(`  lwall in the worker (sheet, portable DXF, picture, check): median ${ms(median(lwall))}`);
