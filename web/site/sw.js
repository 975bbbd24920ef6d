// Keeps the page's files so that it opens and flies offline after its first visit: each file
// from the network while there is one (so an update is seen at once), else as last fetched.
const cache = 'hydrolofter';
const files = ['./', 'index.html', 'style.css', 'app.js', 'compare.js', 'controls.js', 'core.js', 'files.js',
               'graph.js', 'links.js', 'measured.js', 'runs.js', 'session.js', 'text.js', 'ui.js', 'values.js',
               'worker.js', 'hydrolofter.js', 'hydrolofter.wasm', 'manifest.webmanifest', 'hydrolofter-32.png',
               'hydrolofter-192.png', 'hydrolofter-512.png'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(cache).then((c) => c.addAll(files)).then(() => self.skipWaiting()));
});
self.addEventListener('activate', (event) => event.waitUntil(self.clients.claim()));
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(fetch(event.request).then((response) => {
    if (response.ok) {
      const copy = response.clone();
      caches.open(cache).then((c) => c.put(event.request, copy));
    }
    return response;
  }).catch(() => caches.match(event.request, {ignoreSearch: true}).then((r) => r || Response.error())));
});
