// Where scripts/web puts the built page: the site's folder and the one-file page.
"use strict";

const fs = require("node:fs");
const path = require("node:path");

const buildFolder = path.resolve(__dirname, "../../build-web");
const siteFolder = path.join(buildFolder, "site");

// An instance of the site's module in Node. Emscripten's script would fetch its WebAssembly with
// Node's fetch, which takes no file path: it is handed the bytes.
function loadSiteModule() {
  return require(path.join(siteFolder, "tubeline.js"))({
    wasmBinary: fs.readFileSync(path.join(siteFolder, "tubeline.wasm")),
  });
}

module.exports = {
  siteFolder,
  // scripts/release checks the copy it hands out.
  oneFilePage: process.env.TUBELINE_ONE_FILE_PAGE ?? path.join(buildFolder, "tubeline.html"),
  loadSiteModule,
};
