// The one-file page (build-web/tubeline.html) copied alone into an empty folder and opened from
// file:// in headless Chromium, as from a USB stick: the address's conditions give tubeline-calc's
// lines and CSV bytes, a target HVL is matched (in a worker made from the page itself) as
// tubeline-calc matches it, nothing is asked of anything but the page itself, and nothing is
// complained of in the console. Run with
// node --test after scripts/web and scripts/build.
"use strict";

const test = require("node:test");
const assert = require("node:assert/strict");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const { launchChromium, openPage, fileUrl, allowDownloads, fileOnceThere } =
  require("./browser.js");
const { runCalculator, defaultCondition } = require("./conditions.js");
const { oneFilePage } = require("./site.js");
const { retype, expectResults } = require("./page_checks.js");

const sizeGoalBytes = 2e6;

test("the one-file page, alone in a folder, from file://", async (t) => {
  const size = fs.statSync(oneFilePage).size;
  assert.ok(size < sizeGoalBytes, `tubeline.html is ${size} bytes`);
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), "tubeline-one-file-"));
  const downloads = path.join(folder, "downloads");
  fs.mkdirSync(downloads);
  const copy = path.join(folder, "tubeline.html");
  fs.copyFileSync(oneFilePage, copy);
  const browser = await launchChromium();
  t.after(async () => {
    await browser.close();
    fs.rmSync(folder, { recursive: true, force: true });
  });

  const condition = { ...defaultCondition, model: "birch", kv: "90", angle: "16", cu: "0.1",
    rectification: "2", filters: [{ file: "Air.mix", thickness: "950" },
      { file: "Pb.ele", thickness: "0.02" }] };
  const requested = [];
  const complaints = [];  // the page's errors and warnings (a worker that failed, say)
  const page = await openPage(browser,
    fileUrl("?model=birch&kv=90&cu=0.1&rectification=2&filter=Air.mix:950&filter=Pb.ele:0.02" +
      "&lang=en", copy),
    { prepare: async (p) => {
      p.on("request", (request) => requested.push(request.url()));
      p.on("console", (message) => ["error", "warn"].includes(message.type()) &&
        complaints.push(message.text()));
      p.on("pageerror", (error) => complaints.push(error.message));
    } });
  const calculator = await expectResults(page, condition, { lang: "en" });

  await allowDownloads(page, downloads);
  await page.click("#download-csv");
  assert.deepEqual(await fileOnceThere(path.join(downloads, "spectrum.csv")), calculator.csv);

  const match = await runCalculator(condition, { match: { target: "7", with: "al" }, lang: "en" });
  await retype(page, "#target", "7");
  await page.keyboard.press("Enter");
  const thickness = match.lines[0].match(/^Added Al = (.*) mm$/)[1];
  await page.waitForFunction((mm) => document.getElementById("al").value === mm,
    { timeout: 10000 }, thickness).catch(() => {});
  await expectResults(page, { ...condition, al: thickness }, { lang: "en" });

  const outside = requested.filter((url) => !url.startsWith(fileUrl("", copy)) &&
    !url.startsWith("data:") && !url.startsWith("blob:"));
  assert.deepEqual(outside, []);
  assert.deepEqual(complaints, []);
});
