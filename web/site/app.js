// The browser edition's page: its controls made from the core's field table, runs flown in
// workers, the graph painted by the core, designs, exports, printing and share links.
'use strict';

const Kind = {Number: 0, Integer: 1, Text: 2, FamilyUnit: 3, PercentUnit: 4, Variable: 5, VariableUnit: 6};
const Entry = {None: 0, Number: 1, Count: 2, Tick: 3, Choice: 4, Note: 5};
const Group = {Rocket: 0, Environment: 1, Launch: 2, Settings: 3};
const LaunchAnalysis = 0;
const $ = (id) => document.getElementById(id);

let hl = null;        // the core, on the page's thread
let table = null;     // what hl_describe says: fields, variables, precisions, groups
const byName = {};    // field name -> field
const call = (name, ...args) =>
  hl.ccall(name, 'string', args.map((a) => (typeof a === 'number' ? 'number' : 'string')), args);

// ---- Text for the core's painter: measured and drawn with the browser's font.

const fontSpec = '13px sans-serif';
const lineHeight = 16;
const scratch = new OffscreenCanvas(1, 1).getContext('2d', {willReadFrequently: true});

function measureText(text) {
  scratch.font = fontSpec;
  return Math.ceil(scratch.measureText(text).width);
}

/// Draws text black on white with its top-left corner at (x, y), turned a quarter
/// counter-clockwise when escapement is not 0, into the core's pixels (0xAARRGGBB words in
/// rows of rowLength), clipped to width × height.
function drawText(x, y, text, escapement, pixels, rowLength, width, height) {
  const w = Math.max(1, measureText(text)), h = lineHeight;
  const turned = escapement !== 0;
  const cw = turned ? h : w, ch = turned ? w : h;
  const canvas = new OffscreenCanvas(cw, ch);
  const g = canvas.getContext('2d');
  g.fillStyle = '#fff';
  g.fillRect(0, 0, cw, ch);
  g.fillStyle = '#000';
  g.font = fontSpec;
  g.textBaseline = 'top';
  if (turned) {
    g.translate(0, w);
    g.rotate(-Math.PI / 2);
  }
  g.fillText(text, 0, 1);
  const data = g.getImageData(0, 0, cw, ch).data;
  const x0 = x, y0 = turned ? y - w : y;
  const words = new Uint32Array(hl.HEAPU8.buffer, pixels, rowLength * height);
  for (let j = 0; j < ch; ++j) {
    const ty = y0 + j;
    if (ty < 0 || ty >= height) continue;
    for (let i = 0; i < cw; ++i) {
      const tx = x0 + i;
      if (tx < 0 || tx >= width) continue;
      const k = (j * cw + i) * 4;
      words[ty * rowLength + tx] = (0xff000000 | (data[k] << 16) | (data[k + 1] << 8) | data[k + 2]) >>> 0;
    }
  }
}

// ---- Messages

function say(text) {
  return new Promise((resolve) => {
    const box = $('message'), ok = $('message-ok'), back = document.activeElement;
    $('message-text').textContent = text;
    box.hidden = false;
    ok.focus();
    ok.onclick = () => {
      box.hidden = true;
      if (back && back.focus) back.focus();
      resolve();
    };
  });
}

// ---- Controls made from the field table

const plain = (caption) => caption.replace(/&(.)/g, '$1').replace(/:$/, '');

function label(field, control) {
  const l = document.createElement('label');
  l.textContent = field.caption.replace(/&(.)/g, '$1');
  l.htmlFor = control.id;
  return l;
}

function described(control, field) {
  control.id = 'f-' + field.name;
  control.name = field.name;
  control.title = field.help || '';
  if (field.spoken) control.setAttribute('aria-label', field.spoken);
  return control;
}

function unitSelect(field, names) {
  const select = described(document.createElement('select'), field);
  for (const n of names) select.add(new Option(n, n));
  return select;
}

function fillVariableUnits(variableField) {
  const unitField = byName[variableField.paired];
  const select = $('f-' + unitField.name);
  const v = table.variables[Number($('f-' + variableField.name).selectedOptions[0].dataset.id)];
  select.length = 0;
  for (const n of v.units) select.add(new Option(n, n));
  select.selectedIndex = v.defaultUnit;
}

