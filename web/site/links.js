// Share links: the page's address holds the fields that differ from the defaults, by their
// batch NAMEs, and run=1 to fly them on opening.
import {ask} from './core.js';
import {showPage} from './controls.js';
import {simulate} from './runs.js';
import {say} from './ui.js';
import {recordOf, showRecord, texts} from './values.js';

/// The link to what the pages hold now, or the reason there is none.
export function shareLink(run) {
  const made = recordOf(texts());
  if (made.error) return {error: made.error};
  const hash = ask('hl_link', JSON.stringify(made.record)).map(
    ([name, value]) => encodeURIComponent(name) + '=' + encodeURIComponent(value));
  if (run) hash.push('run=1');
  return {link: location.href.split('#')[0] + '#' + hash.join('&')};
}

/// Opens a share link: its values over the defaults, checked first by the core; a bad one
/// is said and nothing changes.
export async function openLink() {
  const hash = location.hash.slice(1);
  if (!hash) return;
  const pairs = {};
  let run = false;
  for (const p of hash.split('&')) {
    const at = p.indexOf('=');
    const [name, value] = at < 0 ? [p, ''] : [p.slice(0, at), p.slice(at + 1)];
    let n, v;
    try {
      [n, v] = [decodeURIComponent(name), decodeURIComponent(value)];
    } catch {
      return say('This link cannot be opened:\n\nits address holds a broken %-escape.');
    }
    if (n === 'run') run = v === '1';
    else pairs[n] = v;
  }
  const made = recordOf(pairs);
  const prep = made.error ? null : ask('hl_prepare', JSON.stringify(made.record));
  const why = made.error || prep.error || (prep.problems && prep.problems.join('\n'));
  if (why) return say('This link cannot be opened:\n\n' + why);
  showRecord(made.record);
  if (run) {
    showPage('sim');
    await simulate();
  }
}
