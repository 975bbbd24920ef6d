// Runs: the record checked by the core, flown by workers (a launch analysis by one, a
// sweep's points shared out), the result put on show by the core.
import {ask, hl} from './core.js';
import {setRunning, show} from './graph.js';
import {showFigures} from './measured.js';
import {$, say} from './ui.js';
import {recordOf, texts} from './values.js';

const workers = [];
let running = null; // the run in progress: {cancel()}

function workerPool(n) {
  while (workers.length < n) {
    const w = new Worker('worker.js');
    // A worker whose script or core cannot load fails once, often before any run asks it:
    // it is marked, and the run that has it (now or later) is told.
    const failed = (e) => {
      e.preventDefault();
      e.stopImmediatePropagation();
      if (!w.failed) (w.failed = true), w.onfail?.();
    };
    w.addEventListener('error', failed);
    w.addEventListener('message', (e) => e.data.type === 'failed' && failed(e));
    workers.push(w);
  }
  return workers.slice(0, n);
}

/// What a worker that cannot start (its script or the core not loaded: no network, say) tells
/// the page, instead of a run that never ends.
export const workerFailure = 'The simulator could not start a worker to fly the run (is the page offline ' +
  'before its first full visit?). Reload the page to try again.';
export function onWorkerFailure(w, fail) {
  if (w.failed) queueMicrotask(fail);
  else w.onfail = fail;
}

/// One worker per core, started (and the core compiled in each) when the page opens, not
/// when a run starts; a cancelled run's workers are started again after it.
export const startWorkers = () => workerPool(navigator.hardwareConcurrency || 2);
/// A started worker for a job of another module's (runs are one at a time).
export const borrowWorker = () => workerPool(1)[0];

export function stopWorkers() {
  for (const w of workers.splice(0)) w.terminate();
}

export const cancel = () => running && running.cancel();
/// A job of another module's in progress, which Cancel stops (null when it ended).
export const track = (job) => void (running = job);

/// Flies what the pages hold and shows it, or says why it cannot.
export async function simulate() {
  if (running) return;
  const made = recordOf(texts());
  if (made.error) return say(made.error);
  const record = JSON.stringify(made.record);
  const prep = ask('hl_prepare', record);
  if (prep.error) return say(prep.error);
  if (prep.problems) return say('The simulation cannot start:\n\n' + prep.problems.join('\n'));
  setRunning(true);
  $('status').textContent = $('status').dataset.notices = '';
  let outcome;
  try {
    outcome = prep.launch ? await flyLaunch(record) : await flySweep(record, prep.points);
  } catch (cancelled) {
    outcome = null;
  }
  running = null;
  setRunning(false);
  startWorkers();
  if (outcome === null) return void ($('status').textContent = 'Cancelled');
  if (outcome.message) return say(outcome.message);
  show(outcome.shown);
  // A launch's record, which a measured flight's figures and fit are flown with.
  $('result').dataset.record = prep.launch ? record : '';
  await showFigures();
}

/// Copies numbers into the core's memory for a call, and frees them after it.
function withNumbers(arrays, use) {
  const at = arrays.map((a) => hl._malloc(Math.max(8, a.length * 8)));
  arrays.forEach((a, k) => hl.HEAPF64.set(a, at[k] / 8));
  try {
    return use(...at);
  } finally {
    at.forEach((p) => hl._free(p));
  }
}

function flyLaunch(record) {
  return new Promise((resolve, reject) => {
    const [w] = workerPool(1);
    running = {cancel: () => (stopWorkers(), reject(new Error('cancelled')))};
    onWorkerFailure(w, () => (stopWorkers(), resolve({message: workerFailure})));
    w.onmessage = (e) => {
      const m = e.data;
      if (m.type === 'progress') return void ($('progress').value = m.value);
      const r = m.result;
      if (r.message) return resolve({message: r.message});
      const shown = withNumbers([m.columns, r.flight], (columns, flight) =>
        ask('hl_showLaunch', record, columns, r.count, r.kind, flight, r.airborne ? 1 : 0));
      resolve({shown});
    };
    w.postMessage({type: 'launch', record});
  });
}

/// A sweep's points in chunks, handed to one worker per core as each finishes its last.
function flySweep(record, points) {
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
      w.postMessage({type: 'points', record, from, to: next});
    };
    pool.forEach((w, k) => {
      onWorkerFailure(w, () => (stopWorkers(), resolve({message: workerFailure})));
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
        if (finished === points)
          return resolve({shown: withNumbers([results], (at) => ask('hl_showSweep', record, at, points))});
        give(w);
      };
      give(w);
    });
  });
}
