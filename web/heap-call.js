// Calls into the core with every string in the module's heap, never on its stack: the stack
// is small, and a megabyte of text there overwrote the core's memory. Both the page and its
// workers call through this (Module.heapCall(name, args): the answer as text).
Module['heapCall'] = function (name, args) {
  var held = [];
  try {
    var values = args.map(function (a) {
      if (typeof a === 'number') return a;
      var size = lengthBytesUTF8(a) + 1;
      var at = _malloc(size);
      if (!at) throw new Error('out of memory for ' + size + ' bytes of text');
      stringToUTF8(a, at, size);
      held.push(at);
      return at;
    });
    return ccall(name, 'string', args.map(function () { return 'number'; }), values);
  } finally {
    held.forEach(function (at) { _free(at); });
  }
};
