// Measures the page in headless Chromium (see scripts/bench-web): the module's run at the
// default conditions and in the worst case (150 kV single-phase), with WebAssembly SIMD and
// without, beside the native build's baseline version on one core; the page's whole update on a
// change (run, curves, figures of the eleven angles, drawing); page load to the first result;
// and the site's transfer size, gzip-compressed. Goals: a run under 16 ms at the defaults and
// under 50 ms in the worst case, the first result within 1 s, the site under 1.5 MB compressed.
// Usage: node bench/web_page.js PLAIN_MODULE.js NATIVE_RUNS.json
"use strict";

const fs = require("node:fs");
const path = require("node:path");
const zlib = require("node:zlib");
const { launchChromium, openPage, fileUrl } = require("../tests/web/browser.js");
const { siteFolder } = require("../tests/web/site.js");
const { defaultCondition } = require("../tests/web/conditions.js");

const cases = {
  defaults: defaultCondition,
  worst: { ...defaultCondition, rectification: "3", kv: "150" },
};
const nativeNames = { defaults: "RunModel/defaults", worst: "RunModel/worst" };
const goalsMs = { defaults: 16, worst: 50, firstResult: 1000 };
const goalBytes = 1.5e6;
const repetitions = 40;

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const ms = (value) => `${value.toFixed(2)} ms`;

// The median time of a module's runs of each case, in the page's window.
async function moduleTimes(page, moduleSource) {
  return page.evaluate(async (source, cases, repetitions) => {
    const factory = source ? new Function(`${source}; return createTubeline;`)() : createTubeline;
    const module = await factory();
    const times = {};
    for (const [name, request] of Object.entries(cases)) {
      module.calculate(request);
      const each = [];
      for (let i = 0; i < repetitions; ++i) {
        const start = performance.now();
        module.calculate(request);
        each.push(performance.now() - start);
      }
      times[name] = each.sort((a, b) => a - b)[Math.floor(each.length / 2)];
    }
    return times;
  }, moduleSource, cases, repetitions);
}

// The page's own update on a change of the conditions: everything it does before the next frame.
async function updateTimes(page) {
  const times = {};
  for (const [name, condition] of Object.entries(cases)) {
    times[name] = await page.evaluate((condition, repetitions) => {
      showConditions(condition);
      const each = [];
      for (let i = 0; i < repetitions; ++i) {
        const start = performance.now();
        calculateNow();
        each.push(performance.now() - start);
      }
      return each.sort((a, b) => a - b)[Math.floor(each.length / 2)];
    }, condition, 10);
  }
  return times;
}

// The native runs' median times and the version of the hot loop they ran.
function nativeTimes(runsFile) {
  try {
    const { context, benchmarks } = JSON.parse(fs.readFileSync(runsFile, "utf8"));
    const times = {};
    for (const [name, benchName] of Object.entries(nativeNames)) {
      const run = benchmarks.find((r) => r.run_name === benchName && r.aggregate_name === "median");
      times[name] = run.real_time;  // ms
    }
    return { version: context.summing_version, times };
  } catch {
    return null;
  }
}

function transferSize() {
  let raw = 0;
  let compressed = 0;
  const walk = (folder) => {
    for (const entry of fs.readdirSync(folder, { withFileTypes: true })) {
      const file = path.join(folder, entry.name);
      if (entry.isDirectory()) {
        walk(file);
      } else {
        const bytes = fs.readFileSync(file);
        raw += bytes.length;
        compressed += zlib.gzipSync(bytes, { level: 9 }).length;
      }
    }
  };
  walk(siteFolder);
  return { raw, compressed };
}

async function main() {
  const [plainModule, nativeRuns] = process.argv.slice(2);
  const browser = await launchChromium();
  let failed = false;
  const goal = (value, limit) => {
    failed ||= value > limit;
    return value <= limit ? "within the goal" : "MISSES the goal";
  };
  try {
    const loads = [];
    for (let i = 0; i < 5; ++i) {
      const page = await openPage(browser, fileUrl());
      loads.push(await page.evaluate(() => performance.now()));
      await page.close();
    }
    const page = await openPage(browser, fileUrl());
    const simd = await moduleTimes(page, null);
    const plain = plainModule ? await moduleTimes(page, fs.readFileSync(plainModule, "utf8")) : null;
    const update = await updateTimes(page);
    const native = nativeRuns ? nativeTimes(nativeRuns) : null;
    for (const name of Object.keys(cases)) {
      console.log(`${name}: a run ${ms(simd[name])} (${goal(simd[name], goalsMs[name])} of ` +
        `${goalsMs[name]} ms); the page's whole update ${ms(update[name])}`);
      if (plain) {
        console.log(`  without WebAssembly SIMD ${ms(plain[name])} (SIMD: ` +
          `${(plain[name] / simd[name]).toFixed(2)}x faster)`);
      }
      if (native) {
        console.log(`  native ${native.version} version, one core ${ms(native.times[name])}; ` +
          `WebAssembly takes ${(simd[name] / native.times[name]).toFixed(2)}x its time`);
      }
    }
    const first = median(loads);
    console.log(`page load to the first result: ${ms(first)} (median of 5, from file://; ` +
      `${goal(first, goalsMs.firstResult)})`);
    const size = transferSize();
    console.log(`site: ${(size.raw / 1e6).toFixed(2)} MB, ${(size.compressed / 1e6).toFixed(2)} MB ` +
      `gzip-compressed (${goal(size.compressed, goalBytes)} of 1.5 MB)`);
  } finally {
    await browser.close();
  }
  process.exitCode = failed ? 1 : 0;
}

main();
