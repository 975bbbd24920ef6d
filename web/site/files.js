// Files: design files opened (a picker, or dropped on the page) and saved, a page put back
// to its defaults, the result exported.
import {ask, call, pageId, table} from './core.js';
import {graphPng} from './graph.js';
import {showPage} from './controls.js';
import {markClean} from './session.js';
import {$, download, make, say} from './ui.js';
import {recordOf, showTexts, texts} from './values.js';

/// Opens a design file on its page; group '' takes the kind the file says.
export async function openDesign(file, group) {
  const text = await file.text();
  // A whole flight opens as one, wherever it was given.
  if (/"format"\s*:\s*"hydrolofter-flight"/.test(text)) return openFlight(text, file.name);
  const r = ask('hl_readDesign', group, text, file.name);
  if (!r.ok) return say(r.error);
  showTexts(r.values);
  markClean(r.group);
  showPage(pageId(r.group));
  if (r.notes.length) say(r.notes.join('\n'));
}

function saveDesign(group) {
  const made = recordOf(texts());
  if (made.error) return say(made.error);
  const text = call('hl_designText', group, JSON.stringify(made.record));
  download(table.groups.find((g) => g.group === group).designFile, text, 'application/json');
  markClean(group);
}

/// A page's defaults: the core's record of nothing, that page's part shown.
function putBackDefaults(group) {
  const values = ask('hl_form', JSON.stringify(recordOf({}).record)).values;
  const own = {};
  for (const f of table.fields) if (f.group === group) own[f.name] = values[f.name];
  showTexts(own);
  markClean(group);
}

/// Load, Save and Defaults under a page that keeps designs.
export function designButtons(section, group) {
  const row = make('div', {className: 'actions'});
  const picker = make('input', {type: 'file', accept: '.json', hidden: true});
  picker.onchange = () => picker.files[0] && openDesign(picker.files[0], group).then(() => (picker.value = ''));
  const button = (text, title, action) => {
    const b = make('button', {type: 'button', textContent: text, title});
    b.onclick = action;
    row.append(b);
  };
  button('Load...', 'Open a design file (or drop one on the page).', () => picker.click());
  button('Save...', 'Download this page as a design file.', () => saveDesign(group));
  button('Defaults', "Put back the program's values on this page.", () => putBackDefaults(group));
  row.append(picker);
  section.append(row);
}

let flightDescription = ''; // the opened flight's, saved with it again

/// A flight file's text into every page and the settings.
function openFlight(text, name) {
  const r = ask('hl_readFlight', text, name);
  if (!r.ok) return say(r.error);
  flightDescription = r.description;
  showTexts(r.values);
  for (const g of table.groups) if (g.designFile) markClean(g.group);
  if (r.notes.length) say(r.notes.join('\n'));
}

/// Open Flight... and Save Flight... under the settings: every page and the settings as one
/// .flight.json, the desktop's bytes.
export function flightButtons(section) {
  const row = make('div', {className: 'actions'});
  const picker = make('input', {type: 'file', accept: '.json', hidden: true});
  picker.onchange = async () => {
    const file = picker.files[0];
    picker.value = '';
    if (file) openFlight(await file.text(), file.name);
  };
  const open = make('button', {type: 'button', textContent: 'Open Flight...',
                               title: 'Open a flight file (*.flight.json) into every page: rocket, launch site, launch and these settings.'});
  open.onclick = () => picker.click();
  const save = make('button', {type: 'button', textContent: 'Save Flight...',
                               title: 'Download every page and these settings as one flight file (*.flight.json).'});
  save.onclick = () => {
    const made = recordOf(texts());
    if (made.error) return say(made.error);
    download('hydrolofter.flight.json', call('hl_flightText', JSON.stringify(made.record), flightDescription), 'application/json');
  };
  row.append(open, save, picker);
  section.prepend(row);
}

export const exportCsv = () => download('hydrolofter.csv', call('hl_csv'), 'text/csv');
export function exportPng() {
  // The canvas keeps the last graph's pixels while a summary is on show.
  if ($('graph').hidden) return say('The result on show is a summary: it has no graph to save as an image.');
  graphPng().then((blob) => blob && download('hydrolofter.png', blob, 'image/png'));
}

/// Copy: the graph (or the summary) and the numbers as CSV on the clipboard.
export async function copyResult() {
  try {
    const items = {'text/plain': new Blob([$('graph').hidden ? $('summary').textContent : call('hl_csv')], {type: 'text/plain'})};
    const png = $('graph').hidden ? null : await graphPng();
    if (png) items['image/png'] = png;
    await navigator.clipboard.write([new ClipboardItem(items)]);
    $('status').textContent = png ? 'The graph and its numbers are on the clipboard.' : 'The summary is on the clipboard.';
  } catch (e) {
    say('The clipboard could not be written here: ' + e.message);
  }
}
/// The result as text: the summary, or a graph's numbers as its summary gives them.
export const exportText = () => download('hydrolofter.txt', call('hl_summaryText'), 'text/plain');
