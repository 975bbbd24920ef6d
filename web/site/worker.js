// Flies runs away from the page: a launch analysis, or a share of a sweep's points.
importScripts('hydrolofter.js');
const ready = createHydrolofter();
onmessage = async (event) => {
  const m = await ready;
  const job = event.data;
  const record = job.record; // the record as the page holds it: JSON text
  if (job.type === 'launch') {
    const r = JSON.parse(m.ccall('hl_flyLaunch', 'string', ['string'], [record]));
    const at = r.columns / 8;
    const columns = m.HEAPF64.slice(at, at + 3 * r.count);
    postMessage({type: 'done', result: r, columns}, [columns.buffer]);
  } else {
    const r = JSON.parse(m.ccall('hl_flyPoints', 'string', ['string', 'number', 'number'],
                                 [record, job.from, job.to]));
    const at = r.results / 8;
    const results = m.HEAPF64.slice(at, at + (job.to - job.from));
    postMessage({type: 'done', result: r, results, from: job.from}, [results.buffer]);
  }
};
