// The built page in Debian's headless Chromium, driven as a person would: keyboard input, the
// results against tubeline-calc, nothing to press and nothing moving while the module loads, the
// CSV download's bytes, a material file opened from disk, each kind of bad input, from a local
// server and (the one-file page) from file://. Run with node --test after scripts/web and
// scripts/build.
"use strict";

const test = require("node:test");
const assert = require("node:assert/strict");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const { launchChromium, openPage, fileUrl, allowDownloads, fileOnceThere } =
  require("./browser.js");
const { runCalculator, dataFolder, defaultCondition: defaults } = require("./conditions.js");
const { siteFolder } = require("./site.js");
const { serveFolder, stopServer } = require("./server.js");
const { retype, typeOver, textOf, expectText, expectResults } = require("./page_checks.js");

async function expectRefusal(page, place, message) {
  await expectText(page, `#${place}-message`, message);
  assert.equal(await page.$eval("#results", (e) => e.classList.contains("stale")), true);
  assert.notEqual(await textOf(page, "#stale-note"), "");
}

test("the page in Chromium", async (t) => {
  const browser = await launchChromium();
  const server = await serveFolder(() => siteFolder);
  const served = `http://127.0.0.1:${server.address().port}/`;
  const downloads = fs.mkdtempSync(path.join(os.tmpdir(), "tubeline-downloads-"));
  t.after(async () => {
    await browser.close();
    await stopServer(server);
    fs.rmSync(downloads, { recursive: true, force: true });
  });

  await t.test("from the local server: typed conditions give tubeline-calc's lines", async () => {
    const page = await openPage(browser, served);
    await expectResults(page, defaults);
    // The model by the arrow keys on its radio buttons, then the fields in Tab order.
    await page.focus("input[name=model][value=tucker]");
    await page.keyboard.press("ArrowRight");
    await retype(page, "#kv", "80");
    await page.keyboard.press("Tab");
    await typeOver(page, "14");
    await retype(page, "#al", "１．５");  // full width, as a Japanese input method types it
    await page.focus("input[name=rectification][value='1']");
    await page.keyboard.press("ArrowRight");
    await expectResults(page, { ...defaults, model: "birch", kv: "80", angle: "14", al: "1.5",
      rectification: "2" });
    // The conditions went into the address (once the results were shown).
    const address = /model=birch&kv=80&angle=14&inherent=2.5&al=%EF%BC%91/;
    await page.waitForFunction((pattern) => new RegExp(pattern).test(location.href), {},
      address.source).catch(() => {});
    assert.match(page.url(), address);
    await page.close();
  });

  await t.test("served, a loading line until the module is ready, then nothing moves", async () => {
    // What shows while the WebAssembly is on its way.
    let loading = null;
    const page = await openPage(browser, served, { prepare: async (p) => {
      await p.setRequestInterception(true);
      p.on("request", async (request) => {
        if (request.url().endsWith("/tubeline.wasm")) {
          // Held until the page's script has started.
          await p.waitForFunction(() => document.getElementById("loading").textContent !== "…");
          loading = await p.evaluate(() => ({
            line: document.getElementById("loading").textContent,
            shown: [...document.querySelectorAll("main, footer, input, select, button, a")]
              .filter((e) => e.checkVisibility({ visibilityProperty: true }))
              .map((e) => e.id || e.tagName),
          }));
        }
        request.continue();
      });
    } });
    assert.deepEqual(loading, { line: "計算部を読み込んでいます…", shown: [] });
    const layoutShift = await page.evaluate(() => new Promise((resolve) => {
      let total = 0;
      new PerformanceObserver((list) => {
        total += list.getEntries().reduce((sum, entry) => sum + entry.value, 0);
      }).observe({ type: "layout-shift", buffered: true });
      setTimeout(() => resolve(total), 500);
    }));
    assert.equal(layoutShift, 0);
    await page.close();
  });

  await t.test("the CSV download holds the desktop export's bytes", async () => {
    const condition = { ...defaults, kv: "120", rectification: "3",
      filters: [{ file: "Pb.ele", thickness: "0.05" }, { file: "Water.mix", thickness: "20" }] };
    const page = await openPage(browser,
      `${served}?kv=120&rectification=3&filter=Pb.ele:0.05&filter=Water.mix:20`);
    const calculator = await expectResults(page, condition);
    await allowDownloads(page, downloads);
    await page.focus("#download-csv");
    await page.keyboard.press("Enter");
    assert.deepEqual(await fileOnceThere(path.join(downloads, "spectrum.csv")), calculator.csv);
    await page.close();
  });

  await t.test("a material file opened from disk, and one that cannot be read", async () => {
    const page = await openPage(browser, served);
    const input = await page.$("#material-file");
    await input.uploadFile(path.join(dataFolder, "Sn.ele"));
    await page.waitForFunction(() => document.activeElement?.id === "filter1-thickness");
    await page.keyboard.type("0.1");
    await expectResults(page, { ...defaults, filters: [{ file: "Sn.ele", thickness: "0.1" }] });
    const broken = path.join(downloads, "Broken.mix");
    fs.writeFileSync(broken, "Broken\n1.0\n3\n0.001, 1, 2\n");
    const calculator = await runCalculator({ ...defaults,
      filters: [{ file: path.relative(dataFolder, broken), thickness: "1" }] });
    await input.uploadFile(broken);
    await expectText(page, "#material-file-message",
      calculator.message.replace(broken, "/user/Broken.mix"));
    await page.close();
  });

  await t.test("each bad input is refused beside its field; the last result stays, marked", async () => {
    const page = await openPage(browser, fileUrl("?lang=en"));
    const good = await expectResults(page, defaults);
    const refusals = [
      ["#angle", "5", "angle", { angle: "5" }],
      ["#kv", "1e400", "kv", { kv: "1e400" }],
      ["#inherent", "1e5", "results", { inherent: "1e5" }],
    ];
    for (const [selector, text, place, change] of refusals) {
      await retype(page, selector, text);
      const calculator = await runCalculator({ ...defaults, ...change }, { lang: "en" });
      await expectRefusal(page, place, calculator.message);
      assert.equal(await textOf(page, "#hvl"), good.lines[0]);
      await retype(page, selector, defaults[selector.slice(1)]);
      await expectText(page, "#stale-note", "");
    }
    // A target HVL that no added aluminium reaches.
    await retype(page, "#target", "1");
    await page.keyboard.press("Enter");
    const unreachable = await runCalculator(defaults, { match: { target: "1", with: "al" }, lang: "en" });
    await expectText(page, "#target-message", unreachable.message);
    await page.close();
  });

  await t.test("the physics model: tubeline-calc's absolute output, its fields refused and hidden", async () => {
    const physics = { ...defaults, model: "physics", kv: "80", distance: "1500",
      "output-factor": "0.8" };
    const page = await openPage(browser,
      fileUrl("?model=physics&kv=80&distance=1500&output-factor=0.8&lang=en"));
    const calculator = await expectResults(page, physics, { lang: "en" });
    const outputLines = () => page.$$eval("#output p", (lines) => lines.map((p) => p.textContent));
    assert.deepEqual(await outputLines(), calculator.lines.slice(2));
    // The beam centre's row ends with the air kerma at the distance, as the last line says it.
    await page.waitForFunction(() => document.querySelectorAll("#figures td").length > 0);
    const lastCell = await page.$eval("#figures tr.centre td:last-child", (e) => e.textContent);
    assert.equal(calculator.lines[4].split(" = ")[1], `${lastCell} µGy`);
    assert.equal(await textOf(page, "#output-note"), "");
    await retype(page, "#distance", "0");
    const refused = await runCalculator({ ...physics, distance: "0" }, { lang: "en" });
    await expectRefusal(page, "distance", refused.message);
    assert.equal(await page.$eval("#distance", (e) => e.getAttribute("aria-invalid")), "true");
    assert.equal(await textOf(page, "#hvl"), calculator.lines[0]);
    assert.deepEqual(await outputLines(), calculator.lines.slice(2));
    // Birch's model: its own target angle, no distance, and the table says why it has no output.
    await page.click("input[name=model][value=birch]");
    const birch = { ...physics, model: "birch", angle: "16", distance: "1000" };
    const relative = await expectResults(page, birch, { lang: "en" });
    assert.equal(await page.$eval("#output-fields", (e) => e.hidden), true);
    assert.deepEqual(await outputLines(), []);
    await expectText(page, "#output-note", relative.message);
    await page.close();
  });

  await t.test("from file://, the address's conditions at a phone's width", async () => {
    const condition = { ...defaults, model: "birch", kv: "90", angle: "16", cu: "0.1",
      filters: [{ file: "Air.mix", thickness: "950" }] };
    const page = await openPage(browser,
      fileUrl("?model=birch&kv=90&cu=0.1&filter=Air.mix:950"), { width: 390, height: 844 });
    await expectResults(page, condition);
    const overflow = await page.evaluate(() => document.documentElement.scrollWidth - innerWidth);
    assert.ok(overflow <= 0, `the page is ${overflow} px wider than the window`);
    await page.close();
  });
});
