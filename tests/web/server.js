// A static server of a folder on a free port of the loopback address (or the port given), with
// the types a browser wants for the site's files, for the page's tests and its benchmark; with
// `compress`, compressed as a web server would send them: gzip, or with "br" Brotli (at its
// highest quality, as a site's files are compressed ahead) where the browser takes it.
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
  // Brotli at its highest quality takes seconds for the WebAssembly: each file once.
  const compressed = new Map();
  const brotli = (file) => {
    const key = `${file} ${fs.statSync(file).mtimeMs}`;
    if (!compressed.has(key)) {
      compressed.set(key, zlib.brotliCompressSync(fs.readFileSync(file),
        { params: { [zlib.constants.BROTLI_PARAM_QUALITY]: zlib.constants.BROTLI_MAX_QUALITY } }));
    }
    return compressed.get(key);
  };
  const server = http.createServer((request, response) => {
    const root = folder();
    const name = new URL(request.url, "http://localhost").pathname.replace(/\/$/, "/index.html");
    const file = path.join(root, path.normalize(name));
    if (!file.startsWith(root) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      response.writeHead(404).end();
      return;
    }
    const type = types[path.extname(file)] ?? "application/octet-stream";
    const accepted = request.headers["accept-encoding"] ?? "";
    if (compress === "br" && type !== "image/png" && /\bbr\b/.test(accepted)) {
      response.writeHead(200, { "Content-Type": type, "Content-Encoding": "br" });
      response.end(brotli(file));
      return;
    }
    if (compress && type !== "image/png" && /\bgzip\b/.test(accepted)) {
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
