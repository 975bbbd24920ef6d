// The browser edition's page: its controls made from the core's field table, runs flown in
// workers, the graph painted by the core, designs, exports, printing and share links. Each
// job has its module; this one builds the page and starts it.
import {call, startCore, table} from './core.js';
import {inputPage, settingsPage, showPage, page} from './controls.js';
import {copyResult, designButtons, exportCsv, exportPng, exportText, flightButtons, openDesign} from './files.js';
import {fullScreen, graphPng, paint, printResult, readout, readoutKey, toggleNumbers} from './graph.js';
import {compareButtons} from './compare.js';
import {measuredButtons} from './measured.js';
import {openLink, shareLink} from './links.js';
import {cancel, simulate, startWorkers} from './runs.js';
import {drawText, measureText} from './text.js';
import {hasUnsavedChanges, keep, restore} from './session.js';
import {$, make, say} from './ui.js';
import {applyRules, recordOf, showRecord, showTexts, texts} from './values.js';

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
      <canvas id="graph" hidden aria-label="Graph" role="img" tabindex="0"></canvas>
      <pre id="summary" hidden tabindex="0" aria-label="Results"></pre>
      <table id="numbers" hidden aria-label="The graph's numbers"></table>
    </div>
    <div class="actions">
      <button id="export-csv" type="button" disabled title="Download the numbers as CSV, as the batch tool writes them.">Export CSV</button>
      <button id="export-png" type="button" disabled title="Download the graph as a PNG image.">Export PNG</button>
      <button id="export-text" type="button" disabled title="Download the summary as text.">Export Text</button>
      <button id="print" type="button" disabled title="Print the result with the inputs it was flown with.">Print...</button>
      <button id="full-screen" type="button" disabled title="Show the graph over the whole screen; any key closes it.">Full Screen...</button>
      <button id="show-numbers" type="button" disabled title="Show the graph's numbers as a table under it.">Show Numbers</button>
      <button id="copy" type="button" disabled title="Put the graph and its numbers (CSV) on the clipboard.">Copy</button>
      <button id="share" type="button" disabled title="Copy a link that opens this page with these inputs and flies them.">Copy Share Link</button>
    </div>`;
  $('simulate').onclick = simulate;
  $('cancel').onclick = cancel;
  $('export-csv').onclick = exportCsv;
  $('export-png').onclick = exportPng;
  $('export-text').onclick = exportText;
  $('print').onclick = printResult;
  $('full-screen').onclick = fullScreen;
  $('copy').onclick = copyResult;
  $('show-numbers').onclick = toggleNumbers;
  $('share').onclick = async () => {
    const {link, error} = shareLink(true);
    if (error) return say(error);
    try {
      await navigator.clipboard.writeText(link);
      $('status').textContent = 'The link is on the clipboard.';
    } catch {
      say(link);
    }
  };
  compareButtons(section.querySelector('.actions'));
  measuredButtons(section.querySelector('.actions'));
  $('graph').addEventListener('mousemove', readout);
  $('graph').addEventListener('keydown', readoutKey);
  new ResizeObserver(() => $('result').dataset.graph && paint()).observe($('result'));
}

/// What scripts that drive the page (its tests, the guide's pictures) call: NAME=VALUE
/// pairs put in the controls as a share link's are, the core, the graph painted at a width,
/// the record the pages hold, their share link.
function automation() {
  window.hydrolofter = {
    apply: (pairs) => showTexts(Object.fromEntries(pairs.map((a) => [a.slice(0, a.indexOf('=')), a.slice(a.indexOf('=') + 1)]))),
    call,
    paint,
    record: () => recordOf(texts()).record,
    link: (run) => shareLink(run).link,
    exportedSize: async () => {
      const image = await createImageBitmap(await graphPng());
      return [image.width, image.height];
    },
  };
}

async function start() {
  try {
    await startCore({measureText, drawText});
  } catch (e) {
    $('loading').textContent = 'The simulator could not start here: ' + e +
      '. Open the page from a web server (scripts/web serve), not as a file.';
    return;
  }
  $('loading').remove();
  for (const g of table.groups) {
    const section = (g.group === 'Settings' ? settingsPage : inputPage)(g.group, g.caption);
    if (g.designFile) designButtons(section, g.group);
    if (g.group === 'Settings') flightButtons(section);
  }
  simulatePage();
  showRecord(recordOf({}).record);
  $('pages').addEventListener('change', applyRules);
  // The work is kept as it is typed, and comes back when the page opens again.
  $('pages').addEventListener('change', keep);
  $('pages').addEventListener('input', keep);
  const kept = restore();
  if (!kept) { // the first visit: what to do, in a line
    const hint = make('p', {id: 'first-visit', textContent: 'Describe your rocket on the first three pages (every field ' +
      'has a default), choose what to compute under Simulation Settings, then press Simulate on the Simulate page.'});
    $('tabs').after(hint);
  }
  showPage(kept && $('tab-' + kept) ? kept : 'g0');
  window.addEventListener('beforeunload', (e) => {
    if (hasUnsavedChanges()) e.preventDefault(), (e.returnValue = '');
  });
  // A design file dropped anywhere on the page opens on its page.
  document.addEventListener('dragover', (e) => (e.preventDefault(), document.body.classList.add('drop')));
  document.addEventListener('dragleave', () => document.body.classList.remove('drop'));
  document.addEventListener('drop', (e) => {
    e.preventDefault();
    document.body.classList.remove('drop');
    if (e.dataTransfer.files[0]) openDesign(e.dataTransfer.files[0], '');
  });
  automation();
  startWorkers();
  // Offline after the first visit (web/site/sw.js); a page from a file has none.
  if ('serviceWorker' in navigator && location.protocol.startsWith('http'))
    navigator.serviceWorker.register('sw.js').catch(() => {});
  document.body.dataset.ready = '1';
  // A link pasted into the address of the open page opens too.
  window.addEventListener('hashchange', () => openLink());
  await openLink();
}

start();