/// One field's row: caption, control, unit.
function fieldRow(field) {
  const row = document.createElement('div');
  row.className = 'row';
  let control;
  if (field.kind === Kind.Variable) {
    control = described(document.createElement('select'), field);
    for (const id of field.variables) {
      const o = new Option(table.variables[id].name, table.variables[id].name);
      o.dataset.id = id;
      control.add(o);
    }
    control.addEventListener('change', () => fillVariableUnits(field));
  } else if (field.kind === Kind.Text) {
    control = described(document.createElement('textarea'), field);
    row.classList.add('wide');
  } else if (field.entry === Entry.Tick) {
    control = described(document.createElement('input'), field);
    control.type = 'checkbox';
  } else if (field.entry === Entry.Choice) {
    const group = document.createElement('div');
    group.className = 'choices';
    group.setAttribute('role', 'radiogroup');
    group.setAttribute('aria-label', plain(field.caption || field.options[0].spoken || field.name));
    field.options.forEach((o, i) => {
      const l = document.createElement('label');
      const r = document.createElement('input');
      r.type = 'radio';
      r.name = field.name;
      r.value = String(i);
      r.id = `f-${field.name}=${i}`;
      r.title = o.help;
      if (o.spoken) r.setAttribute('aria-label', o.spoken);
      l.append(r, ' ' + o.caption.replace(/&(.)/g, '$1'));
      group.append(l);
    });
    if (field.caption) row.append(document.createTextNode(field.caption.replace(/&(.)/g, '$1')));
    row.append(group);
    return row;
  } else if (field.name === 'precision') {
    control = described(document.createElement('input'), field);
    control.type = 'range';
    control.min = 1;
    control.max = table.precisions.length;
    const shown = document.createElement('output');
    shown.id = 'precisionLabel';
    control.addEventListener('input', () => (shown.textContent = table.precisions[control.value - 1]));
    row.append(label(field, control), control, shown);
    return row;
  } else {
    control = described(document.createElement('input'), field);
    control.type = 'text';
    control.inputMode = field.entry === Entry.Count ? 'numeric' : 'decimal';
    control.readOnly = field.readOnly;
    control.disabled = field.readOnly;
  }
  row.append(field.caption ? label(field, control) : document.createElement('span'), control);
  const unit = field.paired ? byName[field.paired] : null;
  if (unit && (unit.kind === Kind.FamilyUnit || unit.kind === Kind.PercentUnit))
    row.append(unitSelect(unit, unit.units));
  else if (unit && unit.kind === Kind.VariableUnit)
    row.append(unitSelect(unit, []));
  else if (field.unitLabel)
    row.append(Object.assign(document.createElement('span'), {textContent: field.unitLabel}));
  return row;
}

function page(caption, id) {
  const tab = document.createElement('button');
  tab.type = 'button';
  tab.textContent = caption;
  tab.setAttribute('role', 'tab');
  tab.id = 'tab-' + id;
  const section = document.createElement('section');
  section.className = 'page';
  section.id = 'page-' + id;
  section.setAttribute('role', 'tabpanel');
  section.setAttribute('aria-labelledby', tab.id);
  tab.onclick = () => showPage(id);
  $('tabs').append(tab);
  $('pages').append(section);
  return section;
}

function showPage(id) {
  for (const s of document.querySelectorAll('.page')) s.hidden = s.id !== 'page-' + id;
  for (const t of document.querySelectorAll('nav button'))
    t.setAttribute('aria-selected', String(t.id === 'tab-' + id));
}

function inputPage(group, caption) {
  const section = page(caption, 'g' + group);
  const boxes = document.createElement('div');
  boxes.className = 'boxes';
  const sets = {};
  for (const f of table.fields) {
    if (f.group !== group || (f.entry === Entry.None && f.kind !== Kind.Variable)) continue;
    if (f.kind === Kind.FamilyUnit || f.kind === Kind.PercentUnit) continue;
    const key = f.kind === Kind.Text ? '' : f.box;
    if (!(key in sets)) {
      const set = document.createElement(key ? 'fieldset' : 'div');
      if (key) set.append(Object.assign(document.createElement('legend'), {textContent: key}));
      sets[key] = set;
      (key ? boxes : section).append(set);
    }
    sets[key].append(fieldRow(f));
    if (f.hint && f.kind !== Kind.Text) sets[key].append(Object.assign(document.createElement('p'), {className: 'hint', textContent: f.hint}));
  }
  section.prepend(boxes);
  if (group === Group.Rocket || group === Group.Environment) designButtons(section, group);
  return section;
}

