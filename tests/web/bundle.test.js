// The page's bundler (tools/web/bundle_scripts.js) on small modules of its own: the bundle runs
// each module once, after those it imports, with its names private and the imported ones
// (renamed, or the whole module) bound; it refuses a cycle, a name nobody exports and what a
// constant would not keep.
"use strict";

const test = require("node:test");
const assert = require("node:assert/strict");
const fs = require("node:fs");
const os = require("node:os");
const path = require("node:path");
const vm = require("node:vm");
const { bundle, BundleError } = require("../../tools/web/bundle_scripts.js");

function modules(files) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), "tubeline-bundle-"));
  for (const [name, text] of Object.entries(files)) {
    fs.writeFileSync(path.join(folder, name), text);
  }
  return folder;
}

test("the bundler", async (t) => {
  await t.test("joins modules into one script with nothing global", () => {
    const folder = modules({
      "main.js": 'import { twice as double, order } from "./twice.js";\n' +
        'import * as units from "./units.js";\n' +
        'const secret = "main";\norder.push(secret);\n' +
        "globalThis.result = { value: double(units.keV), order, secret, units };\n",
      "twice.js": 'import { keV } from "./units.js";\nconst secret = "twice";\n' +
        "export const order = [secret];\nexport function twice(x) { return 2 * x; }\n" +
        "const check = keV;\nexport { check as checked };\n",
      "units.js": "const secret = 0.5;\nexport const keV = secret;\n",
    });
    const context = {};
    vm.runInNewContext(bundle(path.join(folder, "main.js")), context);
    assert.deepEqual(Object.keys(context), ["result"]);
    const { value, order, secret, units } = context.result;
    assert.equal(value, 1);
    assert.deepEqual([...order], ["twice", "main"]);
    assert.equal(secret, "main");
    assert.ok(Object.isFrozen(units));
  });

  await t.test("refuses what it cannot bundle faithfully", () => {
    const refusals = [
      [{ "a.js": 'import { b } from "./b.js";\nexport const a = 1;\n',
        "b.js": 'import { a } from "./a.js";\nexport const b = a;\n' }, /import cycle: a.js -> b.js -> a.js/],
      [{ "a.js": 'import { missing } from "./b.js";\n', "b.js": "export const b = 1;\n" },
        /a.js:1: b.js does not export "missing"/],
      [{ "a.js": "\nexport let counter = 0;\n" }, /a.js:2: export let/],
      [{ "a.js": "export default 1;\n" }, /default exports/],
      [{ "a.js": "await Promise.resolve();\n" }, /no classic script/],
    ];
    for (const [files, message] of refusals) {
      const folder = modules(files);
      assert.throws(() => bundle(path.join(folder, "a.js")),
        (error) => error instanceof BundleError && message.test(error.message));
    }
  });
});
