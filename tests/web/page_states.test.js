// The page as people meet it, in headless Chromium: results that no longer match the fields are
// marked wherever they show and cannot be copied or saved; every refusal shows at once on the
// control that caused it; restoring from the address or the last visit never leaves the page
// without a result; a corrected tube voltage is flagged on its field; a material file plainly
// too large is refused unread. Run with node --test after scripts/web and scripts/build.
"use strict";

const test = require("node:test");
const assert = require("node:assert/strict");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const { launchChromium, openPage, fileUrl } = require("./browser.js");
const { runCalculator, dataFolder, defaultCondition: defaults } = require("./conditions.js");
const { retype, textOf, expectText, expectResults } = require("./page_checks.js");

const webFolder = path.resolve(__dirname, "../../web");

const isInvalid = (page, selector) =>
  page.$eval(selector, (e) => e.getAttribute("aria-invalid") === "true");

// The text a person sees in an element.
const seen = (page, selector) => page.$eval(selector, (e) => e.innerText);

// tubeline-calc's message for conditions, a material file named as the page names it.
async function messageOf(condition, file = "") {
  const calculator = await runCalculator(condition, { lang: "en" });
  return file ? calculator.message.replace(path.join(dataFolder, file), file) : calculator.message;
}

// A copy of a shipped material file under another name, as a person keeps one.
function ownMaterialFile(folder, fileName) {
  const file = path.join(folder, fileName);
  fs.copyFileSync(path.join(dataFolder, "Al.ele"), file);
  return file;
}

// Keeps every WebAssembly memory the page makes where the test can read its size.
async function watchWasmMemories(page) {
  await page.evaluateOnNewDocument(() => {
    const instantiate = WebAssembly.instantiate;
    globalThis.testedWasmMemories = [];
    WebAssembly.instantiate = async (...args) => {
      const made = await instantiate.apply(WebAssembly, args);
      const exported = Object.values((made.instance ?? made).exports);
      globalThis.testedWasmMemories.push(...exported.filter((e) => e instanceof WebAssembly.Memory));
      return made;
    };
  });
}

const wasmMemoryBytes = (page) => page.evaluate(() =>
  globalThis.testedWasmMemories.reduce((sum, memory) => sum + memory.buffer.byteLength, 0));

