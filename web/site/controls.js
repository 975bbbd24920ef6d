// The controls made from the core's field table, and the pages that hold them.
import {byName, pageId, table} from './core.js';
import {keepPage} from './session.js';
import {$, make} from './ui.js';

const plain = (caption) => caption.replace(/&(.)/g, '$1').replace(/:$/, '');
const shown = (caption) => caption.replace(/&(.)/g, '$1');

function label(field, control) {
  const l = make('label', {textContent: shown(field.caption)});
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
  const select = described(make('select'), field);
  for (const n of names) select.add(new Option(n, n));
  return select;
}

/// A variable's unit list follows the variable, its default unit chosen.
export function fillVariableUnits(variableField) {
  const select = $('f-' + variableField.paired);
  const v = table.variables[$('f-' + variableField.name).value];
  select.length = 0;
  for (const n of v.units) select.add(new Option(n, n));
  select.selectedIndex = v.defaultUnit;
}

function variableControl(field) {
  const control = described(make('select'), field);
  for (const name of field.variables) control.add(new Option(name, name));
  control.addEventListener('change', () => fillVariableUnits(field));
  return control;
}

/// A choice's radio buttons, their values the choices' indexes.
function choiceRow(row, field) {
  const group = make('div', {className: 'choices'});
  group.setAttribute('role', 'radiogroup');
  group.setAttribute('aria-label', plain(field.caption || field.options[0].spoken || field.name));
  field.options.forEach((o, i) => {
    const r = make('input', {type: 'radio', name: field.name, value: String(i), title: o.help});
    r.id = `f-${field.name}=${i}`;
    if (o.spoken) r.setAttribute('aria-label', o.spoken);
    const l = make('label');
    l.append(r, ' ' + shown(o.caption));
    group.append(l);
  });
  if (field.caption) row.append(document.createTextNode(shown(field.caption)));
  row.append(group);
  return row;
}

/// The precision slider and the time step it stands for.
function precisionRow(row, field) {
  const steps = table.precisions;
  const control = described(make('input', {type: 'range'}), field);
  control.min = steps[0].value;
  control.max = steps[steps.length - 1].value;
  const label_ = make('output', {id: 'precisionLabel'});
  control.addEventListener('input', () =>
    (label_.textContent = steps.find((p) => p.value === Number(control.value))?.label ?? ''));
  row.append(label(field, control), control, label_);
  return row;
}

function numberControl(field) {
  const control = described(make('input', {type: 'text'}), field);
  control.inputMode = field.entry === 'Count' ? 'numeric' : 'decimal';
  control.readOnly = field.readOnly;
  control.disabled = field.readOnly;
  return control;
}

/// What stands beside a field's control: its unit's list, or a fixed unit.
function unitOf(field) {
  const unit = field.paired ? byName[field.paired] : null;
  const named = (select) => {
    // Read out as its value's unit: "Diameter unit".
    select.setAttribute('aria-label', (field.spoken || plain(field.caption)) + ' unit');
    return select;
  };
  if (unit && (unit.kind === 'FamilyUnit' || unit.kind === 'PercentUnit')) return named(unitSelect(unit, unit.units));
  if (unit && unit.kind === 'VariableUnit') return named(unitSelect(unit, []));
  if (field.unitLabel) return make('span', {textContent: field.unitLabel});
  return null;
}

/// One field's row: caption, control, unit.
export function fieldRow(field) {
  const row = make('div', {className: 'row'});
  if (field.entry === 'Choice') return choiceRow(row, field);
  if (field.slider) return precisionRow(row, field);
  let control;
  if (field.kind === 'Variable') {
    control = variableControl(field);
  } else if (field.kind === 'Text') {
    control = described(make('textarea'), field);
    row.classList.add('wide');
  } else if (field.entry === 'Tick') {
    control = described(make('input', {type: 'checkbox'}), field);
  } else {
    control = numberControl(field);
  }
  row.append(field.caption ? label(field, control) : make('span'), control);
  const unit = unitOf(field);
  if (unit) row.append(unit);
  // What the desktop says in a tooltip, visible where there is no mouse to rest (CSS).
  if (field.help) row.append(make('small', {className: 'help', textContent: field.help}));
  return row;
}

/// A tab and its page.
export function page(caption, id) {
  const tab = make('button', {type: 'button', textContent: caption, id: 'tab-' + id});
  tab.setAttribute('role', 'tab');
  const section = make('section', {className: 'page', id: 'page-' + id});
  section.setAttribute('role', 'tabpanel');
  section.setAttribute('aria-labelledby', tab.id);
  tab.onclick = () => showPage(id);
  // The tabs pattern: the arrow keys (Home, End) move between the tabs and show their pages.
  tab.onkeydown = (e) => {
    const tabs = [...document.querySelectorAll('#tabs [role="tab"]')];
    const at = tabs.indexOf(tab);
    const to = {ArrowRight: at + 1, ArrowLeft: at - 1, Home: 0, End: tabs.length - 1}[e.key];
    if (to === undefined) return;
    e.preventDefault();
    const next = tabs[(to + tabs.length) % tabs.length];
    next.focus();
    next.click();
  };
  $('tabs').append(tab);
  $('pages').append(section);
  return section;
}

export function showPage(id) {
  for (const s of document.querySelectorAll('.page')) s.hidden = s.id !== 'page-' + id;
  for (const t of document.querySelectorAll('nav button'))
    t.setAttribute('aria-selected', String(t.id === 'tab-' + id));
  keepPage(id);
}

/// A page of inputs: its fields in their boxes, a hint under a field that has one.
export function inputPage(group, caption) {
  const section = page(caption, pageId(group));
  const boxes = make('div', {className: 'boxes'});
  const sets = {};
  for (const f of table.fields) {
    if (f.group !== group || (f.entry === 'None' && f.kind !== 'Variable')) continue;
    if (f.kind === 'FamilyUnit' || f.kind === 'PercentUnit') continue;
    const key = f.kind === 'Text' ? '' : f.box;
    if (!(key in sets)) {
      const set = make(key ? 'fieldset' : 'div');
      if (key) set.append(make('legend', {textContent: key}));
      sets[key] = set;
      (key ? boxes : section).append(set);
    }
    sets[key].append(fieldRow(f));
    if (f.hint && f.kind !== 'Text') sets[key].append(make('p', {className: 'hint', textContent: f.hint}));
  }
  section.prepend(boxes);
  return section;
}

/// The settings: the mode and precision, then each kind of run's settings in a frame.
export function settingsPage(group, caption) {
  const section = page(caption, pageId(group));
  // The settings of every kind of run first (the kind itself, the precision).
  for (const f of table.fields) if (f.group === group && f.mode < 0) section.append(fieldRow(f));
  table.fields.find((f) => f.runKinds).options.forEach((o, k) => {
    const set = make('fieldset', {className: 'mode', id: 'mode-' + k});
    set.append(make('legend', {textContent: shown(o.caption)}));
    for (const f of table.fields)
      if (f.mode === k && f.kind !== 'VariableUnit') set.append(fieldRow(f));
    section.append(set);
  });
  return section;
}