function settingsPage(caption) {
  const section = page(caption, 'g' + Group.Settings);
  const modeField = byName.mode;
  section.append(fieldRow(modeField), fieldRow(byName.precision));
  modeField.options.forEach((o, k) => {
    const set = document.createElement('fieldset');
    set.className = 'mode';
    set.id = 'mode-' + k;
    set.append(Object.assign(document.createElement('legend'), {textContent: o.caption}));
    for (const f of table.fields)
      if (f.mode === k && f.kind !== Kind.VariableUnit) set.append(fieldRow(f));
    section.append(set);
  });
  section.addEventListener('change', modeRules);
}

/// Only the chosen kind of run's settings can be changed; a rocket without parachutes
/// (kamikaze) has no parachute inputs, and a parachute's size is its diameter or its area.
function modeRules() {
  const mode = Number(document.querySelector('input[name=mode]:checked')?.value ?? 0);
  for (const set of document.querySelectorAll('fieldset.mode')) set.disabled = set.id !== 'mode-' + mode;
  const kamikaze = $('f-kamikaze')?.checked;
  const circular = $('f-parachuteShape=0')?.checked;
  for (const f of table.fields) {
    if (f.group !== Group.Rocket || f.box !== 'Parachute' || f.name === 'kamikaze') continue;
    const off = kamikaze || (f.name === 'parachuteDiameter' && !circular) ||
                (f.name === 'parachuteSurfaceArea' && circular);
    for (const c of document.querySelectorAll(`[name="${f.name}"], [name="${f.paired}"]`)) c.disabled = off;
  }
}

// ---- Values: the controls as NAME=VALUE arguments, and back

function valueOfControl(f) {
  if (f.entry === Entry.Choice) {
    const r = document.querySelector(`input[name="${f.name}"]:checked`);
    return r ? r.value : f.default;
  }
  const c = $('f-' + f.name);
  if (!c) return null;
  if (c.type === 'checkbox') return c.checked ? '1' : '0';
  return c.value;
}

function setControl(f, value) {
  if (f.entry === Entry.Choice) {
    const r = $(`f-${f.name}=${value}`);
    if (r) r.checked = true;
    return;
  }
  const c = $('f-' + f.name);
  if (!c) return;
  if (c.type === 'checkbox') c.checked = value === '1';
  else if (c.tagName === 'SELECT' && /^\d+$/.test(value) && f.kind !== Kind.Variable) c.selectedIndex = Number(value);
  else c.value = value;
  if (f.kind === Kind.Variable) fillVariableUnits(f);
  if (f.name === 'precision') c.dispatchEvent(new Event('input'));
}

/// Every field's value as the batch tool takes it (NAME=VALUE), the page's order.
function currentArgs(group) {
  const args = [];
  for (const f of table.fields) {
    if (group !== undefined && f.group !== group) continue;
    const v = valueOfControl(f);
    if (v !== null) args.push(`${f.name}=${v}`);
  }
  return args;
}

/// Puts NAME=VALUE arguments in the controls (variables before their units).
function applyArgs(args) {
  const pairs = args.map((a) => [a.slice(0, a.indexOf('=')), a.slice(a.indexOf('=') + 1)]);
  const order = (n) => (byName[n]?.kind === Kind.VariableUnit ? 1 : 0);
  pairs.sort((a, b) => order(a[0]) - order(b[0]));
  for (const [n, v] of pairs) if (byName[n]) setControl(byName[n], v);
  modeRules();
}

const defaults = () => table.fields.map((f) => `${f.name}=${f.default}`);

// ---- Designs: open, save, defaults; files dropped on the page open too

function download(name, data, type) {
  const a = document.createElement('a');
  a.href = URL.createObjectURL(new Blob([data], {type}));
  a.download = name;
  a.click();
  setTimeout(() => URL.revokeObjectURL(a.href), 1000);
}

async function openDesign(file, kind) {
  const text = await file.text();
  const r = JSON.parse(call('hl_readDesign', kind, text, file.name));
  if (!r.ok) return say(r.error);
  applyArgs(r.args);
  showPage('g' + (r.kind === 0 ? Group.Rocket : Group.Environment));
  if (r.notes.length) say(r.notes.join('\n'));
}

