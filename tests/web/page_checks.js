// What the page's browser tests do and check on the page: typing as a person would, and texts
// against tubeline-calc's.
"use strict";

const assert = require("node:assert/strict");
const { runCalculator } = require("./conditions.js");

async function retype(page, selector, text) {
  await page.focus(selector);
  await typeOver(page, text);
}

// Replaces the focused field's text.
async function typeOver(page, text) {
  await page.keyboard.down("Control");
  await page.keyboard.press("KeyA");
  await page.keyboard.up("Control");
  await page.keyboard.type(text);
}

const textOf = (page, selector) => page.$eval(selector, (element) => element.textContent);

// Waits until the element says `text`, then checks it (so that a wrong text fails by name).
async function expectText(page, selector, text) {
  await page.waitForFunction((s, t) => document.querySelector(s).textContent === t,
    { timeout: 5000 }, selector, text).catch(() => {});
  assert.equal(await textOf(page, selector), text, selector);
}

// The page's two lines are tubeline-calc's (options as runCalculator takes them); its run.
async function expectResults(page, condition, options = {}) {
  const calculator = await runCalculator(condition, options);
  await expectText(page, "#hvl", calculator.lines[0]);
  await expectText(page, "#fluence", calculator.lines[1]);
  return calculator;
}

module.exports = { retype, typeOver, textOf, expectText, expectResults };
