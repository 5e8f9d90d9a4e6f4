// The page's WebAssembly module against tubeline-calc: the same display texts, refusals, matched
// thicknesses, table files and exports. Run with node --test after scripts/web and scripts/build.
"use strict";

const test = require("node:test");
const assert = require("node:assert/strict");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const { oracleGrid, drawnConditions, moduleRequest, runCalculator, inPairs, dataFolder,
  defaultCondition } = require("./conditions.js");
const { loadSiteModule } = require("./site.js");

const loadModule = async () => {
  const module = await loadSiteModule();
  module.setLanguage("ja");
  return module;
};

const numberPattern = /^-?\d+(\.\d+)?(E[+-]\d+)?$/;

// Whether two printed numbers differ by exactly one unit of their last digit.
function oneLastDigitApart(a, b) {
  const [, aDecimals = "", aExponent = ""] = a.match(numberPattern);
  const [, bDecimals = "", bExponent = ""] = b.match(numberPattern);
  if (aDecimals.length !== bDecimals.length || aExponent !== bExponent) {
    return false;
  }
  const digits = (text) => BigInt(text.replace(/E.*$/, "").replace(".", ""));
  const gap = digits(a) - digits(b);
  return gap === 1n || gap === -1n;
}

// The numbers of `actual` that differ from `expected`, each by one unit of the last printed
// digit; fails on any other difference.
function lastDigitDifferences(expected, actual, what) {
  if (expected.equals(actual)) {
    return 0;
  }
  const split = (bytes) => bytes.toString("latin1").split(/([\s,]+)/);
  const want = split(expected);
  const got = split(actual);
  assert.equal(got.length, want.length, `${what}: the same layout`);
  let count = 0;
  want.forEach((token, i) => {
    if (token !== got[i]) {
      assert.ok(numberPattern.test(token) && numberPattern.test(got[i]) &&
        oneLastDigitApart(token, got[i]), `${what}: ${got[i]} for ${token}`);
      ++count;
    }
  });
  return count;
}

// Every condition in both: identical display texts (or refusals), and the files identical or
// apart in the last digit only. Returns the differences counted.
async function compareAll(module, conditions) {
  const tally = { conditions: conditions.length, tableNumbers: 0, csvNumbers: 0, beams: 0 };
  const expected = await inPairs(conditions, (condition) => runCalculator(condition));
  conditions.forEach((condition, i) => {
    const calculator = expected[i];
    const label = JSON.stringify(condition);
    const result = module.calculate(moduleRequest(condition));
    if (calculator.failed) {
      assert.equal(result.ok, false, label);
      assert.equal(result.refusals[0].message, calculator.message, label);
      return;
    }
    assert.deepEqual([result.hvl, result.fluence], calculator.lines, label);
    const table = lastDigitDifferences(calculator.table, Buffer.from(module.tableText(), "latin1"),
      `table ${label}`);
    const csv = lastDigitDifferences(calculator.csv, Buffer.from(module.exportFile().bytes),
      `csv ${label}`);
    tally.tableNumbers += table;
    tally.csvNumbers += csv;
    tally.beams += table + csv > 0 ? 1 : 0;
  });
  return tally;
}

test("the module prints what tubeline-calc prints", async (t) => {
  const module = await loadModule();
  await t.test("on the oracle grid", async (t) => {
    t.diagnostic(JSON.stringify(await compareAll(module, oracleGrid())));
  });
  await t.test("on 1000 conditions drawn with a fixed seed", async (t) => {
    t.diagnostic(JSON.stringify(await compareAll(module, drawnConditions(1000))));
  });
});

test("the physics model prints what tubeline-calc prints, its absolute output included", async () => {
  const module = await loadModule();
  const physics = { ...defaultCondition, model: "physics" };
  const conditions = [
    physics,
    { ...physics, rectification: "3", kv: "150", angle: "16", al: "1", cu: "0.1",
      filters: [{ file: "Air.mix", thickness: "950" }] },
    { ...physics, rectification: "2", kv: "60", angle: "20", inherent: "0",
      distance: "1500", "output-factor": "0.8" },
  ];
  for (const condition of conditions) {
    const calculator = await runCalculator(condition);
    const result = module.calculate(moduleRequest(condition));
    const label = JSON.stringify(condition);
    assert.deepEqual([result.hvl, result.fluence, ...result.output], calculator.lines, label);
    lastDigitDifferences(calculator.table, Buffer.from(module.tableText(), "latin1"), label);
  }
});

// Where the module puts a refusal, as one text: "kv", "results", "filter 1 material".
const placeOf = (refusal) => [refusal.place, refusal.filter, refusal.part].filter((x) => x !== undefined)
  .join(" ");

// tubeline-calc's message with a material file's place in the module's file system.
async function calculatorMessage(condition) {
  const calculator = await runCalculator(condition);
  assert.equal(calculator.failed, true, JSON.stringify(condition));
  return condition.filters.reduce((message, { file }) =>
    message.replace(path.join(dataFolder, file), `/data/${file}`), calculator.message);
}

