// Work kept in the browser: every control's text and the page on show, restored when the
// page opens again; a design page whose fields differ from what was last loaded, saved or
// put back is marked on its tab, and leaving the page then asks first.
import {table, pageId} from './core.js';
import {$} from './ui.js';
import {recordOf, showRecord, texts} from './values.js';

const key = 'hydrolofter.session';
const clean = {}; // a design page's texts as last loaded, saved or put back, by group

function store(patch) {
  try {
    const kept = JSON.parse(localStorage.getItem(key) || '{}');
    localStorage.setItem(key, JSON.stringify({...kept, ...patch}));
  } catch {
    // Storage off or full: the page works on, without keeping.
  }
}

const designGroups = () => table.groups.filter((g) => g.designFile).map((g) => g.group);

/// Marks the tabs of design pages that differ from their clean texts.
function markChanges() {
  for (const group of designGroups()) {
    const tab = $('tab-' + pageId(group));
    const changed = JSON.stringify(texts(group)) !== clean[group];
    tab.classList.toggle('changed', changed);
    tab.title = changed ? 'Changed since it was loaded, saved or put back' : '';
  }
}

/// The group's texts now are its clean ones (loaded, saved or put back).
export function markClean(group) {
  clean[group] = JSON.stringify(texts(group));
  markChanges();
}

/// The controls changed: keep them, and mark what changed.
export function keep() {
  store({texts: texts()});
  markChanges();
}

export const keepPage = (id) => store({page: id});

/// The kept work back in the controls (through the core's record, so that a text no longer
/// valid is not shown); the page to show, or null. The clean texts are the defaults'.
export function restore() {
  for (const group of designGroups()) clean[group] = JSON.stringify(texts(group));
  let kept = {};
  try {
    kept = JSON.parse(localStorage.getItem(key) || '{}');
  } catch {
    kept = {};
  }
  if (kept.texts) {
    const made = recordOf(kept.texts);
    if (!made.error) showRecord(made.record);
  }
  markChanges();
  return kept.page || null;
}

export const hasUnsavedChanges = () => designGroups().some((g) => JSON.stringify(texts(g)) !== clean[g]);
