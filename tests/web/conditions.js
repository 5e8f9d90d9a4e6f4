// Conditions for comparing the page's module with tubeline-calc, and tubeline-calc itself.
"use strict";

const { execFile } = require("node:child_process");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");

const sourceFolder = path.resolve(__dirname, "../..");
const dataFolder = path.join(sourceFolder, "data");
const calculatorPath = process.env.TUBELINE_CALC ||
  path.join(sourceFolder, "build/src/cli/tubeline-calc");

// What the page shows when it opens: Tucker's model at constant potential, 100 kV, a 12-degree
// target, 2.5 mm Al inherent filtration and nothing added.
const defaultCondition = { model: "tucker", rectification: "1", kv: "100", angle: "12",
  inherent: "2.5", al: "0", cu: "0", filters: [] };

// The grid the model's own tests hold to the straightforward evaluation: both models, every
// rectification, five tube voltages, three target angles, bare and filtered (the filtered beams
// with added aluminium and copper and two material files).
function oracleGrid() {
  const grid = [];
  for (const model of ["tucker", "birch"]) {
    for (const rectification of ["1", "2", "3"]) {
      for (const kv of ["30", "70", "71", "100", "150"]) {
        for (const angle of ["12", "16", "45"]) {
          for (const filtered of [false, true]) {
            grid.push({
              model, rectification, kv, angle,
              inherent: filtered ? "2.5" : "0", al: filtered ? "1" : "0", cu: filtered ? "0.1" : "0",
              filters: filtered ? [{ file: "Al.ele", thickness: "0.5" }, { file: "Cu.ele", thickness: "0.2" }]
                : [],
            });
          }
        }
      }
    }
  }
  return grid;
}

// A small fast generator with a fixed seed (mulberry32), so that every run draws the same.
function seededRandom(seed) {
  let state = seed >>> 0;
  return () => {
    state = (state + 0x6d2b79f5) >>> 0;
    let t = state;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

// Materials with a thickness range that leaves a beam most of the time, mm.
const filterMaterials = [
  ["Air.mix", 1000], ["Water.mix", 40], ["PMMA.mix", 40], ["SoftTissue.mix", 40],
  ["CorticalBone.mix", 10], ["Al.ele", 5], ["Cu.ele", 0.5], ["Sn.ele", 0.2], ["Pb.ele", 0.1],
  ["Mo.ele", 0.1], ["Rh.ele", 0.1], ["Gd2O2S.mix", 0.1], ["Be.ele", 5], ["Ti.ele", 1]];

function drawnConditions(count, seed = 20261208) {
  const random = seededRandom(seed);
  const pick = (list) => list[Math.floor(random() * list.length)];
  const decimal = (low, high, decimals) => (low + (high - low) * random()).toFixed(decimals);
  const conditions = [];
  for (let i = 0; i < count; ++i) {
    const model = pick(["tucker", "birch"]);
    const filters = [];
    const filterCount = pick([0, 0, 1, 1, 2, 3]);
    for (let f = 0; f < filterCount; ++f) {
      const [file, range] = pick(filterMaterials);
      filters.push({ file, thickness: decimal(0, range, 3) });
    }
    conditions.push({
      model, rectification: pick(["1", "2", "3"]),
      kv: decimal(30, 150, pick([0, 1])), angle: decimal(12, 30, pick([0, 1])),
      inherent: decimal(0, 4, 2), al: random() < 0.5 ? "0" : decimal(0, 5, 2),
      cu: random() < 0.7 ? "0" : decimal(0, 0.5, 3), filters,
    });
  }
  return conditions;
}

// The module's request: material files by their place in the module's own file system.
function moduleRequest(condition) {
  return { ...condition, filters: condition.filters.map((f) => ({ ...f, file: `/data/${f.file}` })) };
}

function calculatorArguments(condition) {
  const args = ["--data", dataFolder, "--model", condition.model,
    "--rectification", condition.rectification];
  for (const name of ["kv", "angle", "inherent", "al", "cu"]) {
    args.push(`--${name}`, condition[name]);
  }
  // The physics model's distance and output factor, where the condition has them.
  for (const name of ["distance", "output-factor"]) {
    if (condition[name] !== undefined) {
      args.push(`--${name}`, condition[name]);
    }
  }
  for (const filter of condition.filters) {
    args.push("--filter", `${path.join(dataFolder, filter.file)}:${filter.thickness}`);
  }
  return args;
}

// tubeline-calc's lines (or its message), its table file and its export.
function runCalculator(condition, { match = null, lang = "ja" } = {}) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), "tubeline-calc-"));
  const table = path.join(folder, "table.txt");
  const csv = path.join(folder, "export.csv");
  const args = [...calculatorArguments(condition), "--table", table, "--csv", csv, "--lang", lang];
  if (match) {
    args.push("--match-hvl", match.target, "--match-with", match.with);
  }
  return new Promise((resolve) => {
    execFile(calculatorPath, args, { env: { ...process.env, LC_ALL: "C.UTF-8" }, encoding: "buffer" },
      (error, stdout, stderr) => {
        const read = (file) => (fs.existsSync(file) ? fs.readFileSync(file) : null);
        const result = {
          lines: stdout.toString("utf8").split("\n").filter(Boolean),
          message: stderr.toString("utf8").trim().split("\n").pop()?.replace(/^tubeline-calc: /, ""),
          failed: Boolean(error),
          table: read(table),
          csv: read(csv),
        };
        fs.rmSync(folder, { recursive: true, force: true });
        resolve(result);
      });
  });
}

// Runs `work` on every item, two at a time (the machine's cores), keeping the order.
async function inPairs(items, work) {
  const results = new Array(items.length);
  let next = 0;
  const worker = async () => {
    while (next < items.length) {
      const index = next++;
      results[index] = await work(items[index], index);
    }
  };
  await Promise.all([worker(), worker()]);
  return results;
}

module.exports = { oracleGrid, drawnConditions, moduleRequest, runCalculator, inPairs,
  calculatorPath, dataFolder, defaultCondition };
