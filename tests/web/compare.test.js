// Beams kept for comparison, in Debian's headless Chromium: an address's kept beams give their
// rows with tubeline-calc's first half-value layers, or why one cannot be computed; keep, remove
// and make current by keyboard;
// the comparison's CSV holds each beam's spectrum. Run with node --test after scripts/web and
// scripts/build.
"use strict";

const test = require("node:test");
const assert = require("node:assert/strict");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const { launchChromium, openPage, fileUrl, allowDownloads, fileOnceThere } =
  require("./browser.js");
const { runCalculator, moduleRequest, defaultCondition: defaults } = require("./conditions.js");
const { loadSiteModule } = require("./site.js");
const { textOf } = require("./page_checks.js");

// Both models, another rectification, added aluminium and a filter of a material file.
const keptBeams = [
  { ...defaults, kv: "80" },
  { ...defaults, model: "birch", kv: "100", angle: "16", al: "1" },
  { ...defaults, kv: "70", rectification: "2", filters: [{ file: "Cu.ele", thickness: "0.1" }] },
];

function beamQuery(condition) {
  const { filters, ...fields } = condition;
  const params = new URLSearchParams(fields);
  for (const filter of filters) {
    params.append("filter", `${filter.file}:${filter.thickness}`);
  }
  return params.toString();
}

const address = (beams) => fileUrl("?lang=en" +
  beams.map((beam) => `&keep=${encodeURIComponent(typeof beam === "string" ? beam
    : beamQuery(beam))}`).join(""));

// The kept beams' rows (not the fields'), each as its cells' texts.
const keptRows = (page) => page.$$eval("#compare tr:not(.current)", (rows) =>
  rows.slice(1).map((row) => [...row.cells].map((cell) => cell.textContent)));

const hvlOf = (line) => line.match(/= (\S+) mm Al/)[1];

// RFC 4180's records: fields in quotes may hold commas and doubled quotes.
function parseCsv(text) {
  return text.replace(/^\uFEFF/, "").split("\r\n").filter(Boolean).map((line) =>
    [...line.matchAll(/(?:^|,)("(?:[^"]|"")*"|[^,]*)/g)].map(([, field]) =>
      (field.startsWith('"') ? field.slice(1, -1).replaceAll('""', '"') : field)));
}

test("beams kept for comparison", async (t) => {
  const browser = await launchChromium();
  const downloads = fs.mkdtempSync(path.join(os.tmpdir(), "tubeline-compare-"));
  t.after(async () => {
    await browser.close();
    fs.rmSync(downloads, { recursive: true, force: true });
  });

  await t.test("an address's kept beams give rows with tubeline-calc's HVL1", async () => {
    // A fourth beam names a material file this page has not opened.
    const page = await openPage(browser, address([...keptBeams, "filter=Mine.ele:1"]));
    const rows = await keptRows(page);
    assert.deepEqual(rows.map((row) => row[0]), ["#1", "#2", "#3", "#4"]);
    const calculated = await Promise.all(keptBeams.map((beam) => runCalculator(beam)));
    assert.deepEqual(rows.slice(0, 3).map((row) => row[2]),
      calculated.map(({ lines }) => hvlOf(lines[0])));
    assert.match(rows[1][1], /^Birch 16°, 100 kV/);
    assert.match(rows[2][1], / \+ 0\.1 mm Cu$/);
    assert.match(rows[3][1], /^Mine\.ele is not open in this page/);
    await page.close();
  });

  await t.test("keep, remove and make current by keyboard", async () => {
    const page = await openPage(browser, address(keptBeams.slice(0, 2)));
    await page.focus("#keep");
    await page.keyboard.press("Enter");
    let rows = await keptRows(page);
    assert.equal(rows.length, 3);
    assert.equal(rows[2][2], hvlOf(await textOf(page, "#hvl")));
    assert.equal(new URL(page.url()).searchParams.getAll("keep").length, 3);

    // Removing #1 leaves the focus on the next row's Remove, now #1's.
    await page.focus("#compare tr:nth-child(2) button:last-child");
    await page.keyboard.press("Space");
    rows = await keptRows(page);
    const birch = await runCalculator(keptBeams[1]);
    assert.deepEqual(rows.map((row) => row[2]),
      [hvlOf(birch.lines[0]), hvlOf(await textOf(page, "#hvl"))]);
    assert.equal(await page.evaluate(() => document.activeElement.getAttribute("aria-label")),
      "Remove #1");

    // Its Make current, the command before it, puts the Birch beam into the fields.
    await page.keyboard.down("Shift");
    await page.keyboard.press("Tab");
    await page.keyboard.up("Shift");
    await page.keyboard.press("Enter");
    assert.equal(await page.$eval("input[name=model]:checked", (input) => input.value), "birch");
    assert.equal(await page.$eval("#kv", (input) => input.value), "100");
    assert.equal(hvlOf(await textOf(page, "#hvl")), rows[0][2]);
    assert.equal(await textOf(page, "#compare tr.current td"), rows[0][1]);
    await page.close();
  });

  await t.test("the comparison's CSV holds each beam's spectrum", async () => {
    const page = await openPage(browser, address(keptBeams));
    await allowDownloads(page, downloads);
    await page.click("#download-compare");
    const bytes = await fileOnceThere(path.join(downloads, "compared-spectra.csv"));
    assert.ok(bytes, "no CSV");
    const records = parseCsv(bytes.toString("utf8"));
    const header = records.findIndex((record) => record[0] === "Energy (keV)");
    assert.deepEqual(records[header], ["Energy (keV)", "#1", "#2", "#3", "Current"]);
    assert.equal(records.length - header - 1, 300);
    // Each beam's photon fluence at the beam centre as the graph of its own run draws it.
    const module = await loadSiteModule();
    const { binCount, centralAngle } = module.grid();
    [...keptBeams, defaults].forEach((beam, column) => {
      assert.equal(module.calculate(moduleRequest(beam)).ok, true);
      const start = centralAngle * binCount;
      const curve = module.curves().subarray(start, start + binCount);
      const parsed = records.slice(header + 1).map((record) => Number(record[column + 1]));
      assert.deepEqual(parsed, [...curve], `column ${column + 1}`);
    });
    // The header block names each beam's conditions.
    assert.deepEqual(records.slice(2, 5).map((record) => record[0]), ["#1", "#2", "#3"]);
    assert.match(records[3][1], /^Birch 16°, 100 kV, /);
    await page.close();
  });
});
