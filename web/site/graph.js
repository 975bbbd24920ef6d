// The result on show: the graph the core paints (or the summary), the readout under the
// mouse, the buttons that need a result, the printed page.
import {ask, call, hl} from './core.js';
import {refreshCompare} from './compare.js';
import {refreshMeasured} from './measured.js';
import {$, make} from './ui.js';

/// The run buttons while a run flies (on) or not.
export function setRunning(on) {
  $('simulate').disabled = on;
  $('cancel').disabled = !on;
  for (const id of ['export-csv', 'export-png', 'export-text', 'print', 'share', 'copy', 'full-screen', 'show-numbers'])
    $(id).disabled = on || !$('result').dataset.shown;
  $('progress').value = 0;
  $('progress').hidden = !on;
  $('status').hidden = on;
  // The focus on Cancel while a run flies, and back on Simulate after it.
  if (on) $('cancel').focus();
  else if (document.activeElement === $('cancel') || document.activeElement === document.body) $('simulate').focus();
  // The comparison and the measured flight wait for the run.
  if (on) {
    for (const id of ['keep', 'forget-kept', 'rename-kept', 'clear-kept', 'measured', 'forget-measured', 'fit']) $(id).disabled = true;
  } else {
    refreshCompare();
    refreshMeasured();
  }
}

export function show(shown) {
  const result = $('result');
  result.dataset.shown = '1';
  $('status').textContent = $('status').dataset.notices = shown.notices.join(' ');
  $('summary').hidden = shown.graph;
  $('graph').hidden = !shown.graph;
  $('summary').textContent = shown.summary;
  result.dataset.graph = shown.graph ? '1' : '';
  result.dataset.title = shown.title;
  const [x, y, low, high] = shown.axes;
  const axes = shown.graph ? ` ${y} against ${x}${low ? `, shaded from ${low} to ${high}` : ''}.` : '';
  $('graph').setAttribute('aria-label', `Graph: ${shown.title}.${axes} Show Numbers lists its numbers; the arrow keys read it.`);
  $('numbers').hidden = true;
  $('show-numbers').textContent = 'Show Numbers';
  if (shown.graph) paint();
  setRunning(false);
}

/// The shown graph as a PNG at twice the box's size, as the desktop exports it (a Promise).
export function graphPng() {
  const canvas = $('graph');
  const painted = picture(2 * Math.max(100, canvas.clientWidth), 2 * Math.max(100, canvas.clientHeight));
  if (!painted) return Promise.resolve(null);
  const c = make('canvas', {width: painted.pic.width, height: painted.pic.height});
  c.getContext('2d').putImageData(painted.image, 0, 0);
  return new Promise((resolve) => c.toBlob(resolve, 'image/png'));
}

/// The graph over the whole screen; any key, or a click, ends it.
export function fullScreen() {
  const canvas = $('graph');
  if (canvas.hidden || !canvas.requestFullscreen) return;
  canvas.requestFullscreen().catch(() => {});
  const end = () => document.fullscreenElement && document.exitFullscreen();
  canvas.addEventListener('click', end, {once: true});
  document.addEventListener('keydown', end, {once: true});
}

/// The screen's pixels to a CSS pixel, which the graph is painted at (1 to 4).
const screenScale = () => Math.min(4, Math.max(1, window.devicePixelRatio || 1));

/// The core's picture of the shown graph as ImageData, laid out at width × height and painted
/// at scale times the pixels.
function picture(width, height, scale = 1) {
  const pic = ask('hl_paint', width, height, scale);
  if (!pic.width) return null;
  const pixels = new Uint8ClampedArray(hl.HEAPU8.buffer, pic.pixels, pic.width * pic.height * 4);
  return {pic, image: new ImageData(new Uint8ClampedArray(pixels), pic.width, pic.height)};
}

