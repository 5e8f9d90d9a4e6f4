#!/usr/bin/env node
// Bundles the page's ES modules into one classic script. Chromium runs no module script from
// file://, and the one-file page has nothing to import from, so the modules are joined at build
// time: each becomes a function of its own, run once in dependency order, whose exports are the
// frozen object it returns; an import becomes a constant taken from that object. Nothing is left
// global and a cycle of imports is refused, as the C++ layers refuse one.
//
// What the page's modules use, and nothing more: named and namespace imports of relative paths,
// `export` before a function, class or const declaration, and `export { a, b as c }`. Anything
// else (default exports, re-exports, `export let`, whose live binding a constant would not keep)
// is refused with the file and line, as is an import of a name the other module does not export.
//
// Usage: node tools/web/bundle_scripts.js ENTRY.js OUTPUT.js
"use strict";

const fs = require("node:fs");
const path = require("node:path");
// JavaScript's parser: Debian's node-acorn (which emscripten brings), also under another Node.
const acorn = (() => {
  try {
    return require("acorn");
  } catch {
    return require("/usr/share/nodejs/acorn");
  }
})();

class BundleError extends Error {}

function refuse(file, source, position, what) {
  const line = source.slice(0, position).split("\n").length;
  throw new BundleError(`${file}:${line}: ${what}`);
}

function exportedNamesOf(declaration) {
  if (declaration.type === "VariableDeclaration") {
    return declaration.declarations.map((declarator) => {
      if (declarator.id.type !== "Identifier") {
        throw new Error("destructuring");
      }
      return declarator.id.name;
    });
  }
  return [declaration.id.name];
}

// One module's imports, exports and the text left once its import and export syntax is taken out.
function readModule(file) {
  const source = fs.readFileSync(file, "utf8");
  let tree;
  try {
    tree = acorn.parse(source, { ecmaVersion: "latest", sourceType: "module" });
  } catch (error) {
    throw new BundleError(`${file}: ${error.message}`);
  }
  const imports = [];
  const exports = new Map();  // exported name -> local name
  const cuts = [];  // [start, end) ranges of the source to drop
  const addExport = (exported, local, position) => {
    if (exports.has(exported)) {
      refuse(file, source, position, `"${exported}" is exported twice`);
    }
    exports.set(exported, local);
  };
  for (const node of tree.body) {
    if (node.type === "ImportDeclaration") {
      if (!node.source.value.startsWith(".")) {
        refuse(file, source, node.start, `only relative imports are bundled: ${node.source.value}`);
      }
      const from = path.resolve(path.dirname(file), node.source.value);
      const bindings = node.specifiers.map((specifier) => {
        if (specifier.type === "ImportDefaultSpecifier") {
          refuse(file, source, specifier.start, "default imports are not bundled");
        }
        return specifier.type === "ImportNamespaceSpecifier"
          ? { whole: true, local: specifier.local.name }
          : { imported: specifier.imported.name, local: specifier.local.name };
      });
      imports.push({ from, bindings, position: node.start });
      cuts.push([node.start, node.end]);
    } else if (node.type === "ExportNamedDeclaration") {
      if (node.source) {
        refuse(file, source, node.start, "re-exports are not bundled");
      }
      if (node.declaration) {
        if (node.declaration.type === "VariableDeclaration" && node.declaration.kind !== "const") {
          refuse(file, source, node.start, `export ${node.declaration.kind}: a bundled import would not see it change`);
        }
        let names;
        try {
          names = exportedNamesOf(node.declaration);
        } catch {
          refuse(file, source, node.start, "destructuring exports are not bundled");
        }
        for (const name of names) {
          addExport(name, name, node.start);
        }
        cuts.push([node.start, node.declaration.start]);
      } else {
        for (const specifier of node.specifiers) {
          addExport(specifier.exported.name, specifier.local.name, specifier.start);
        }
        cuts.push([node.start, node.end]);
      }
    } else if (node.type === "ExportDefaultDeclaration" || node.type === "ExportAllDeclaration") {
      refuse(file, source, node.start, "default exports and re-exports are not bundled");
    }
  }
  let body = source;
  for (const [start, end] of cuts.sort((a, b) => b[0] - a[0])) {
    body = body.slice(0, start) + body.slice(end);
  }
  return { file, source, imports, exports, body };
}

// Every module the entry reaches, each after the modules it imports; refuses a cycle.
function modulesInOrder(entry) {
  const modules = new Map();
  const ordered = [];
  const visiting = [];
  const visit = (file) => {
    const open = visiting.indexOf(file);
    if (open >= 0) {
      const cycle = [...visiting.slice(open), file].map((f) => path.basename(f));
      throw new BundleError(`import cycle: ${cycle.join(" -> ")}`);
    }
    if (modules.has(file)) {
      return;
    }
    if (!fs.existsSync(file)) {
      throw new BundleError(`${visiting.at(-1) ?? "entry"}: no module ${file}`);
    }
    visiting.push(file);
    const module = readModule(file);
    for (const { from } of module.imports) {
      visit(from);
    }
    visiting.pop();
    modules.set(file, module);
    ordered.push(module);
  };
  visit(path.resolve(entry));
  return ordered;
}

// The bundle's text: one strict function around all, a constant per module.
function bundle(entry) {
  const modules = modulesInOrder(entry);
  const root = path.dirname(path.resolve(entry));
  const names = new Map();
  modules.forEach((module, index) => {
    const stem = path.relative(root, module.file).replace(/\.js$/, "").replace(/[^A-Za-z0-9_]/g, "_");
    names.set(module.file, `module$${index}$${stem}`);
  });
  const parts = [
    `// Generated by tools/web/bundle_scripts.js from ${path.relative(process.cwd(), entry)} ` +
      "and the modules it imports; edit those.",
    "(() => {",
    "\"use strict\";",
  ];
  for (const module of modules) {
    const lines = [];
    for (const { from, bindings, position } of module.imports) {
      const target = modules.find((m) => m.file === from);
      const named = [];
      for (const binding of bindings) {
        if (binding.whole) {
          lines.push(`const ${binding.local} = ${names.get(from)};`);
        } else if (!target.exports.has(binding.imported)) {
          refuse(module.file, module.source, position,
            `${path.basename(from)} does not export "${binding.imported}"`);
        } else {
          named.push(binding.imported === binding.local ? binding.local
            : `${binding.imported}: ${binding.local}`);
        }
      }
      if (named.length) {
        lines.push(`const { ${named.join(", ")} } = ${names.get(from)};`);
      }
    }
    const exported = [...module.exports].map(([name, local]) =>
      (name === local ? name : `${name}: ${local}`));
    parts.push(
      `\n// ---- ${path.relative(root, module.file)}`,
      `const ${names.get(module.file)} = (() => {`,
      ...lines,
      module.body.trim(),
      `return Object.freeze({ ${exported.join(", ")} });`,
      "})();");
  }
  parts.push("})();", "");
  const text = parts.join("\n");
  // What a module may hold but a classic script may not (top-level await, import.meta).
  try {
    acorn.parse(text, { ecmaVersion: "latest", sourceType: "script" });
  } catch (error) {
    throw new BundleError(`the bundle is no classic script: ${error.message}`);
  }
  return text;
}

module.exports = { bundle, BundleError };

if (require.main === module) {
  const [entry, output] = process.argv.slice(2);
  try {
    fs.writeFileSync(output, bundle(entry));
  } catch (error) {
    if (!(error instanceof BundleError)) {
      throw error;
    }
    console.error(`bundle_scripts: ${error.message}`);
    process.exitCode = 1;
  }
}
