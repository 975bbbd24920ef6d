// The Simulate page's measured flight or firing: a table read by the core and drawn over the
// graph, its figures under it, and Fit, each flown in a worker as the window flies them.
import {ask, call} from './core.js';
import {paint, setRunning, show} from './graph.js';
import {borrowWorker, onWorkerFailure, startWorkers, stopWorkers, track, workerFailure} from './runs.js';
import {$, make, say} from './ui.js';
import {recordOf, showTexts, texts} from './values.js';

let trace = null; // {text, name, timeColumn, valueColumn, timeUnit, heightUnit, forceUnit}

const units = {
  timeUnit: ['s', 'ms'],
  heightUnit: ['m', 'ft'],
  forceUnit: ['N', 'lbf', 'kgf'],
};

/// A modal form of labelled rows; resolves with its controls on OK, null on Cancel.
export function form(title, rows) {
  return new Promise((resolve) => {
    const d = make('dialog', {className: 'form'});
    d.append(make('h3', {textContent: title}));
    const controls = {};
    for (const [name, caption, control] of rows) {
      const label = make('label', {textContent: caption + ' '});
      control.name = name;
      label.append(control);
      d.append(label);
      controls[name] = control;
    }
    const ok = make('button', {type: 'button', textContent: 'OK'});
    const cancel = make('button', {type: 'button', textContent: 'Cancel'});
    d.append(make('div', {className: 'actions'}));
    d.lastChild.append(ok, cancel);
    document.body.append(d);
    const done = (value) => (d.close(), d.remove(), resolve(value));
    ok.onclick = () => done(controls);
    cancel.onclick = () => done(null);
    d.addEventListener('cancel', () => done(null));
    d.showModal();
  });
}

function unitChoice(list) {
  const s = make('select');
  for (const u of ['As its header says', ...list]) s.append(make('option', {textContent: u}));
  return s;
}

/// One job in a worker of its own, with progress and Cancel as for a run.
function inWorker(job) {
  return new Promise((resolve) => {
    const w = borrowWorker();
    setRunning(true);
    const end = (result) => (track(null), setRunning(false), startWorkers(), resolve(result));
    track({cancel: () => (stopWorkers(), end(null))});
    onWorkerFailure(w, () => (stopWorkers(), end({message: workerFailure})));
    w.onmessage = (e) => {
      if (e.data.type === 'progress') return void ($('progress').value = e.data.value);
      end(e.data.result);
    };
    w.postMessage({...job, trace});
  });
}

function record() {
  const made = recordOf(texts());
  return made.error ? null : JSON.stringify(made.record);
}

/// The buttons as the kept trace allows.
export function refreshMeasured() {
  $('measured').disabled = false;
  $('forget-measured').disabled = $('fit').disabled = !trace;
}

/// The figures of the kept trace against the launch on show, under the graph.
export async function showFigures() {
  const shown = $('result').dataset;
  if (!trace || !shown.shown || !shown.record) return;
  const r = await inWorker({type: 'figures', record: shown.record});
  if (!r) return;
  if (r.message) return say(r.message);
  $('status').textContent = $('status').dataset.notices = r.lines.join(' · ');
}

async function importMeasured() {
  const file = make('input', {type: 'file', accept: '.csv,.txt,.tsv,text/*'});
  const c = await form('Import Measured Flight', [
    ['file', 'File:', file],
    ['timeColumn', 'Time column:', make('input', {type: 'text'})],
    ['valueColumn', 'Altitude or force column:', make('input', {type: 'text'})],
    ['timeUnit', 'Time unit:', unitChoice(units.timeUnit)],
    ['heightUnit', 'Altitude unit:', unitChoice(units.heightUnit)],
    ['forceUnit', 'Force unit:', unitChoice(units.forceUnit)],
  ]);
  if (!c || !file.files[0]) return;
  const t = {text: await file.files[0].text(), name: file.files[0].name, timeColumn: c.timeColumn.value.trim(),
             valueColumn: c.valueColumn.value.trim(), timeUnit: c.timeUnit.selectedIndex,
             heightUnit: c.heightUnit.selectedIndex, forceUnit: c.forceUnit.selectedIndex};
  const read = ask('hl_readTrace', t.text, t.name, t.timeColumn, t.valueColumn, t.timeUnit, t.heightUnit, t.forceUnit);
  if (read.error) return say(read.error);
  trace = t;
  refreshMeasured();
  reshow();
  if (read.notes.length) await say(read.notes.join('\n'));
  await showFigures();
}

/// The shown result drawn again (a trace or a kept flight more or less), its notices kept.
export function reshow() {
  const shown = ask('hl_reshow');
  if (shown.title !== undefined) {
    const notices = $('status').textContent;
    show(shown);
    $('status').textContent = notices;
    if (shown.graph) paint();
  }
}

function forgetMeasured() {
  trace = null;
  call('hl_forgetTrace');
  refreshMeasured();
  reshow();
}

async function fit() {
  const r = record();
  if (!trace || !r) return;
  const inputs = ask('hl_fittable', r);
  const input = make('select');
  for (const i of inputs) input.append(make('option', {value: i.name, textContent: i.caption}));
  input.value = 'dragCoefficient';
  const from = make('input', {type: 'text'}), to = make('input', {type: 'text'});
  const range = () => {
    const i = inputs.find((x) => x.name === input.value);
    [from.value, to.value] = [i.from, i.to];
  };
  input.onchange = range;
  range();
  const c = await form('Fit an Input to the Measured Flight', [['input', 'Input:', input], ['from', 'From:', from], ['to', 'To:', to]]);
  if (!c) return;
  const result = await inWorker({type: 'fit', record: r, name: input.value, from: from.value, to: to.value});
  if (!result) return void ($('status').textContent = 'Fit cancelled');
  if (result.message) return say(result.message);
  if (window.confirm(result.question)) {
    const [name, value] = result.assignment.split('=');
    showTexts({[name]: value});
  }
}

/// The buttons, after the Simulate page's others.
export function measuredButtons(row) {
  const b = (id, text, title, onclick, disabled) => {
    const button = make('button', {id, type: 'button', textContent: text, title, disabled});
    button.onclick = onclick;
    row.append(button);
  };
  b('measured', 'Measured Flight...', 'Read an altimeter\'s table of times and altitudes, or a test stand\'s of times and forces, and draw it over a Height or Thrust graph.', importMeasured, false);
  b('forget-measured', 'Forget Measured', 'Take the measured flight off the graph.', forgetMeasured, true);
  b('fit', 'Fit...', 'Find the value of one input that brings the flight closest to the measured one.', fit, true);
}