test("the page's states in Chromium", async (t) => {
  const { pageWords } = await import(path.join(webFolder, "js/words.js"));
  const words = pageWords.en;
  const browser = await launchChromium();
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), "tubeline-states-"));
  t.after(async () => {
    await browser.close();
    fs.rmSync(folder, { recursive: true, force: true });
  });

  await t.test("out-of-date results are marked wherever they show and not copied or saved", async () => {
    const page = await openPage(browser, fileUrl("?lang=en"), { language: "en" });
    const good = await expectResults(page, defaults);
    await page.waitForFunction(() => document.querySelectorAll("#figures td").length > 0);
    const commands = ["#download-csv", "#download-table", "#download-png", "#copy-table"];
    const disabled = () => Promise.all(commands.map((c) => page.$eval(c, (e) => e.disabled)));
    assert.deepEqual(await disabled(), [false, false, false, false]);
    await retype(page, "#kv", "8O");
    await expectText(page, "#kv-message", await messageOf({ ...defaults, kv: "8O" }));
    assert.equal(await textOf(page, "#hvl"), good.lines[0]);
    for (const place of ["#results", "#graph-section", "#quality"]) {
      const text = await seen(page, place);
      assert.ok(text.includes(words.stale) || text.includes(words.staleShort),
        `${place} does not say its results are out of date`);
    }
    assert.deepEqual(await disabled(), [true, true, true, true]);
    await retype(page, "#kv", "80");
    await expectResults(page, { ...defaults, kv: "80" });
    assert.equal((await seen(page, "main")).includes(words.staleShort), false);
    assert.deepEqual(await disabled(), [false, false, false, false]);
    await page.close();
  });

  await t.test("every refusal at once, each on its control; a new filter row is not one", async () => {
    const page = await openPage(browser, fileUrl("?lang=en"), { language: "en" });
    await expectResults(page, defaults);
    await page.click("#add-filter");
    await page.waitForSelector("#filter1-material");
    await new Promise((resolve) => setTimeout(resolve, 300));
    assert.equal(await textOf(page, "#stale-note"), "");
    assert.equal(await isInvalid(page, "#filter1-material"), false);
    await page.select("#filter1-material", "/data/Pb.ele");
    await retype(page, "#filter1-thickness", "-1");
    await retype(page, "#kv", "abc");
    await retype(page, "#angle", "5");
    const each = [
      ["kv", { kv: "abc" }], ["angle", { angle: "5" }],
      ["filter1-thickness", { filters: [{ file: "Pb.ele", thickness: "-1" }] }],
    ];
    for (const [place, change] of each) {
      await expectText(page, `#${place}-message`, await messageOf({ ...defaults, ...change }));
      assert.equal(await isInvalid(page, `#${place}`), true, place);
    }
    assert.equal(await isInvalid(page, "#filter1-material"), false);
    // A second row left empty: refused on its material list once the focus leaves it.
    await page.click("#add-filter");
    await page.waitForSelector("#filter2-material");
    await page.focus("#filter2-material");
    await page.focus("#kv");
    await expectText(page, "#filter2-material-message", "No filter material is chosen.");
    assert.equal(await isInvalid(page, "#filter2-material"), true);
    await page.close();
  });

  await t.test("refused values from the address fall back to the defaults, each said on its control", async () => {
    const page = await openPage(browser,
      fileUrl("?kv=abc&filter=../../etc/passwd:1&model=x&lang=zz"), { language: "en" });
    await expectResults(page, defaults);
    assert.equal(await page.$eval("#kv", (e) => e.value), "100");
    const kvNote = await textOf(page, "#kv-restored");
    assert.ok(kvNote.startsWith(await messageOf({ ...defaults, kv: "abc" })), kvNote);
    assert.notEqual(await textOf(page, "#model-restored"), "");
    assert.match(await textOf(page, "#lang-restored"), /“zz”/);
    assert.equal(await isInvalid(page, "#filter1-material"), true);
    assert.equal(await isInvalid(page, "#filter1-thickness"), false);
    assert.equal(await textOf(page, "#filter1-note"), words.notOpen("../../etc/passwd"));
    assert.equal(await textOf(page, "#stale-note"), "");
    await page.close();
  });

  await t.test("restoring leaves a result; a file not open says so and is linked again", async () => {
    const page = await openPage(browser, fileUrl("?lang=en"), { language: "en" });
    await expectResults(page, defaults);
    // A cleared tube voltage, in the address and remembered: the default on opening again.
    await retype(page, "#kv", "");
    await page.keyboard.press("Backspace");
    await expectText(page, "#kv-message", await messageOf({ ...defaults, kv: "" }));
    await page.waitForFunction(() => /[?&]kv=(&|$)/.test(location.search));
    await page.reload();
    await page.waitForSelector("body[data-ready=true]");
    await expectResults(page, defaults);
    await page.goto(fileUrl());
    await page.waitForSelector("body[data-ready=true]");
    await expectResults(page, defaults);
    // A material file of one's own with a thickness: in the address by its name.
    const own = ownMaterialFile(folder, "MyAl.ele");
    const filtered = { ...defaults, filters: [{ file: path.relative(dataFolder, own), thickness: "1" }] };
    await (await page.$("#material-file")).uploadFile(own);
    await page.waitForFunction(() => document.activeElement?.id === "filter1-thickness");
    await page.keyboard.type("1");
    await expectResults(page, filtered);
    const address = /[?&]filter=MyAl\.ele:1(&|$)/;
    await page.waitForFunction((pattern) => new RegExp(pattern).test(location.href), {},
      address.source).catch(() => {});
    assert.match(page.url(), address);
    // Opened again, the page no longer has the file: the row says so, the rest computes.
    for (const open of [() => page.reload(), () => page.goto(fileUrl("?filter=MyAl.ele:1&lang=en"))]) {
      await open();
      await page.waitForSelector("body[data-ready=true]");
      await expectResults(page, defaults);
      assert.equal(await textOf(page, "#filter1-note"), words.notOpen("MyAl.ele"));
      assert.equal(await isInvalid(page, "#filter1-material"), true);
      assert.equal(await textOf(page, "#stale-note"), "");
      await (await page.$("#material-file")).uploadFile(own);
      await expectResults(page, filtered);
      assert.equal(await page.$$eval(".filter-row", (rows) => rows.length), 1);
      assert.equal(await textOf(page, "#filter1-note"), "");
    }
    await page.close();
  });

  await t.test("a corrected tube voltage is flagged on its field with tubeline-calc's note", async () => {
    const page = await openPage(browser, fileUrl("?lang=en"), { language: "en" });
    await expectResults(page, defaults);
    const border = (selector) => page.$eval(selector, (e) => getComputedStyle(e).borderColor);
    const plain = await border("#kv");
    for (const kv of ["-100", "1e9"]) {
      await retype(page, "#kv", kv);
      const calculator = await expectResults(page, { ...defaults, kv }, { lang: "en" });
      await expectText(page, "#kv-note", calculator.message);
      assert.notEqual(await border("#kv"), plain, `${kv} is not flagged on its field`);
      assert.match(await page.$eval("#kv", (e) => e.getAttribute("aria-describedby")), /\bkv-note\b/);
    }
    await retype(page, "#kv", "100");
    await expectText(page, "#kv-note", "");
    assert.equal(await border("#kv"), plain);
    await page.close();
  });

  await t.test("a material file plainly too large is refused unread, and memory stays", async () => {
    const page = await openPage(browser, fileUrl("?lang=en"), { language: "en",
      prepare: watchWasmMemories });
    await expectResults(page, defaults);
    // A good material file with ten megabytes of rows after its own.
    const large = path.join(folder, "Large.ele");
    const aluminium = fs.readFileSync(path.join(dataFolder, "Al.ele"), "utf8");
    const row = aluminium.split("\n")[3] + "\n";
    fs.writeFileSync(large, aluminium + row.repeat(Math.ceil(10e6 / row.length)));
    const before = await wasmMemoryBytes(page);
    assert.ok(before > 0);
    const input = await page.$("#material-file");
    for (let i = 0; i < 6; ++i) {
      await input.uploadFile(large);
      await expectText(page, "#material-file-message",
        "Cannot read the material file /user/Large.ele (the file would exceed the size limit).");
      await page.$eval("#material-file-message", (e) => {
        e.textContent = "";
      });
    }
    assert.equal(await page.$$eval(".filter-row", (rows) => rows.length), 0);
    // Files opened and dropped again.
    for (let i = 0; i < 6; ++i) {
      await input.uploadFile(ownMaterialFile(folder, `Own${i}.ele`));
      await page.waitForSelector("#filter1-thickness");
      await page.click("#filter-rows .remove");
    }
    assert.equal(await wasmMemoryBytes(page), before);
    await page.close();
  });
});
