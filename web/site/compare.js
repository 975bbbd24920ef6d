// The Simulate page's comparison: results kept to be drawn with the next ones (up to six),
// kept, named and drawn by the core as on the desktop.
import {ask} from './core.js';
import {form, reshow} from './measured.js';
import {make, say, $} from './ui.js';

/// The buttons as the comparison and the result on show allow.
export function refreshCompare() {
  const state = ask('hl_comparison');
  $('keep').disabled = !state.canKeep;
  $('forget-kept').disabled = $('rename-kept').disabled = $('clear-kept').disabled = state.names.length === 0;
  return state;
}

function keep() {
  const r = ask('hl_keep');
  if (r.error) return say(r.error);
  reshow();
  refreshCompare();
}

async function forget() {
  const list = make('select');
  refreshCompare().names.forEach((n, i) => list.append(make('option', {value: String(i), textContent: n})));
  const c = await form('Remove a Kept Flight', [['kept', 'Flight:', list]]);
  if (!c) return;
  ask('hl_forgetCompared', Number(list.value));
  reshow();
  refreshCompare();
}

async function rename() {
  const list = make('select');
  refreshCompare().names.forEach((n, i) => list.append(make('option', {value: String(i), textContent: n})));
  const name = make('input', {type: 'text'});
  name.value = list.options[0] ? list.options[0].textContent : '';
  list.onchange = () => (name.value = list.selectedOptions[0].textContent);
  const c = await form('Rename a Kept Flight', [['kept', 'Flight:', list], ['name', 'Name in the legend:', name]]);
  if (!c) return;
  ask('hl_renameCompared', Number(list.value), name.value.trim());
  reshow();
  refreshCompare();
}

function clear() {
  ask('hl_forgetCompared', -1);
  reshow();
  refreshCompare();
}

/// The buttons, after the Simulate page's others.
export function compareButtons(row) {
  const b = (id, text, title, onclick) => {
    const button = make('button', {id, type: 'button', textContent: text, title, disabled: true});
    button.onclick = onclick;
    row.append(button);
  };
  b('keep', 'Add to comparison', 'Keep this result: the graphs of the next runs draw it with theirs, in a colour of its own (up to six flights).', keep);
  b('forget-kept', 'Remove...', 'Take one kept flight out of the comparison.', forget);
  b('rename-kept', 'Rename...', 'Give a kept flight the name its line in the legend shows (it is named by what differs from the run on show until you do).', rename);
  b('clear-kept', 'Clear Comparison', 'Take every kept flight out.', clear);
}
