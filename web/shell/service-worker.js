// SPDX-License-Identifier: MIT
// Keeps the game playable offline: at install it stores every file of the site in a cache named
// by a hash of their contents, and answers every request from that cache first. A new build has
// a new hash, so its worker stores the new files and, once it takes over, drops the old cache.
// The build fills in the list and the hash.
'use strict';

const cacheName = 'quadrelle-@QUADRELLE_SITE_HASH@';
const siteFiles = [@QUADRELLE_SITE_FILES@];

self.addEventListener('install', (event) => {
  // 'no-cache' asks the server again, so the cache never keeps a file the browser held from an
  // older build; a file the page has just loaded comes back as a short "not modified".
  event.waitUntil(caches.open(cacheName)
    .then((cache) => cache.addAll(siteFiles.map((file) => new Request(file, { cache: 'no-cache' }))))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names
      .filter((name) => name.startsWith('quadrelle-') && name !== cacheName)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.open(cacheName)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((stored) => stored ?? fetch(event.request)));
});
