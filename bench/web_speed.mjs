// The browser edition's speed against the native program's: a two-variable sweep at
// precision 5 (121 flights at 10 µs steps), native with one thread per core, in headless
// Chromium with one worker per core. Prints a Markdown table row for docs/PERFORMANCE.md.
// Usage: node bench/web_speed.mjs NATIVE-BATCH SITE-FOLDER [RUNS]
import {execFileSync, spawn} from 'node:child_process';
import {availableParallelism} from 'node:os';
import {dirname, join} from 'node:path';
import {fileURLToPath} from 'node:url';

const [nativeBatch, site, runsText = '3'] = process.argv.slice(2);
const root = join(dirname(fileURLToPath(import.meta.url)), '..');
const {default: puppeteer} =
  await import(join(root, 'tests/web/node_modules/puppeteer-core/lib/esm/puppeteer/puppeteer-core.js'));
const runs = Number(runsText), threads = availableParallelism();
const args = ['mode=2', 'precision=5'];

function best(times) {
  return Math.min(...times);
}
const nativeTimes = [];
for (let i = 0; i < runs; ++i) {
  const start = performance.now();
  execFileSync(nativeBatch, [...args, '--threads', String(threads)], {maxBuffer: 1 << 26});
  nativeTimes.push((performance.now() - start) / 1000);
}

const port = 19000 + (process.pid % 1000);
const server = spawn('node', [join(root, 'web/serve.mjs'), site, String(port)], {stdio: ['ignore', 'pipe', 'inherit']});
await new Promise((resolve) => server.stdout.once('data', resolve));
const browser = await puppeteer.launch({executablePath: '/usr/bin/chromium', headless: 'new', args: ['--no-sandbox', '--disable-dev-shm-usage']});
const webTimes = [];
try {
  const page = await browser.newPage();
  await page.goto(`http://localhost:${port}/#${args.join('&')}`, {waitUntil: 'load'});
  await page.waitForSelector('body[data-ready="1"]');
  for (let i = 0; i < runs; ++i) {
    webTimes.push(await page.evaluate(() => new Promise((resolve) => {
      // From the press of Simulate to the result on show.
      const result = document.querySelector('#result');
      result.dataset.shown = '';
      const start = performance.now();
      const seen = new MutationObserver(() => {
        if (result.dataset.shown !== '1') return;
        seen.disconnect();
        resolve((performance.now() - start) / 1000);
      });
      seen.observe(result, {attributes: true});
      document.querySelector('#simulate').click();
    })));
  }
} finally {
  await browser.close();
  server.kill();
}
const n = best(nativeTimes), w = best(webTimes);
console.log('| threads | native (s) | browser (s) | browser ÷ native |');
console.log('|---|---|---|---|');
console.log(`| ${threads} | ${n.toFixed(2)} | ${w.toFixed(2)} | ${(w / n).toFixed(2)} |`);
