// The site served, in headless Chromium: a browser would offer to install it, it opens and
// computes with the network off once visited, and a new version, once served, replaces the old
// one (its cache dropped, the open page told, the next load the new version). Run with
// node --test after scripts/web and scripts/build.
"use strict";

const test = require("node:test");
const assert = require("node:assert/strict");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const { launchChromium, openPage } = require("./browser.js");
const { defaultCondition } = require("./conditions.js");
const { siteFolder } = require("./site.js");
const { serveFolder, stopServer } = require("./server.js");
const { expectResults } = require("./page_checks.js");

// The built site as its next version would be: another cache name, and a mark in its page.
function nextVersion(folder) {
  fs.cpSync(siteFolder, folder, { recursive: true });
  const worker = path.join(folder, "sw.js");
  const script = fs.readFileSync(worker, "utf8").replace(/^const cacheName = "(.*)";/m,
    'const cacheName = "$1-next";');
  fs.writeFileSync(worker, script);
  const page = path.join(folder, "index.html");
  fs.writeFileSync(page, fs.readFileSync(page, "utf8").replace("<head>",
    '<head>\n<meta name="tubeline-version" content="next">'));
  return script.match(/^const cacheName = "(.*)";/m)[1];
}

async function reloaded(page) {
  await page.reload();
  await page.waitForSelector("body[data-ready=true]", { timeout: 20000 });
}

test("the site served: installable, offline, and replaced by a new version", async (t) => {
  const next = fs.mkdtempSync(path.join(os.tmpdir(), "tubeline-next-"));
  const nextCache = nextVersion(next);
  let served = siteFolder;
  let server = await serveFolder(() => served);
  const port = server.address().port;
  const browser = await launchChromium();
  t.after(async () => {
    await browser.close();
    await stopServer(server);
    fs.rmSync(next, { recursive: true, force: true });
  });
  const condition = { ...defaultCondition, kv: "80", filters: [{ file: "Cu.ele", thickness: "0.1" }] };
  const page = await openPage(browser,
    `http://127.0.0.1:${port}/index.html?kv=80&filter=Cu.ele:0.1&lang=en`,
    { privateContext: false });
  await expectResults(page, condition, { lang: "en" });

  const session = await page.createCDPSession();
  const { installabilityErrors } = await session.send("Page.getInstallabilityErrors");
  assert.deepEqual(installabilityErrors, []);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 10000 });

  // No server and no network.
  await stopServer(server);
  await page.setOfflineMode(true);
  await reloaded(page);
  await expectResults(page, condition, { lang: "en" });
  assert.equal(await page.$("meta[name=tubeline-version]"), null);

  await page.setOfflineMode(false);
  served = next;
  server = await serveFolder(() => served, { port });
  // This load is still the old version's; the new one takes over behind it and says so.
  await reloaded(page);
  await page.waitForSelector("#update:not([hidden])", { timeout: 10000 });
  // The old version's cache goes as the new version starts (just after it takes over).
  await page.waitForFunction(async () => (await caches.keys()).length === 1, { timeout: 10000 })
    .catch(() => {});
  assert.deepEqual(await page.evaluate(() => caches.keys()), [nextCache]);
  await reloaded(page);
  assert.notEqual(await page.$("meta[name=tubeline-version]"), null);
  await expectResults(page, condition, { lang: "en" });
});
