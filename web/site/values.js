// The controls' texts by field name, the record the core makes of them, and back.
import {ask, table} from './core.js';
import {fillVariableUnits} from './controls.js';
import {$} from './ui.js';

function textOfControl(f) {
  if (f.entry === 'Choice') {
    const r = document.querySelector(`input[name="${f.name}"]:checked`);
    return r ? r.value : null;
  }
  const c = $('f-' + f.name);
  if (!c) return null;
  if (c.type === 'checkbox') return c.checked ? '1' : '0';
  return c.value;
}

function setControl(f, text) {
  if (f.entry === 'Choice') {
    const r = $(`f-${f.name}=${text}`);
    if (r) r.checked = true;
    return;
  }
  const c = $('f-' + f.name);
  if (!c) return;
  if (c.type === 'checkbox') c.checked = text === '1';
  else c.value = text;
  if (f.kind === 'Variable') fillVariableUnits(f);
  if (f.slider) c.dispatchEvent(new Event('input')); // its label follows
}

/// Every control's text by field name (a group's only, when given).
export function texts(group) {
  const out = {};
  for (const f of table.fields) {
    if (group !== undefined && f.group !== group) continue;
    const t = textOfControl(f);
    if (t !== null) out[f.name] = t;
  }
  return out;
}

/// The core's record of texts laid over the defaults: {record} or {error}.
export const recordOf = (pairs) => ask('hl_record', JSON.stringify(pairs));

/// Only the fields the core says can be changed now can be.
export function applyRules() {
  const enabled = ask('hl_enabled', JSON.stringify(texts()));
  for (const f of table.fields) {
    if (f.readOnly) continue;
    for (const c of document.querySelectorAll(`[name="${f.name}"]`)) c.disabled = !enabled[f.name];
  }
}

/// Shows texts in the controls, in the table's order (a variable before its unit).
export function showTexts(values) {
  for (const f of table.fields) if (f.name in values) setControl(f, values[f.name]);
  applyRules();
  // As a user's change: kept, and the changed pages marked (session.js listens).
  $('pages').dispatchEvent(new Event('change'));
}

/// Shows a record the core made.
export const showRecord = (record) => showTexts(ask('hl_form', JSON.stringify(record)).values);
