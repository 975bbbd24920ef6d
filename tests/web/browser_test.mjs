// The browser edition in Debian's Chromium, headless: every kind of run against the native
// batch tool's bytes and pixels, a design opened and saved, share links.
// Usage: node browser_test.mjs NATIVE-BATCH SITE-FOLDER
import {execFileSync, spawn} from 'node:child_process';
import {existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {dirname, join} from 'node:path';
import {fileURLToPath} from 'node:url';
import puppeteer from 'puppeteer-core';

const [nativeBatch, site] = process.argv.slice(2);
const here = dirname(fileURLToPath(import.meta.url));
const scratch = mkdtempSync(join(tmpdir(), 'hydrolofter-web-'));
const native = (...args) => execFileSync(nativeBatch, args, {maxBuffer: 1 << 26, stdio: ['ignore', 'pipe', 'ignore']});
let failures = 0;
function check(what, ok, detail = '') {
  if (!ok) {
    failures++;
    console.log(`FAIL: ${what}${detail ? ': ' + detail : ''}`);
  }
}

const port = 18000 + (process.pid % 1000);
const server = spawn('node', [join(here, '../../web/serve.mjs'), site, String(port)], {stdio: ['ignore', 'pipe', 'inherit']});
await new Promise((resolve) => server.stdout.once('data', resolve));
const url = `http://localhost:${port}/`;
const browser = await puppeteer.launch({executablePath: '/usr/bin/chromium', headless: 'new',
                                        args: ['--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage']});
const page = await browser.newPage();
page.on('pageerror', (e) => check('no script error', false, e.message));
await page.setViewport({width: 1100, height: 900});
// Leaving a page with changed design pages asks first; the checks leave.
page.on('dialog', (d) => d.type() === 'beforeunload' && d.accept());
// Each opening starts from the defaults, unless a check asks to keep the work (sessionStorage).
await page.evaluateOnNewDocument(() => {
  if (location.protocol.startsWith('http') && !sessionStorage.getItem('keep')) localStorage.clear();
});

/// Waits until the page is ready (its core started), saying where it did not get there.
const ready = (p, where) => p.waitForSelector('body[data-ready="1"]', {timeout: 60000}).catch((e) => { throw new Error(`not ready (${where}): ${e.message}`); });
/// Opens the page (with a share link's hash) and waits until it is ready.
async function open(hash = '') {
  await page.goto('about:blank');
  await page.goto(url + hash, {waitUntil: 'load'});
  await ready(page, 'opened' + (hash ? ' with ' + hash.slice(0, 40) : ''));
}
/// Sets fields by their batch NAMEs, as the share link would, then flies the run.
async function fly(args) {
  await page.evaluate((a) => hydrolofter.apply(a), args);
  await page.evaluate(() => (document.querySelector('#result').dataset.shown = ''));
  await page.click('#tab-sim');
  await page.click('#simulate');
  await page.waitForFunction(() => document.querySelector('#result').dataset.shown === '1', {timeout: 60000});
}
const csv = () => page.evaluate(() => hydrolofter.call('hl_csv'));
const summary = () => page.evaluate(() => document.querySelector('#summary').textContent);

try {
  // A megabyte of description crosses into the core on its heap: refused by the core's own
  // limit, and the page flies on.
  await open('#rocketDescription=' + 'x'.repeat(2000000));
  await page.waitForSelector('#message:not([hidden])');
  check('a huge description is refused by its limit',
        (await page.evaluate(() => document.querySelector('#message-text').textContent)).includes('10000 characters'));
  await page.keyboard.press('Tab'); // the box keeps the focus, and Escape closes it
  check('the message box keeps the focus', await page.evaluate(() => document.activeElement.id === 'message-ok'));
  await page.keyboard.press('Escape');
  check('Escape closes the message box', await page.evaluate(() => document.querySelector('#message').hidden));
  await page.focus('#tab-g0');
  await page.keyboard.press('ArrowRight');
  check('the arrow keys move between the tabs', await page.evaluate(() =>
    document.activeElement.id === 'tab-g1' && document.querySelector('#tab-g1').getAttribute('aria-selected') === 'true'));
  await page.evaluate(() => hydrolofter.apply(['launchDisplay=0', 'rocketDescription=' + 'y'.repeat(2000000)]));
  await page.click('#tab-sim');
  await page.click('#simulate');
  await page.waitForSelector('#message:not([hidden])');
  check('a huge description is refused when flown', (await page.evaluate(() => document.querySelector('#message-text').textContent)).includes('10000 characters'));
  await page.click('#message-ok');
  await page.evaluate(() => hydrolofter.apply(['rocketDescription=', 'updraft=100']));
  await page.click('#simulate');
  await page.waitForSelector('#message:not([hidden])', {timeout: 60000});
  const never = await page.evaluate(() => document.querySelector('#message-text').textContent);
  check('a flight that never lands is said in the page\'s words', never.includes('still in the air') && !never.includes('--'), never);
  await page.click('#message-ok');
  await page.evaluate(() => hydrolofter.apply(['updraft=0']));
  await fly(['launchDisplay=0']);
  check('the page flies on after it', (await summary()) === native('--summary').toString());
  await open();
  // Every kind of run: the same numbers to the bit (the batch tool's bytes).
  await fly(['launchDisplay=0']);
  check('launch summary', (await summary()) === native('--summary').toString());
  // The extended model's inputs are off while the classic model is chosen.
  const nozzleOff = () => page.evaluate(() => document.querySelector('[name="nozzleDiameter"]').disabled);
  check('nozzle off with the classic model', await nozzleOff());
  await fly(['flightModel=1', 'testStand=1', 'precision=4']);
  check('nozzle on with the extended model', !(await nozzleOff()));
  check('extended stand summary',
        (await summary()) === native('--summary', 'flightModel=1', 'testStand=1', 'precision=4').toString());
  // A stand's measured firing over the Thrust graph: its figures and its fit, the native tool's.
  const firing = join(here, '../../docs/examples/sample-firing.csv');
  const stand = ['plotVariable=Thrust', 'flightModel=1', 'testStand=1', 'precision=4'];
  await fly(['launchDisplay=1', ...stand]);
  await page.click('#measured');
  await (await page.waitForSelector('dialog.form input[type=file]')).uploadFile(firing);
  await page.click('dialog.form .actions button');
  await page.waitForSelector('#message:not([hidden])'); // the notes: the header's units
  await page.click('#message-ok');
  await page.waitForFunction(() => document.querySelector('#status').textContent.startsWith('Measured firing'));
  const figures = native('--summary', ...stand, '--measured', firing).toString().split('\nMeasured firing')[1];
  check('a firing\'s figures', (await page.evaluate(() => document.querySelector('#status').textContent)) ===
        ('Measured firing' + figures).trim().split('\n').join(' · '));
  page.once('dialog', (d) => d.accept());
  await page.click('#fit');
  await page.waitForSelector('dialog.form select');
  await page.select('dialog.form select', 'dischargeCoefficient');
  await page.click('dialog.form .actions button');
  const fitted = native('--summary', ...stand, '--measured', firing, '--fit', 'dischargeCoefficient').toString().split(': ')[1].split('\n')[0];
  await page.waitForFunction((v) => document.querySelector('[name="dischargeCoefficient"]').value === v, {timeout: 60000}, fitted);
  await page.click('#forget-measured');
  await fly(['launchDisplay=1', 'kamikaze=0', 'precision=4', 'flightModel=0', 'testStand=0',
             'plotVariable=Height', 'dischargeCoefficient=1']);
  check('launch graph CSV', (await csv()) === native('kamikaze=0', 'precision=4').toString());
  check('the graph\'s text alternative names its axes',
        (await page.$eval('#graph', (g) => g.getAttribute('aria-label'))).includes('. Height (m) against Time (sec). '));
  const box = await page.evaluate(() => [document.querySelector('#graph').clientWidth, document.querySelector('#graph').clientHeight]);
  check('the PNG is twice the box', (await page.evaluate(() => hydrolofter.exportedSize())).join() === [2 * box[0], 2 * box[1]].join());
  // Full Screen shows the graph over the screen, repainted at its size; a key ends it.
  await page.click('#full-screen').then(() => page.waitForFunction(() => document.fullscreenElement?.id === 'graph' &&
    document.querySelector('#graph').width >= 1100, {timeout: 5000})).then(() => page.keyboard.press('x'), () => check('Full Screen shows the graph', false));
  await page.waitForFunction(() => !document.fullscreenElement, {timeout: 5000}).catch(() => check('a key ends Full Screen', false));
  await browser.defaultBrowserContext().overridePermissions(url, ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
  await page.click('#copy').then(() => page.waitForFunction(() => document.querySelector('#status').textContent.includes('clipboard'), {timeout: 5000}));
  const copied = await page.evaluate(async () => navigator.clipboard.read().then(async ([item]) =>
    [item.types.join(), await (await item.getType('text/plain')).text()]));
  check('Copy puts the graph\'s picture and its CSV on the clipboard', copied[0].includes('image/png') && copied[1] === native('kamikaze=0', 'precision=4').toString(), copied[0]);
  await page.click('#show-numbers'); // the graph's text alternative: its numbers as a table
  check('the numbers as a table', (await page.evaluate(() => [...document.querySelector('#numbers').rows].map(
    (r) => [...r.cells].map((c) => c.textContent).join(',')).join('\n'))) === native('kamikaze=0', 'precision=4').toString().trim());
  await page.focus('#graph');
  await page.keyboard.press('ArrowRight');
  check('the readout from the keyboard', (await page.evaluate(() => document.querySelector('#status').textContent)).includes('sec'));
  check('a graph\'s text is its summary', (await page.evaluate(() => hydrolofter.call('hl_summaryText'))) ===
        native('--summary', 'kamikaze=0', 'precision=4').toString());
  await fly(['launchDisplay=0']);
  check('no stale graph over a summary', await page.evaluate(() => getComputedStyle(document.querySelector('#graph')).display === 'none'));
  await fly(['launchDisplay=1']);
  await fly(['kamikaze=1', 'precision=3', 'mode=1', 'oneVarIndependent=Bottle Volume',
             'oneVarRangeFrom=1', 'oneVarRangeTo=3']);
  check('one-variable sweep CSV', (await csv()) === native('mode=1', 'oneVarIndependent=Bottle Volume',
                                                          'oneVarRangeFrom=1', 'oneVarRangeTo=3').toString());
  await fly(['mode=2', 'precision=2', 'twoVarDisplay=0']);
  check('two-variable summary', (await summary()) === native('mode=2', 'precision=2', '--summary').toString());

  // The graph's pixels: the plot box (no text in it) and a surface key's shade bar, as the
  // batch tool's PNG has them at that size (the key inside it, the graph g wide beside it).
  const png = join(scratch, 'graph.png');
  for (const [what, args, boxes] of [
    ['launch graph', ['mode=0', 'precision=3', 'launchDisplay=1'], (g) => [[60, 10, g - 40, 450]]],
    ['surface and its key', ['mode=2', 'precision=2', 'twoVarDisplay=1'],
     (g) => [[60, 10, g - 40, 450], [g + 6, 60, g + 23, 420]]],
  ]) {
    await fly(args);
    const [width, graphWidth] = await page.evaluate(() => {
      const g = document.querySelector('#graph');
      g.style.height = '500px';
      hydrolofter.paint(800);
      return [g.width, Number(g.dataset.graphWidth)];
    });
    check(`${what}: 800 pixels wide, the key inside`, width === 800 && graphWidth < 800 === what.startsWith('surface'),
          `${width}, the graph ${graphWidth}`);
    const rects = boxes(graphWidth);
    native(...args, '--png', png, '--size', '800x500');
    const differing = await page.evaluate(async (dataUrl, width, rects) => {
      const img = new Image();
      img.src = dataUrl;
      await img.decode();
      const c = new OffscreenCanvas(img.width, 500), g = c.getContext('2d');
      g.drawImage(img, 0, 0);
      const want = g.getImageData(0, 0, img.width, 500).data;
      const got = document.querySelector('#graph').getContext('2d').getImageData(0, 0, width, 500).data;
      let n = 0; // the key's strip is as wide as its text in each font: rows differ in length

      for (const [x0, y0, x1, y1] of rects)
        for (let y = y0; y <= y1; ++y)
          for (let x = x0; x <= x1; ++x)
            for (let k = 0; k < 3; ++k) n += want[(y * img.width + x) * 4 + k] !== got[(y * width + x) * 4 + k];
      return n;
    }, 'data:image/png;base64,' + readFileSync(png).toString('base64'), width, rects);
    check(`${what}: the batch image's pixels`, differing === 0, `${differing} differ`);
  }
  // At two screen pixels to a CSS pixel the graph is laid out as before and painted in the screen's
  // pixels, its text as large: under the x axis (text only) four times the dark pixels of one.
  const underTheAxis = () => page.evaluate(() => {
    hydrolofter.paint(800);
    const g = document.querySelector('#graph'), s = g.width / 800;
    return [g.width, g.getContext('2d').getImageData(0, s * 462, g.width, s * 36).data.filter((v, k) => k % 4 === 0 && v < 128).length];
  });
  const [, darkAtOne] = await underTheAxis();
  const [wideAtTwo, darkAtTwo] = await page.setViewport({width: 1100, height: 900, deviceScaleFactor: 2}).then(underTheAxis);
  await page.setViewport({width: 1100, height: 900});
  check('the graph at the screen\'s pixel ratio, text as large', wideAtTwo === 1600 && darkAtTwo > 3 * darkAtOne,
        `${wideAtTwo} wide, ${darkAtTwo} dark against ${darkAtOne}`);

  await fly(['mode=0', 'precision=3', 'launchDisplay=0', 'rocketDescription=Blue bottle, red fins']);
  check('the printed page holds the rocket\'s description',
        (await page.evaluate(() => hydrolofter.call('hl_printLines'))).includes('"description":"Blue bottle, red fins"'));
  // Cancel stops a long flight (0.1 µs steps) and says so.
  await page.evaluate(() => hydrolofter.apply(['mode=0', 'precision=8', 'rocketDescription=']));
  await page.click('#simulate');
  await page.waitForFunction(() => !document.querySelector('#cancel').disabled);
  await page.click('#cancel');
  await page.waitForFunction(() => !document.querySelector('#simulate').disabled, {timeout: 5000});
  check('Cancel stops a run', (await page.evaluate(() => document.querySelector('#status').textContent)) === 'Cancelled');
  if (process.env.HYDROLOFTER_SCREENSHOTS) { // the user guide's picture (scripts/screenshots)
    await page.evaluate(() => (document.querySelector('#graph').style.cssText = ''));
    await fly(['mode=2', 'precision=3', 'twoVarDisplay=1']);
    await page.screenshot({path: join(process.env.HYDROLOFTER_SCREENSHOTS, 'web-edition.png')});
  }

  // A design opened from a file and saved again: the native tool's file.
  const rocket = join(scratch, 'heavy.rocket.json');
  native('--save-rocket', rocket, 'emptyMass=250', 'bottleVolume=1.5', '--summary');
  await page.click('#tab-g0');
  const [chooser] = await Promise.all([page.waitForFileChooser(), page.click('#page-g0 .actions button')]);
  await chooser.accept([rocket]);
  await page.waitForFunction(() => document.querySelector('#f-emptyMass').value === '250', {timeout: 5000});
  const saved = await page.evaluate(() => hydrolofter.call('hl_designText', 'Rocket', JSON.stringify(hydrolofter.record())));
  check('a design saved is the native tool\'s file', saved === readFileSync(rocket, 'utf8'));
  // A file's refusal and notes name the field by its caption and page.
  const asSaved = JSON.parse(readFileSync(rocket, 'utf8'));
  for (const [change, says] of [[(d) => (d.dragCoefficient = 'abc'), 'Drag Coefficient (Rocket Specifications): must be a number.'],
    [(d) => delete d.nozzleDiameter, 'keep their defaults: Nozzle Diameter (Rocket Specifications).']]) {
    const d = structuredClone(asSaved);
    writeFileSync(rocket, JSON.stringify((change(d), d)));
    await (await Promise.all([page.waitForFileChooser(), page.click('#page-g0 .actions button')]))[0].accept([rocket]);
    await page.waitForSelector('#message:not([hidden])');
    const message = await page.$eval('#message-text', (e) => e.textContent);
    check('a file\'s message in the page\'s words', message.endsWith(says), message);
    await page.click('#message-ok');
  }

  // A comparison: the default flight kept, one with less water drawn with it; the CSV's
  // numbers are the native tool's --compare (the names differ: the page names a kept flight
  // by what differs, as the window does, the tool by its file).
  const base = join(scratch, 'base.flight.json');
  native('--save-flight', base, '--summary');
  await open();
  await fly(['precision=3']);
  await page.click('#keep');
  await fly(['waterAmount=25']);
  const numbers = (text) => text.split('\n').slice(1).join('\n');
  check('a comparison\'s CSV', numbers(await csv()) === numbers(native('waterAmount=25', '--compare', base).toString()));
  await page.click('#rename-kept'); // a kept flight named by the user: its CSV columns say so
  await page.waitForSelector('dialog.form input[type=text]');
  await page.$eval('dialog.form input[type=text]', (e) => (e.value = 'Full'));
  await page.click('dialog.form .actions button');
  check('a kept flight renamed', (await csv()).startsWith('Full: '));
  await page.click('#clear-kept');
  check('a cleared comparison\'s CSV', (await csv()) === native('waterAmount=25').toString());

  // A whole flight opened from a file and saved again: the native tool's bytes.
  const flight = join(scratch, 'tall.flight.json');
  native('--save-flight', flight, 'emptyMass=180', 'flightModel=1', 'nozzleDiameter=18', 'mode=1',
         'oneVarIndependent=Nozzle Diameter', 'oneVarRangeFrom=10', 'oneVarRangeTo=30', '--summary');
  await page.click('#tab-g3');
  const [flightChooser] = await Promise.all([page.waitForFileChooser(), page.click('#page-g3 .actions button')]);
  await flightChooser.accept([flight]);
  await page.waitForFunction(() => document.querySelector('#f-nozzleDiameter').value === '18', {timeout: 5000});
  const flightSaved = await page.evaluate(() => hydrolofter.call('hl_flightText', JSON.stringify(hydrolofter.record()), ''));
  check('a flight saved is the native tool\'s file', flightSaved === readFileSync(flight, 'utf8'));
  await open();
  await page.click('#tab-g0');
  const [asDesign] = await Promise.all([page.waitForFileChooser(), page.click('#page-g0 .actions button')]);
  await asDesign.accept([flight]); // a flight given to a design page's Load opens as a flight
  await page.waitForFunction(() => document.querySelector('#f-nozzleDiameter').value === '18' &&
                             document.querySelector('#f-mode\\=1').checked, {timeout: 5000});

  // Which fields can be changed is the core's rule: a parachute's size by its shape, only
  // the chosen kind of run's settings.
  await open('#kamikaze=0&parachuteShape=1');
  const off = await page.evaluate(() => ['parachuteDiameter', 'parachuteSurfaceArea', 'plotVariable',
    'oneVarDependent'].map((n) => document.querySelector('#f-' + n).disabled));
  check('fields can be changed as the core says', off.join() === 'true,false,false,true', off.join());

  // A share link that flies on opening; a link with a bad value changes nothing.
  await open('#bottleVolume=1.5&initialPressure=70&run=1');
  await page.waitForFunction(() => document.querySelector('#result').dataset.shown === '1', {timeout: 60000});
  check('a share link with run=1', (await csv()) === native('bottleVolume=1.5', 'initialPressure=70').toString());
  for (const [hash, says] of [['#bottleVolume=abc&initialPressure=70&dragCoefficient=0,35', "Bottle Volume (Rocket Specifications): 'abc' is not a decimal number.\nDrag Coefficient (Rocket Specifications): '0,35' is not a decimal number."],
                              ['#bottleVolume=0&initialPressure=70&run=1', 'Bottle Volume: must be greater than 0.'],
                              ['#waterAmount=%ZZ&run=1', 'broken %-escape'], ['#%', 'broken %-escape'],
                              ['#rocketDescription=%ED%A0%80', 'broken %-escape']]) {
    await open(hash);
    const message = await page.evaluate(() => document.querySelector('#message-text').textContent);
    check(`a bad value in a link is said (${hash})`, message.includes(says), message);
    check(`and nothing changes (${hash})`, await page.evaluate(() => !document.querySelector('#result').dataset.shown &&
      document.querySelector('#f-bottleVolume').value === '2' && document.querySelector('#f-initialPressure').value === '60'));
  }

  // A link the page makes opens to its inputs and run, pasted into the open page (one- and two-unit variables).
  for (const args of [['plotVariable=Thrust', 'precision=3'], ['mode=2', 'precision=2', 'yAxisVariable=Drag Coefficient']]) {
    await open();
    await fly(args);
    const [flown, link] = [await csv(), await page.evaluate(() => hydrolofter.link(true))];
    await open().then(() => page.evaluate((hash) => (location.hash = hash), link.slice(link.indexOf('#'))));
    await page.waitForFunction(() => document.querySelector('#result').dataset.shown === '1', {timeout: 60000});
    check(`a link the page made opens to its run (${args[0]})`, (await csv()) === flown && flown.length > 0);
  }
  // A worker that failed to load when the page opened (no network): the run says so, not waits for ever.
  const cut = await browser.createIncognitoBrowserContext(), lone = await cut.newPage();
  await lone.setRequestInterception(true);
  lone.on('request', (r) => (r.url().endsWith('/worker.js') ? r.abort() : r.continue()));
  await lone.goto(url, {waitUntil: 'load'}).then(() => ready(lone, 'without its worker'));
  await new Promise((resolve) => setTimeout(resolve, 500));
  await lone.click('#tab-sim').then(() => lone.click('#simulate'));
  const said = await lone.waitForSelector('#message:not([hidden])', {timeout: 10000}).then(() => lone.$eval('#message-text', (e) => e.textContent), () => 'nothing in 10 s');
  check('a worker that cannot start is said', said.includes('could not start a worker'), said);
  await cut.close();

  // Work kept over a reload: the inputs, the page on show, and the changed design page marked.
  await open();
  await page.evaluate(() => hydrolofter.apply(['emptyMass=222', 'waterAmount=33']));
  await page.click('#tab-g2');
  await page.evaluate(() => sessionStorage.setItem('keep', '1'));
  await page.reload({waitUntil: 'load'});
  await ready(page, 'reloaded with the work kept');
  const back = await page.evaluate(() => [document.querySelector('#f-emptyMass').value, document.querySelector('#f-waterAmount').value,
    document.querySelector('#tab-g2').getAttribute('aria-selected'), document.querySelector('#tab-g0').classList.contains('changed')].join());
  check('the work comes back after a reload', back === '222,33,true,true', back);
  await page.evaluate(() => sessionStorage.removeItem('keep'));

  // Offline after the first visit: the service worker keeps every file the site serves, and
  // the page opens and flies without the network.
  const served = execFileSync('ls', [site]).toString().split('\n').filter((f) => /\.(html|js|css|wasm|webmanifest|png)$/.test(f) && f !== 'hydrolofter-batch.mjs');
  const kept = readFileSync(join(site, 'sw.js'), 'utf8');
  check('the service worker keeps every file of the site', served.every((f) => f === 'sw.js' || kept.includes(`'${f}'`)), served.join());
  execFileSync(join(dirname(nativeBatch), 'hydrolofter-artwork'), [scratch, '192', '512'], {stdio: 'ignore'});
  const icons = JSON.parse(readFileSync(join(site, 'manifest.webmanifest'), 'utf8')).icons ?? [], drawn = (i) => join(scratch, `hydrolofter-${parseInt(i.sizes)}.png`);
  check('installable with the program\'s icons (the artwork tool\'s)', icons.length === 2 && icons.every((i) => existsSync(drawn(i)) && readFileSync(join(site, i.src)).equals(readFileSync(drawn(i)))));
  await open();
  await page.evaluate(() => navigator.serviceWorker.ready);
  const {installabilityErrors} = await (await page.target().createCDPSession()).send('Page.getInstallabilityErrors');
  check('the page can be installed', installabilityErrors.length === 0, JSON.stringify(installabilityErrors));
  await page.reload({waitUntil: 'load'}); // now under the service worker
  await ready(page, 'reloaded under the service worker');
  await page.setOfflineMode(true);
  await open();
  await fly(['launchDisplay=0']);
  check('offline, the page opens and flies', (await summary()) === native('--summary').toString());
  await page.setOfflineMode(false);
} finally {
  await browser.close();
  server.kill();
  rmSync(scratch, {recursive: true, force: true});
}
if (failures) {
  console.log(`${failures} browser check(s) failed`);
  process.exit(1);
}
console.log('all browser checks passed');