/// The core paints the graph into the canvas's box on the page, laid out in CSS pixels and
/// painted in the screen's (a surface's key in the box too), or pictureWidth wide, as the batch
/// tool's picture of that size.
export function paint(pictureWidth) {
  const canvas = $('graph');
  if (canvas.hidden) return;
  const width = pictureWidth || Math.max(100, canvas.clientWidth), height = Math.max(100, canvas.clientHeight);
  const painted = picture(width, height, screenScale());
  if (!painted) return;
  canvas.width = painted.pic.width;
  canvas.height = painted.pic.height;
  if (pictureWidth) canvas.style.width = painted.pic.logicalWidth + 'px';
  canvas.getContext('2d').putImageData(painted.image, 0, 0);
  Object.assign(canvas.dataset, {graphWidth: painted.pic.graphWidth, logicalWidth: painted.pic.logicalWidth,
    logicalHeight: painted.pic.logicalHeight});
}

// A window moved to a screen of another pixel ratio (or zoomed) gets its graph painted anew.
(function watchScale() {
  matchMedia(`(resolution: ${window.devicePixelRatio || 1}dppx)`).addEventListener('change', () => {
    if ($('result')?.dataset.graph) paint();
    watchScale();
  }, {once: true});
})();

export function readout(event) {
  const canvas = $('graph');
  const scale = Number(canvas.dataset.logicalWidth) / canvas.clientWidth;
  sayAt(Math.round(event.offsetX * scale), Math.round(event.offsetY * scale));
}

function sayAt(x, y) {
  const canvas = $('graph');
  const text = call('hl_readout', x, y, Number(canvas.dataset.graphWidth), Number(canvas.dataset.logicalHeight));
  $('status').textContent = text || $('status').dataset.notices || '';
}

/// The readout from the keyboard: the arrow keys move a point over the graph (Shift: ten
/// times as far), and the line above the graph says what lies under it.
const point = {x: -1, y: -1};
export function readoutKey(event) {
  const canvas = $('graph');
  const step = event.shiftKey ? 20 : 2;
  const move = {ArrowLeft: [-step, 0], ArrowRight: [step, 0], ArrowUp: [0, -step], ArrowDown: [0, step]}[event.key];
  if (!move) return;
  event.preventDefault();
  const width = Number(canvas.dataset.logicalWidth), height = Number(canvas.dataset.logicalHeight);
  if (point.x < 0) [point.x, point.y] = [Math.round(width / 2), Math.round(height / 2)];
  point.x = Math.min(Math.max(point.x + move[0], 0), width - 1);
  point.y = Math.min(Math.max(point.y + move[1], 0), height - 1);
  sayAt(point.x, point.y);
}

/// The graph's numbers as a table beside it, for those who cannot see the picture.
export function toggleNumbers() {
  const table = $('numbers');
  if (!table.hidden) return void ((table.hidden = true), ($('show-numbers').textContent = 'Show Numbers'));
  table.textContent = '';
  const rows = call('hl_csv').trim().split('\n');
  rows.forEach((line, k) => {
    const row = table.insertRow();
    for (const cell of line.split(',')) row.append(make(k ? 'td' : 'th', {textContent: cell}));
  });
  table.hidden = false;
  $('show-numbers').textContent = 'Hide Numbers';
}

/// The printed page: title, the graph at a paper's width (or the summary), the inputs and
/// the results it was flown with.
export function printResult() {
  const lines = ask('hl_printLines');
  const out = $('print-sheet');
  out.textContent = '';
  out.append(make('h2', {textContent: lines.title}));
  if (lines.description) out.append(make('p', {className: 'description', textContent: lines.description}));
  // Laid out at 960 × 600 and painted at twice that, sharp on paper.
  const painted = $('result').dataset.graph ? picture(960, 600, 2) : null;
  if (painted) {
    const c = make('canvas', {width: painted.pic.width, height: painted.pic.height});
    c.getContext('2d').putImageData(painted.image, 0, 0);
    out.append(c);
  } else {
    out.append(make('pre', {textContent: $('summary').textContent}));
  }
  for (const rows of [lines.inputs, lines.results]) {
    if (!rows.length) continue;
    const t = make('table');
    for (const [caption, value] of rows)
      t.insertRow().append(make('td', {textContent: caption}), make('td', {textContent: value}));
    out.append(t);
  }
  window.print();
}
