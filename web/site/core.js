// The core, on the page's thread: the field table it describes and the calls into it.

export let hl = null;    // the module
export let table = null; // what hl_describe says: fields, variables, precisions, groups
export const byName = {}; // field name -> field

/// Calls an exported function of the core that answers text; numbers go as numbers, strings
/// through the module's heap (web/heap-call.js).
export const call = (name, ...args) => hl.heapCall(name, args);
/// The same for a function that answers JSON.
export const ask = (name, ...args) => JSON.parse(call(name, ...args));

/// Starts the core with the page's text hooks and reads its field table.
export async function startCore(textHooks) {
  hl = await createHydrolofter(textHooks);
  table = ask('hl_describe');
  for (const f of table.fields) byName[f.name] = f;
}

/// The position of a page's group among the pages, which names its tab ('g0' ...).
export const pageId = (group) => 'g' + table.groups.findIndex((g) => g.group === group);
