// A static server of a folder on a free port of the loopback address (or the port given), with
// the types a browser wants for the site's files, for the page's tests and its benchmark; with
// `compress`, gzip-compressed as a web server would send them.
"use strict";

const fs = require("node:fs");
const http = require("node:http");
const path = require("node:path");
const zlib = require("node:zlib");

const types = {
  ".html": "text/html", ".js": "text/javascript", ".css": "text/css", ".wasm": "application/wasm",
  ".webmanifest": "application/manifest+json", ".svg": "image/svg+xml", ".png": "image/png",
};

// folder() names the folder to serve at each request, so that a test can switch versions.
function serveFolder(folder, { port = 0, compress = false } = {}) {
  const server = http.createServer((request, response) => {
    const root = folder();
    const name = new URL(request.url, "http://localhost").pathname.replace(/\/$/, "/index.html");
    const file = path.join(root, path.normalize(name));
    if (!file.startsWith(root) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      response.writeHead(404).end();
      return;
    }
    const type = types[path.extname(file)] ?? "application/octet-stream";
    if (compress && type !== "image/png" && /\bgzip\b/.test(request.headers["accept-encoding"] ?? "")) {
      response.writeHead(200, { "Content-Type": type, "Content-Encoding": "gzip" });
      response.end(zlib.gzipSync(fs.readFileSync(file)));
      return;
    }
    response.writeHead(200, { "Content-Type": type });
    fs.createReadStream(file).pipe(response);
  });
  return new Promise((resolve) => server.listen(port, "127.0.0.1", () => resolve(server)));
}

// Stops the server at once, open connections too.
function stopServer(server) {
  server.closeAllConnections();
  return new Promise((resolve) => server.close(resolve));
}

module.exports = { serveFolder, stopServer };
