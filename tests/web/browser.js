// Debian's Chromium, headless, for the page's tests, its benchmark and its screenshots. The
// flags keep it from reaching for a network that is not there.
"use strict";

const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const puppeteer = require("puppeteer-core");

const chromiumPath = process.env.CHROMIUM || "/usr/bin/chromium";
const { oneFilePage } = require("./site.js");

async function launchChromium() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), "tubeline-chromium-"));
  const browser = await puppeteer.launch({
    executablePath: chromiumPath,
    headless: true,
    userDataDir: profile,
    args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
      "--disable-background-networking", "--disable-component-update", "--disable-sync",
      "--disable-dev-shm-usage"],
  });
  // Chromium may still be writing its profile as it goes.
  browser.on("disconnected", () => setTimeout(() => {
    fs.rmSync(profile, { recursive: true, force: true, maxRetries: 5, retryDelay: 200 });
  }, 200));
  return browser;
}

// Opens the page in a context of its own (nothing remembered from another page, and as in a
// private window) or in the browser's own (where a site can be installed), and waits until its
// first result is shown; prepare(page) runs before it is loaded.
async function openPage(browser, url, { width = 1280, height = 900, language = "ja",
  prepare = async () => {}, privateContext = true } = {}) {
  const context = privateContext ? await browser.createBrowserContext()
    : browser.defaultBrowserContext();
  const page = await context.newPage();
  await page.setViewport({ width, height });
  await page.setExtraHTTPHeaders({ "Accept-Language": language });
  await page.evaluateOnNewDocument((lang) => {
    Object.defineProperty(navigator, "languages", { get: () => [lang] });
    Object.defineProperty(navigator, "language", { get: () => lang });
  }, language);
  await prepare(page);
  await page.goto(url);
  await page.waitForSelector("body[data-ready=true]", { timeout: 20000 });
  return page;
}

// The one-file page from disk (the site's index.html needs a server).
function fileUrl(query = "", file = oneFilePage) {
  return "file://" + file + query;
}

// Saves the page's downloads into `folder`.
async function allowDownloads(page, folder) {
  const session = await page.createCDPSession();
  await session.send("Browser.setDownloadBehavior", { behavior: "allow", downloadPath: folder,
    browserContextId: page.browserContext().id });
}

// The bytes of a file once it is there (a download), or null after five seconds.
async function fileOnceThere(file) {
  for (let i = 0; i < 50 && !fs.existsSync(file); ++i) {
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
  return fs.existsSync(file) ? fs.readFileSync(file) : null;
}

module.exports = { launchChromium, openPage, fileUrl, allowDownloads, fileOnceThere };
