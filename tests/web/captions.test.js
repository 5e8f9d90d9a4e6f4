// Every caption the page asks for by name resolves in both languages: the names in index.html
// (data-caption, data-word) and in web/js (captions.x, words.x), and each field's.
// The module supplies each of its captions in both, in English from the catalogue (an unknown
// catalogue key would come back as its Japanese); the page's own words exist in both. Run with
// node --test after scripts/web.
"use strict";

const test = require("node:test");
const assert = require("node:assert/strict");
const fs = require("node:fs");
const path = require("node:path");
const { loadSiteModule } = require("./site.js");

const webFolder = path.resolve(__dirname, "../../web");
const japanese = /[\u3040-\u30ff\u4e00-\u9fff]/;

function namesUsed() {
  const html = fs.readFileSync(path.join(webFolder, "index.html"), "utf8");
  const scripts = fs.readdirSync(path.join(webFolder, "js")).filter((f) => f.endsWith(".js"))
    .map((f) => fs.readFileSync(path.join(webFolder, "js", f), "utf8")).join("\n");
  const found = (text, pattern) => [...text.matchAll(pattern)].map((m) => m[1]);
  return {
    captions: new Set([...found(html, /data-caption="(\w+)"/g),
      ...found(scripts, /(?<!\/)\bcaptions\.(\w+)/g)]),
    words: new Set([...found(html, /data-word="(\w+)"/g), ...found(scripts, /(?<!\/)\bwords\.(\w+)/g)]),
  };
}

test("every caption the page uses resolves in Japanese and English", async () => {
  const { captions: captionNames, words: wordNames } = namesUsed();
  const module = await loadSiteModule();
  const { pageWords } = await import(path.join(webFolder, "js/words.js"));
  const texts = {};
  for (const language of ["ja", "en"]) {
    module.setLanguage(language);
    texts[language] = module.captions();
  }
  const { conditionNames, outputNames } = module.grid();
  for (const name of [...captionNames, ...conditionNames, ...outputNames]) {
    for (const language of ["ja", "en"]) {
      const text = texts[language][name];
      for (const each of Array.isArray(text) ? text : [text]) {
        assert.equal(typeof each, "string", `${language} caption ${name}`);
        assert.notEqual(each, "", `${language} caption ${name}`);
      }
    }
    assert.ok(![texts.en[name]].flat().some((t) => japanese.test(t)),
      `caption ${name} has no English: ${texts.en[name]}`);
  }
  assert.deepEqual(Object.keys(pageWords.en).sort(), Object.keys(pageWords.ja).sort());
  for (const name of wordNames) {
    assert.ok(name in pageWords.ja, `word ${name}`);
    assert.equal(typeof pageWords.en[name], typeof pageWords.ja[name], `word ${name}`);
    if (typeof pageWords.en[name] === "string") {
      assert.ok(!japanese.test(pageWords.en[name]), `word ${name} in English: ${pageWords.en[name]}`);
    }
  }
});
