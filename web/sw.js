// Keeps the page's own files so that a page opened once works with its
// server gone. The server's copy is taken whenever it answers (so a new build
// is seen at once); the kept copy only when it does not.
'use strict';
const CACHE = 'tarvello-page';
const FILES = ['./', 'index.html', 'app.js', 'worker.js', 'style.css', 'favicon.svg',
  'manifest.webmanifest', 'tarvello.js', 'tarvello.wasm'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});
self.addEventListener('activate', (event) => { event.waitUntil(self.clients.claim()); });

self.addEventListener('fetch', (event) => {
  const request = event.request;
  // Only the page's own files; the downloads are made in the page (blob:).
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(fetch(request).then((response) => {
    if (response.ok) {
      const copy = response.clone();
      caches.open(CACHE).then((cache) => cache.put(request, copy));
    }
    return response;
  }).catch(() => caches.open(CACHE).then((cache) => cache.match(request, { ignoreSearch: true }))
    .then((kept) => kept || Response.error())));
});
