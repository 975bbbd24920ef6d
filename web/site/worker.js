// Flies runs away from the page: a launch analysis, a share of a sweep's points, or a
// measured trace's figures and fit (the trace's text read here too).
importScripts('hydrolofter.js');
// A core that cannot load (its WebAssembly not fetched) is told to the page, which would
// otherwise wait for an answer.
const ready = createHydrolofter().catch(() => postMessage({type: 'failed'}));
onmessage = async (event) => {
  const m = await ready;
  if (!m) return;
  const job = event.data;
  const record = job.record; // the record as the page holds it: JSON text
  if (job.trace) {
    const t = job.trace;
    m.heapCall('hl_readTrace', [t.text, t.name, t.timeColumn, t.valueColumn, t.timeUnit, t.heightUnit, t.forceUnit]);
  }
  if (job.type === 'figures') {
    postMessage({type: 'done', result: JSON.parse(m.heapCall('hl_traceFigures', [record]))});
  } else if (job.type === 'fit') {
    const r = m.heapCall('hl_fit', [record, job.name, job.from, job.to]);
    postMessage({type: 'done', result: JSON.parse(r)});
  } else if (job.type === 'launch') {
    const r = JSON.parse(m.heapCall('hl_flyLaunch', [record]));
    const at = r.columns / 8;
    const columns = m.HEAPF64.slice(at, at + 3 * r.count);
    postMessage({type: 'done', result: r, columns}, [columns.buffer]);
  } else {
    const r = JSON.parse(m.heapCall('hl_flyPoints', [record, job.from, job.to]));
    const at = r.results / 8;
    const results = m.HEAPF64.slice(at, at + (job.to - job.from));
    postMessage({type: 'done', result: r, results, from: job.from}, [results.buffer]);
  }
};
