// Debian's Chromium, headless, for the page's tests, its benchmark and its screenshots. The
// flags keep it from reaching for a network that is not there.
"use strict";

const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const puppeteer = require("puppeteer-core");

const chromiumPath = process.env.CHROMIUM || "/usr/bin/chromium";
const { siteFolder } = require("./site.js");

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

// Opens the page in a context of its own (nothing remembered from another page) and waits until
// its first result is shown.
async function openPage(browser, url, { width = 1280, height = 900, language = "ja" } = {}) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport({ width, height });
  await page.setExtraHTTPHeaders({ "Accept-Language": language });
  await page.evaluateOnNewDocument((lang) => {
    Object.defineProperty(navigator, "languages", { get: () => [lang] });
    Object.defineProperty(navigator, "language", { get: () => lang });
  }, language);
  await page.goto(url);
  await page.waitForSelector("body[data-ready=true]", { timeout: 20000 });
  return page;
}

function fileUrl(query = "") {
  return "file://" + path.join(siteFolder, "index.html") + query;
}

module.exports = { launchChromium, openPage, fileUrl };
