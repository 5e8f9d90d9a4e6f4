// The site's service worker: it keeps every file of one version of the site in a cache named
// after that version, and answers from there, so that the site opens and computes with no
// network. A new version (a new sw.js, whose first lines change with every file) fills its own
// cache, takes over at once and drops the old version's cache; an open page goes on with what it
// loaded and is told (web/js/offline.js).
//
// tools/web/build_site.js writes before this the version's cacheName and its siteFiles.

self.addEventListener("install", (event) => {
  event.waitUntil((async () => {
    const cache = await caches.open(cacheName);
    // Past the browser's HTTP cache, so that no file of an older version slips in.
    await cache.addAll(siteFiles.map((file) => new Request(file, { cache: "reload" })));
    await self.skipWaiting();
  })());
});

self.addEventListener("activate", (event) => {
  event.waitUntil((async () => {
    for (const name of await caches.keys()) {
      if (name.startsWith("tubeline-") && name !== cacheName) {
        await caches.delete(name);
      }
    }
    await self.clients.claim();
  })());
});

self.addEventListener("fetch", (event) => {
  const request = event.request;
  const url = new URL(request.url);
  if (request.method !== "GET" || url.origin !== location.origin) {
    return;
  }
  // The page's address carries its conditions; the site folder's address is its index.html.
  const navigation = request.mode === "navigate";
  const key = navigation && url.pathname.endsWith("/") ? new URL("index.html", url).href : request;
  event.respondWith(caches.open(cacheName)
    .then((cache) => cache.match(key, { ignoreSearch: navigation }))
    .then((cached) => cached ?? fetch(request)));
});