function designButtons(section, group) {
  const kind = group === Group.Rocket ? 0 : 1;
  const row = document.createElement('div');
  row.className = 'actions';
  const picker = Object.assign(document.createElement('input'), {type: 'file', accept: '.json', hidden: true});
  picker.onchange = () => picker.files[0] && openDesign(picker.files[0], kind).then(() => (picker.value = ''));
  const button = (text, title, action) => {
    const b = Object.assign(document.createElement('button'), {type: 'button', textContent: text, title});
    b.onclick = action;
    row.append(b);
  };
  button('Load...', 'Open a design file (or drop one on the page).', () => picker.click());
  button('Save...', 'Download this page as a design file.', () => {
    const text = call('hl_designText', kind, JSON.stringify(currentArgs()));
    if (!text) return say(JSON.parse(call('hl_prepare', JSON.stringify(currentArgs()))).error || 'Cannot save.');
    download(kind === 0 ? 'my.rocket.json' : 'my.site.json', text, 'application/json');
  });
  button('Defaults', "Put back the program's values on this page.", () =>
    applyArgs(defaults().filter((a) => byName[a.slice(0, a.indexOf('='))].group === group)));
  row.append(picker);
  section.append(row);
}

// ---- Runs: workers fly them; the page shows what the core makes of them

const workers = [];
let running = null; // the run in progress: {cancel()}

function workerPool(n) {
  while (workers.length < n) workers.push(new Worker('worker.js'));
  return workers.slice(0, n);
}

function stopWorkers() {
  for (const w of workers.splice(0)) w.terminate();
}

function setRunning(on) {
  $('simulate').disabled = on;
  $('cancel').disabled = !on;
  for (const id of ['export-csv', 'export-png', 'export-text', 'print', 'share'])
    $(id).disabled = on || !$('result').dataset.shown;
  $('progress').value = 0;
  $('progress').hidden = !on;
  $('status').hidden = on;
}

async function simulate() {
  if (running) return;
  const args = currentArgs();
  const prep = JSON.parse(call('hl_prepare', JSON.stringify(args)));
  if (prep.error) return say(prep.error);
  if (prep.problems) return say('The simulation cannot start:\n\n' + prep.problems.join('\n'));
  setRunning(true);
  $('status').textContent = $('status').dataset.notices = '';
  let outcome;
  try {
    outcome = prep.mode === LaunchAnalysis ? await flyLaunch(args) : await flySweep(args, prep.points);
  } catch (cancelled) {
    outcome = null;
  }
  running = null;
  setRunning(false);
  if (outcome === null) return void ($('status').textContent = 'Cancelled');
  if (outcome.message) return say(outcome.message);
  show(outcome.shown);
}

function flyLaunch(args) {
  return new Promise((resolve, reject) => {
    const [w] = workerPool(1);
    running = {cancel: () => (stopWorkers(), reject(new Error('cancelled')))};
    w.onmessage = (e) => {
      const m = e.data;
      if (m.type === 'progress') return void ($('progress').value = m.value);
      const r = m.result;
      if (r.message) return resolve({message: r.message});
      const columns = hl._malloc(m.columns.byteLength || 8), flight = hl._malloc(r.flight.length * 8);
      hl.HEAPF64.set(m.columns, columns / 8);
      hl.HEAPF64.set(r.flight, flight / 8);
      const shown = JSON.parse(hl.ccall('hl_showLaunch', 'string',
        ['string', 'number', 'number', 'number', 'number', 'number'],
        [JSON.stringify(args), columns, r.count, r.kind, flight, r.airborne ? 1 : 0]));
      hl._free(columns);
      hl._free(flight);
      resolve({shown});
    };
    w.postMessage({type: 'launch', args});
  });
}

