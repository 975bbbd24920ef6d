// What every part of the page uses: elements by id, the message box, downloads.

export const $ = (id) => document.getElementById(id);

/// Shows a message until OK is pressed; the focus goes back where it was.
export function say(text) {
  return new Promise((resolve) => {
    const box = $('message'), ok = $('message-ok'), back = document.activeElement;
    $('message-text').textContent = text;
    box.hidden = false;
    ok.focus();
    // The box keeps the focus while it is open; Escape closes it as OK does.
    box.onkeydown = (e) => {
      if (e.key === 'Escape' || e.key === 'Tab') e.preventDefault();
      if (e.key === 'Escape') ok.click();
    };
    ok.onblur = () => !box.hidden && setTimeout(() => !box.hidden && ok.focus());
    ok.onclick = () => {
      box.hidden = true;
      ok.onblur = null;
      if (back && back.focus) back.focus();
      resolve();
    };
  });
}

export function download(name, data, type) {
  const a = document.createElement('a');
  a.href = URL.createObjectURL(new Blob([data], {type}));
  a.download = name;
  a.click();
  setTimeout(() => URL.revokeObjectURL(a.href), 1000);
}

/// A new element with properties.
export const make = (tag, props = {}) => Object.assign(document.createElement(tag), props);
