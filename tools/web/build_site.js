#!/usr/bin/env node
// Builds the page from web/ and the calculator that emscripten built (tubeline.js and
// tubeline.wasm in MODULE_FOLDER):
//   SITE_FOLDER/           the site to serve: index.html, style.css, page.js (web/js bundled by
//                          bundle_scripts.js), the calculator's two files, the icons, the web app
//                          manifest, sw.js (the service worker with this version's cache name and
//                          files) and tubeline.html;
//   ONE_FILE               tubeline.html: the whole page in one file that needs nothing beside
//                          it, for a disk, a USB stick or a mail (the script and the WebAssembly
//                          inline, the style and the icon inline, no manifest or service worker).
// Usage: node tools/web/build_site.js MODULE_FOLDER SITE_FOLDER ONE_FILE
"use strict";

const crypto = require("node:crypto");
const fs = require("node:fs");
const path = require("node:path");
const { bundle } = require("./bundle_scripts.js");

const sourceFolder = path.resolve(__dirname, "../..");
const webFolder = path.join(sourceFolder, "web");
// The program's own icon, which the desktop entry installs too.
const iconFile = path.join(sourceFolder, "packaging/io.github.tubeline.Tubeline.svg");

// The files the service worker keeps, each as the site names it.
const cachedFiles = ["index.html", "page.js", "style.css", "tubeline.js", "tubeline.wasm",
  "manifest.webmanifest", "icons/tubeline.svg", "icons/tubeline-180.png",
  "icons/tubeline-192.png", "icons/tubeline-512.png"];

// `text` with `from` replaced by `to`, which must be there exactly once.
function replaceOnce(text, from, to) {
  const parts = text.split(from);
  if (parts.length !== 2) {
    throw new Error(`index.html has ${parts.length - 1} of ${from}, not one`);
  }
  return parts[0] + to + parts[1];
}

// Script text as the content of a <script> element: "</script" would end the element early.
function scriptContent(text) {
  if (text.includes("<!--")) {
    throw new Error("a script holds \"<!--\", which HTML would read inside a <script>");
  }
  return text.replace(/<\/(script)/gi, "<\\/$1");
}

// The project's version, as the module says it. Emscripten's script would fetch its WebAssembly
// with Node's fetch, which takes no file path: it is handed the bytes.
async function programVersion(moduleFolder) {
  const module = await require(path.join(moduleFolder, "tubeline.js"))({
    wasmBinary: fs.readFileSync(path.join(moduleFolder, "tubeline.wasm")),
  });
  return module.version();
}

function writeSite(moduleFolder, site, version) {
  fs.rmSync(site, { recursive: true, force: true });
  fs.mkdirSync(path.join(site, "icons"), { recursive: true });
  for (const file of ["index.html", "style.css", "manifest.webmanifest"]) {
    fs.copyFileSync(path.join(webFolder, file), path.join(site, file));
  }
  for (const file of fs.readdirSync(path.join(webFolder, "icons"))) {
    fs.copyFileSync(path.join(webFolder, "icons", file), path.join(site, "icons", file));
  }
  fs.copyFileSync(iconFile, path.join(site, "icons/tubeline.svg"));
  fs.writeFileSync(path.join(site, "page.js"), bundle(path.join(webFolder, "js/main.js")));
  for (const file of ["tubeline.js", "tubeline.wasm"]) {
    fs.copyFileSync(path.join(moduleFolder, file), path.join(site, file));
  }
  // The cache's name changes with any byte of any file it keeps.
  const hash = crypto.createHash("sha256");
  for (const file of cachedFiles) {
    hash.update(`${file}\n`).update(fs.readFileSync(path.join(site, file)));
  }
  const cacheName = `tubeline-${version}-${hash.digest("hex").slice(0, 12)}`;
  fs.writeFileSync(path.join(site, "sw.js"),
    `const cacheName = ${JSON.stringify(cacheName)};\n` +
    `const siteFiles = ${JSON.stringify(cachedFiles)};\n\n` +
    fs.readFileSync(path.join(webFolder, "sw.js"), "utf8"));
  return cacheName;
}

function oneFilePage(site) {
  const read = (file, encoding = "utf8") => fs.readFileSync(path.join(site, file), encoding);
  let html = read("index.html");
  html = replaceOnce(html, '<link rel="icon" href="icons/tubeline.svg" type="image/svg+xml">',
    `<link rel="icon" href="data:image/svg+xml,${encodeURIComponent(read("icons/tubeline.svg"))}">`);
  html = replaceOnce(html, '<link rel="apple-touch-icon" href="icons/tubeline-180.png">\n', "");
  html = replaceOnce(html, '<link rel="manifest" href="manifest.webmanifest">\n', "");
  html = replaceOnce(html,
    '<link rel="preload" href="tubeline.wasm" as="fetch" type="application/wasm" crossorigin>\n' +
    '<link rel="preload" href="tubeline.js" as="fetch" crossorigin>\n', "");
  html = replaceOnce(html, '<link rel="stylesheet" href="style.css">',
    `<style>\n${read("style.css")}</style>`);
  html = replaceOnce(html, '<script src="page.js"></script>',
    `<script type="text/plain" id="tubeline-script">${scriptContent(read("tubeline.js"))}</script>\n` +
    `<script type="application/octet-stream" id="tubeline-wasm">${read("tubeline.wasm", "base64")}` +
    "</script>\n" +
    `<script>\n${scriptContent(read("page.js"))}</script>`);
  return html;
}

async function main() {
  const [moduleFolder, site, oneFile] = process.argv.slice(2).map((p) => path.resolve(p));
  const version = await programVersion(moduleFolder);
  const cacheName = writeSite(moduleFolder, site, version);
  const html = oneFilePage(site);
  fs.writeFileSync(oneFile, html);
  fs.writeFileSync(path.join(site, "tubeline.html"), html);
  const kB = (bytes) => `${Math.round(bytes / 1024)} KiB`;
  console.log(`The site is in ${path.relative(process.cwd(), site)}/ (cache ${cacheName}); ` +
    `the one-file page is ${path.relative(process.cwd(), oneFile)} (${kB(Buffer.byteLength(html))})`);
}

main().catch((error) => {
  console.error(`build_site: ${error.message}`);
  process.exitCode = 1;
});