/// A sweep's points in chunks, handed to one worker per core as each finishes its last.
function flySweep(args, points) {
  return new Promise((resolve, reject) => {
    const pool = workerPool(Math.max(1, Math.min(navigator.hardwareConcurrency || 2, points)));
    const results = new Float64Array(points);
    const chunk = Math.max(1, Math.ceil(points / (pool.length * 4)));
    let next = 0, finished = 0, failure = null;
    const landed = new Array(pool.length).fill(0), before = new Array(pool.length).fill(0);
    running = {cancel: () => (stopWorkers(), reject(new Error('cancelled')))};
    const give = (w) => {
      if (next >= points || failure) return;
      const from = next;
      next = Math.min(points, next + chunk);
      w.postMessage({type: 'points', args, from, to: next});
    };
    pool.forEach((w, k) => {
      w.onmessage = (e) => {
        const m = e.data;
        if (m.type === 'progress') {
          landed[k] = before[k] + m.value;
          $('progress').value = (100 * landed.reduce((a, b) => a + b, 0)) / points;
          return;
        }
        if (m.result.message) {
          // A point that did not land: the run has no result, and the other points stop.
          failure = m.result.message;
          stopWorkers();
          return resolve({message: failure});
        }
        results.set(m.results, m.from);
        finished += m.results.length;
        before[k] += m.results.length;
        if (finished === points) {
          const at = hl._malloc(points * 8);
          hl.HEAPF64.set(results, at / 8);
          const shown = JSON.parse(hl.ccall('hl_showSweep', 'string', ['string', 'number', 'number'],
                                            [JSON.stringify(args), at, points]));
          hl._free(at);
          return resolve({shown});
        }
        give(w);
      };
      give(w);
    });
  });
}

function show(shown) {
  const result = $('result');
  result.dataset.shown = '1';
  $('status').textContent = $('status').dataset.notices = shown.notices.join(' ');
  $('summary').hidden = shown.graph;
  $('graph').hidden = !shown.graph;
  $('summary').textContent = shown.summary;
  result.dataset.graph = shown.graph ? '1' : '';
  result.dataset.title = shown.title;
  if (shown.graph) paint();
  setRunning(false);
}

/// The core paints the graph into the canvas's box on the page, one pixel to a CSS pixel (a
/// surface's key in the box too), or pictureWidth wide, as the batch tool's picture of that size.
function paint(pictureWidth) {
  const canvas = $('graph');
  if (canvas.hidden) return;
  const width = pictureWidth || Math.max(100, canvas.clientWidth), height = Math.max(100, canvas.clientHeight);
  const key = JSON.parse(call('hl_paint', width, height));
  if (!key.width) return;
  canvas.width = key.width;
  canvas.height = key.height;
  if (pictureWidth) canvas.style.width = key.width + 'px';
  const pixels = new Uint8ClampedArray(hl.HEAPU8.buffer, key.pixels, key.width * key.height * 4);
  canvas.getContext('2d').putImageData(new ImageData(new Uint8ClampedArray(pixels), key.width, key.height), 0, 0);
  canvas.dataset.graphWidth = key.graphWidth;
}

function readout(event) {
  const canvas = $('graph');
  const scale = canvas.width / canvas.clientWidth;
  const text = call('hl_readout', Math.round(event.offsetX * scale), Math.round(event.offsetY * scale),
                    Number(canvas.dataset.graphWidth), canvas.height);
  $('status').textContent = text || $('status').dataset.notices || '';
}

// ---- Export, print and share

function exportCsv() {
  download('hydrolofter.csv', call('hl_csv'), 'text/csv');
}
function exportPng() {
  $('graph').toBlob((blob) => download('hydrolofter.png', blob, 'image/png'));
}
function exportText() {
  download('hydrolofter.txt', $('summary').textContent, 'text/plain');
}

function printResult() {
  const lines = JSON.parse(call('hl_printLines'));
  const out = $('print-sheet');
  out.textContent = '';
  out.append(Object.assign(document.createElement('h2'), {textContent: lines.title}));
  if ($('result').dataset.graph) {
    // Painted at a paper's width, whatever the window's size.
    const pic = JSON.parse(call('hl_paint', 960, 600));
    const c = Object.assign(document.createElement('canvas'), {width: pic.width, height: pic.height});
    c.getContext('2d').putImageData(new ImageData(new Uint8ClampedArray(
      new Uint8ClampedArray(hl.HEAPU8.buffer, pic.pixels, pic.width * pic.height * 4)), pic.width, pic.height), 0, 0);
    out.append(c);
  }
  else out.append(Object.assign(document.createElement('pre'), {textContent: $('summary').textContent}));
  for (const rows of [lines.inputs, lines.results]) {
    if (!rows.length) continue;
    const t = document.createElement('table');
    for (const [caption, value] of rows) t.insertRow().append(
      Object.assign(document.createElement('td'), {textContent: caption}),
      Object.assign(document.createElement('td'), {textContent: value}));
    out.append(t);
  }
  window.print();
}

