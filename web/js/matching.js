// Matching a target half-value layer searches over many runs (a tenth of a second or more), so it
// runs in a worker with an instance of the module of its own, and the page stays responsive. The
// worker is made at the first match from the module's script and compiled code that the page
// already holds (nothing is fetched again, so it is always of the page's own version) and is
// given every material file the page opened. Where no worker can be made, the page's module
// matches.
import { instantiate } from "./calculator.js";

// The worker's script, run from its text after tubeline.js and instantiate: createTubeline and
// instantiate are the worker's globals.
function matcherWorker() {
  let ready = null;
  self.onmessage = async ({ data }) => {
    if (data.kind === "start") {
      ready = instantiate(createTubeline, data.compiled);
      ready.then(() => self.postMessage({ kind: "started" }),
        (error) => self.postMessage({ kind: "failed", reason: String(error) }));
      return;
    }
    let module;
    try {
      module = await ready;
    } catch {
      return;  // said once, by "failed"
    }
    if (data.kind === "open") {
      module.openMaterialFile(data.name, data.bytes);
    } else if (data.kind === "match") {
      module.setLanguage(data.language);
      self.postMessage({ kind: "matched", id: data.id,
        result: module.match(data.conditions, data.target, data.varied) });
    }
  };
}

export class Matcher {
  // calculator: loadCalculator()'s { module, scriptText, compiled }.
  constructor(calculator) {
    this.calculator = calculator;
    this.worker = null;
    this.workerUrl = null;
    this.failed = false;
    this.opened = new Map();  // file name -> bytes, for a worker made later
    this.waiting = new Map();  // match id -> { resolve, request }
    this.nextId = 1;
  }

  // A material file the page's module has read; the worker reads it too.
  openMaterialFile(name, bytes) {
    this.opened.set(name, bytes);
    this.worker?.postMessage({ kind: "open", name, bytes });
  }

  // The module's match() of the conditions: { ok, name, thickness } or a refusal { ok: false,
  // place, message }, in `language`.
  match(language, conditions, target, varied) {
    const request = { language, conditions, target, varied };
    if (!this.worker && !this.failed) {
      this.startWorker();
    }
    if (this.failed) {
      return Promise.resolve(this.matchHere(request));
    }
    return new Promise((resolve) => {
      const id = this.nextId++;
      this.waiting.set(id, { resolve, request });
      this.worker.postMessage({ kind: "match", id, ...request });
    });
  }

  matchHere({ conditions, target, varied }) {
    return this.calculator.module.match(conditions, target, varied);
  }

  startWorker() {
    const source = `${this.calculator.scriptText}\n${instantiate}\n(${matcherWorker})();\n`;
    try {
      this.workerUrl = URL.createObjectURL(new Blob([source], { type: "text/javascript" }));
      this.worker = new Worker(this.workerUrl);
    } catch (error) {
      this.giveUpWorker(error);
      return;
    }
    this.worker.onmessage = ({ data }) => {
      if (data.kind === "started") {
        URL.revokeObjectURL(this.workerUrl);
      } else if (data.kind === "failed") {
        this.giveUpWorker(data.reason);
      } else {
        const waiting = this.waiting.get(data.id);
        this.waiting.delete(data.id);
        waiting.resolve(data.result);
      }
    };
    this.worker.onerror = (event) => this.giveUpWorker(event.message);
    this.worker.postMessage({ kind: "start", compiled: this.calculator.compiled });
    for (const [name, bytes] of this.opened) {
      this.worker.postMessage({ kind: "open", name, bytes });
    }
  }

  // From now on the page's module matches, also what the worker was asked and did not answer.
  giveUpWorker(reason) {
    console.warn("Matching on the page itself; the worker failed:", reason);
    this.failed = true;
    this.worker?.terminate();
    this.worker = null;
    for (const { resolve, request } of this.waiting.values()) {
      resolve(this.matchHere(request));
    }
    this.waiting.clear();
  }
}