test("refusals are tubeline-calc's messages, every field's at once", async () => {
  const module = await loadModule();
  const cases = [
    [{ angle: "5" }, "angle"], [{ angle: "90" }, "angle"], [{ kv: "abc" }, "kv"],
    [{ inherent: "" }, "inherent"], [{ al: "-1" }, "al"], [{ cu: "1e400" }, "cu"],
    [{ inherent: "1e5" }, "results"],
    [{ filters: [{ file: "Pb.ele", thickness: "-0.1" }] }, "filter 0 thickness"],
    [{ filters: [{ file: "Al.ele", thickness: "1" }, { file: "Pb.ele", thickness: "" }] },
      "filter 1 thickness"],
    [{ filters: [{ file: "None.ele", thickness: "1" }] }, "filter 0 material"],
    [{ model: "physics", distance: "0" }, "distance"], [{ "output-factor": "" }, "output-factor"],
  ];
  for (const [change, place] of cases) {
    const condition = { ...defaultCondition, ...change };
    const result = module.calculate(moduleRequest(condition));
    assert.deepEqual([result.ok, result.refusals.map(placeOf)], [false, [place]]);
    assert.equal(result.refusals[0].message, await calculatorMessage(condition));
  }
  // Each refused on its own, in the order tubeline-calc meets them (its message first): a filter's
  // thickness typed, its file, a thickness no filter has; then the fields in order, the distance
  // and output factor last.
  const alone = [
    ["filter 0 thickness", { filters: [{ file: "Al.ele", thickness: "x" }] }],
    ["filter 0 material", { filters: [{ file: "None.ele", thickness: "1" }] }],
    ["filter 1 thickness", { filters: [{ file: "Pb.ele", thickness: "-1" }] }],
    ["kv", { kv: "abc" }],
    ["angle", { angle: "5" }],
    ["distance", { distance: "x" }],
  ];
  const several = { ...defaultCondition, kv: "abc", angle: "5", distance: "x",
    filters: [{ file: "None.ele", thickness: "x" }, { file: "Pb.ele", thickness: "-1" }] };
  const result = module.calculate(moduleRequest(several));
  assert.deepEqual(result.refusals.map(placeOf), alone.map(([place]) => place));
  for (const [i, [, change]] of alone.entries()) {
    assert.equal(result.refusals[i].message,
      await calculatorMessage({ ...defaultCondition, ...change }), placeOf(result.refusals[i]));
  }
  assert.equal(result.refusals[0].message, await calculatorMessage(several));
});

test("matching a target HVL gives tubeline-calc's thickness and messages", async () => {
  const module = await loadModule();
  const base = { model: "birch", rectification: "3", kv: "120", angle: "16", inherent: "2.5",
    al: "0", cu: "0", filters: [{ file: "Water.mix", thickness: "20" }] };
  for (const [target, varied] of [["4", "al"], ["6.5", "cu"], ["1", "al"], ["abc", "cu"]]) {
    const calculator = await runCalculator(base, { match: { target, with: varied } });
    const result = module.match(moduleRequest(base), target, varied);
    if (calculator.failed) {
      assert.deepEqual([result.ok, result.message], [false, calculator.message]);
    } else {
      assert.equal(`Added ${result.name} = ${result.thickness} mm`,
        calculator.lines[0]);
    }
  }
});

// A material file written here: a name line, and the rows of a shipped file.
function materialFile(folder, fileName, name) {
  const rows = fs.readFileSync(path.join(dataFolder, "Al.ele"), "utf8")
    .split("\n").slice(1).join("\n");
  const file = path.join(folder, fileName);
  fs.writeFileSync(file, `${name}\n${rows}`);
  return file;
}

test("a material's name is written in Windows' Shift-JIS or refused as the desktop does", async () => {
  const module = await loadModule();
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), "tubeline-names-"));
  try {
    // ① and ㎜ are Windows' own extensions of Shift-JIS; ✓ has no form in it at all.
    for (const [fileName, name] of [["Ext.ele", "合金①㎜～"], ["Check.ele", "Al ✓"]]) {
      const file = materialFile(folder, fileName, name);
      const condition = { ...defaultCondition, kv: "80",
        filters: [{ file: path.relative(dataFolder, file), thickness: "1" }] };
      const calculator = await runCalculator(condition);
      const opened = module.openMaterialFile(fileName, fs.readFileSync(file));
      if (calculator.failed) {
        assert.equal(opened.ok, false);
        assert.equal(opened.message, calculator.message.replace(file, `/user/${fileName}`));
        continue;
      }
      assert.equal(opened.ok, true, opened.message);
      const result = module.calculate({ ...condition, filters: [{ file: opened.file, thickness: "1" }] });
      assert.deepEqual([result.hvl, result.fluence], calculator.lines);
      assert.deepEqual(Buffer.from(module.exportFile().bytes), calculator.csv);
    }
  } finally {
    fs.rmSync(folder, { recursive: true, force: true });
  }
});

test("a material file plainly too large is refused unread; a refused file replaces none", async () => {
  const module = await loadModule();
  const { materialFileByteLimit } = module.grid();
  const aluminium = fs.readFileSync(path.join(dataFolder, "Al.ele"));
  // Aluminium's rows and blanks after them (which no one reads) up to `size` bytes.
  const padded = (size) => Buffer.concat([aluminium, Buffer.alloc(size - aluminium.length, " ")]);
  const opened = module.openMaterialFile("Mine.ele", padded(materialFileByteLimit));
  assert.equal(opened.ok, true, opened.message);
  assert.deepEqual(module.openMaterialFile("Mine.ele", padded(materialFileByteLimit + 1)),
    { ok: false, message: "材質ファイル /user/Mine.ele を読めません（ファイルの大きさが上限を超えます）。" });
  assert.equal(module.openMaterialFile("Mine.ele", Buffer.from("Mine\n1\n")).ok, false);
  const filtered = (file) => module.calculate({ ...moduleRequest(defaultCondition),
    filters: [{ file, thickness: "1" }] });
  assert.deepEqual(filtered(opened.file), filtered("/data/Al.ele"));
});