/// The page's address: the fields that differ from the defaults, by their batch NAMEs.
function shareLink(run) {
  const start = new Set(defaults());
  const hash = currentArgs().filter((a) => !start.has(a)).map((a) => {
    const at = a.indexOf('=');
    return encodeURIComponent(a.slice(0, at)) + '=' + encodeURIComponent(a.slice(at + 1));
  });
  if (run) hash.push('run=1');
  return location.href.split('#')[0] + '#' + hash.join('&');
}

/// Opens a share link: its values over the defaults, checked first; a bad one is said and
/// nothing changes.
async function openLink() {
  const hash = location.hash.slice(1);
  if (!hash) return;
  const pairs = hash.split('&').map((p) => {
    const at = p.indexOf('=');
    return at < 0 ? [decodeURIComponent(p), ''] : [decodeURIComponent(p.slice(0, at)), decodeURIComponent(p.slice(at + 1))];
  });
  const run = pairs.some(([n, v]) => n === 'run' && v === '1');
  const args = pairs.filter(([n]) => n !== 'run').map(([n, v]) => `${n}=${v}`);
  const prep = JSON.parse(call('hl_prepare', JSON.stringify([...defaults(), ...args])));
  if (prep.error || prep.problems)
    return say('This link cannot be opened:\n\n' + (prep.error || prep.problems.join('\n')));
  applyArgs(args);
  if (run) {
    showPage('sim');
    await simulate();
  }
}

// ---- The page

function simulatePage() {
  const section = page('Simulate', 'sim');
  section.innerHTML = `
    <div id="run-row">
      <button id="simulate" type="button" title="Fly the run chosen on the Simulation Settings page.">Simulate</button>
      <progress id="progress" max="100" value="0" hidden aria-label="Progress"></progress>
      <div id="status" role="status" aria-live="polite"></div>
      <button id="cancel" type="button" disabled title="Stop the run; nothing of it is shown.">Cancel Simulation</button>
    </div>
    <div id="result">
      <canvas id="graph" hidden aria-label="Graph" role="img"></canvas>
      <pre id="summary" hidden tabindex="0" aria-label="Results"></pre>
    </div>
    <div class="actions">
      <button id="export-csv" type="button" disabled title="Download the numbers as CSV, as the batch tool writes them.">Export CSV</button>
      <button id="export-png" type="button" disabled title="Download the graph as a PNG image.">Export PNG</button>
      <button id="export-text" type="button" disabled title="Download the summary as text.">Export Text</button>
      <button id="print" type="button" disabled title="Print the result with the inputs it was flown with.">Print...</button>
      <button id="share" type="button" disabled title="Copy a link that opens this page with these inputs and flies them.">Copy Share Link</button>
    </div>`;
  $('simulate').onclick = simulate;
  $('cancel').onclick = () => running && running.cancel();
  $('export-csv').onclick = exportCsv;
  $('export-png').onclick = exportPng;
  $('export-text').onclick = exportText;
  $('print').onclick = printResult;
  $('share').onclick = async () => {
    const link = shareLink(true);
    try {
      await navigator.clipboard.writeText(link);
      $('status').textContent = 'The link is on the clipboard.';
    } catch {
      say(link);
    }
  };
  $('graph').addEventListener('mousemove', readout);
  new ResizeObserver(() => $('result').dataset.graph && paint()).observe($('result'));
}

async function start() {
  try {
    hl = await createHydrolofter({measureText, drawText});
  } catch (e) {
    $('loading').textContent = 'The simulator could not start here: ' + e +
      '. Open the page from a web server (scripts/web serve), not as a file.';
    return;
  }
  table = JSON.parse(call('hl_describe'));
  for (const f of table.fields) byName[f.name] = f;
  $('loading').remove();
  for (const g of table.groups) (g.group === Group.Settings ? settingsPage : inputPage.bind(null, g.group))(g.caption);
  simulatePage();
  applyArgs(defaults());
  showPage('g0');
  // A design file dropped anywhere on the page opens on its page.
  document.addEventListener('dragover', (e) => (e.preventDefault(), document.body.classList.add('drop')));
  document.addEventListener('dragleave', () => document.body.classList.remove('drop'));
  document.addEventListener('drop', (e) => {
    e.preventDefault();
    document.body.classList.remove('drop');
    if (e.dataTransfer.files[0]) openDesign(e.dataTransfer.files[0], -1);
  });
  document.body.dataset.ready = '1';
  await openLink();
}

start();
