// Start-up: loads the calculator, builds the page from the module's grid and captions, restores
// the conditions (from the address, else as last left; what cannot be used falls back to the
// default), ties every control to its work and only then shows the page. Every result text,
// refusal and file comes from the module (the same C++ as tubeline-calc); the page only places
// them.
import { beamQuery, conditionsFromQuery, keepConditions, rememberedConditions } from "./address.js";
import { loadCalculator, oneFilePage } from "./calculator.js";
import { Comparison } from "./comparison.js";
import { ConditionsForm } from "./conditions.js";
import { $, copyText, saveFile } from "./dom.js";
import { SpectrumGraph, keptColours, showAngleToggles, visibleOn } from "./graph.js";
import { browserLanguage, captionPage, languages } from "./language.js";
import { Matcher } from "./matching.js";
import { keepOffline } from "./offline.js";
import { ResultsView, downloadGraphPng } from "./results.js";
import { restoreConditions } from "./restore.js";
import { pageWords } from "./words.js";

const recalculationDelayMs = 200;

class Page {
  constructor(calculator) {
    this.module = calculator.module;
    this.grid = this.module.grid();
    this.language = "ja";
    this.words = pageWords.ja;
    this.captions = null;
    this.timer = null;
    this.figuresTimer = null;
    this.keepTimer = null;
    this.conditions = new ConditionsForm(this.grid, (model) => this.module.defaults(model),
      (now) => (now ? this.calculateNow() : this.scheduleCalculation()));
    this.results = new ResultsView(this.grid);
    const colours = this.module.graphColours();
    this.graph = new SpectrumGraph($("graph"), $("pointer"), colours, this.grid);
    this.comparison = new Comparison(this.module, this.grid, {
      colours: keptColours.map((colour) => visibleOn(colours.white, colour)),
      live: this.graph.colours.angles[this.grid.centralAngle] }, {
        materialPath: (name) => this.conditions.filters.materialPath(name),
        makeCurrent: (conditions) => this.makeCurrent(conditions),
        changed: () => this.keptChanged(),
      });
    // The query of the beam whose results are shown, which Keep keeps.
    this.shownQuery = null;
    this.matcher = new Matcher(calculator);
  }

  speak(language) {
    this.language = language;
    this.words = pageWords[language];
    this.module.setLanguage(language);
    this.captions = this.module.captions();
    captionPage(language, this.captions, this.words);
    this.conditions.speak(this.captions, this.words, this.module.shippedMaterials());
    this.results.words = this.words;
    for (const id of ["copy-message", "match-note", "target-message"]) {
      $(id).textContent = "";
    }
    this.results.showStaleNotes();
    this.graph.words = this.words;
    this.graph.captions = this.captions;
    this.graph.angleCaptions = this.captions.angles;
    this.graph.caption();
    showAngleToggles($("angle-toggles"), this.graph);
    $("compare-message").textContent = "";
    this.comparison.speak(this.captions, this.words);
    this.graph.showKept(this.comparison.curves());
  }

  // The kept beams changed: the graph and the address follow.
  keptChanged() {
    this.graph.showKept(this.comparison.curves());
    this.keepConditions();
  }

  // A kept beam's conditions into the fields, computed at once.
  makeCurrent(conditions) {
    this.conditions.show(conditions);
    this.conditions.clearRestored("conditions");
    this.calculateNow();
  }

  // The conditions as a kept beam's query names them: filters by their files' names.
  static queryOf(conditions, names) {
    const filters = conditions.filters.map(({ file, thickness }) =>
      ({ file: file.split("/").pop(), thickness }));
    return beamQuery({ ...conditions, filters }, names);
  }

  // The conditions as the module takes them.
  fields() {
    return this.conditions.request().conditions;
  }

  scheduleCalculation() {
    clearTimeout(this.timer);
    this.timer = setTimeout(() => this.calculateNow(), recalculationDelayMs);
  }

  // Runs the fields' conditions and shows the results, or every refusal, each beside the field
  // that caused it; the last results then stay, marked as not those of the fields. The figures
  // of every angle take longer than the rest: they follow after the results and the graph are
  // drawn. `computed`: what the module has just given of the fields, { result, figures }.
  calculateNow(computed = null) {
    clearTimeout(this.timer);
    const { conditions, rows } = this.conditions.request();
    this.keepConditions();
    this.conditions.clearFlags();
    this.results.clearMessages();
    $("target").removeAttribute("aria-invalid");
    const result = computed?.result ?? this.module.calculate(conditions);
    if (result.kvNote) {
      this.conditions.correct("kv", result.kvNote);
    }
    if (!result.ok) {
      for (const refusal of result.refusals) {
        this.showRefusal(refusal, rows);
      }
      this.setStale(true);
      return;
    }
    this.results.showBeam(result);
    const live = this.module.compareLastRun();
    this.shownQuery = Page.queryOf(conditions, this.grid.conditionNames);
    this.graph.showCurves(this.module.curves(), live);
    this.comparison.showCurrent(live);
    clearTimeout(this.figuresTimer);
    if (computed?.figures) {
      this.showFigures(computed.figures);
    } else {
      this.figuresTimer = setTimeout(() => this.showFigures(this.module.figureTable()));
    }
  }

  showFigures(table) {
    this.results.showFigures(table, [...this.captions.figureColumns,
      ...(table.absolute ? this.captions.outputColumns : [])]);
  }

  // The conditions into the address and the browser's storage, after the results are shown
  // (writing them takes a while in some browsers).
  keepConditions() {
    const saved = { ...this.conditions.saved(), lang: this.language,
      keep: this.comparison.queries() };
    clearTimeout(this.keepTimer);
    this.keepTimer = setTimeout(() => keepConditions(saved, this.conditions.names));
  }

  setStale(stale) {
    this.results.setStale(stale);
    this.graph.setStale(this.results.stale);
    this.comparison.setStale(this.results.stale);
  }

  // A refusal beside the field that caused it, else with the results; rows: the elements of
  // the filters the module was given.
  showRefusal({ place, message, filter, part }, rows) {
    if (place === "target") {
      $("target-message").textContent = message;
      $("target").setAttribute("aria-invalid", "true");
    } else if (place === "filter") {
      this.conditions.filters.flag(rows[filter], part, message);
    } else if (this.conditions.names.includes(place)) {
      this.conditions.flag(place, message);
    } else {
      this.results.showMessage(message);
    }
  }

  // The added aluminium or copper that gives the target HVL1, put into its field. A match
  // answered after the fields changed is of other conditions and is dropped.
  async matchTarget() {
    $("target-message").textContent = "";
    $("match-note").textContent = "";
    $("target").removeAttribute("aria-invalid");
    const varied = $("match-with").value;
    const { conditions, rows } = this.conditions.request();
    const asked = [conditions, $("target").value, varied];
    const result = await this.matcher.match(this.language, ...asked);
    if (JSON.stringify(asked) !== JSON.stringify([this.fields(), $("target").value, varied])) {
      return;
    }
    if (!result.ok) {
      this.showRefusal(result, rows);
      return;
    }
    $(varied).value = result.thickness;
    this.conditions.clearRestored(varied);
    this.calculateNow();
    $("match-note").textContent = this.words.matched(result.name, result.thickness);
  }

  // A material file from disk: read no further than the module reads one (a larger file is
  // refused unread), and kept by the module and the matching worker.
  async openMaterialFile(input) {
    const file = input.files[0];
    input.value = "";
    if (!file) {
      return;
    }
    const bytes = new Uint8Array(await file.slice(0, this.grid.materialFileByteLimit + 1)
      .arrayBuffer());
    const opened = this.module.openMaterialFile(file.name, bytes);
    $("material-file-message").textContent = opened.ok ? "" : opened.message;
    if (!opened.ok) {
      return;
    }
    this.matcher.openMaterialFile(file.name, bytes);
    this.conditions.filters.addOpened(opened);
    this.comparison.recompute(true);
    this.graph.showKept(this.comparison.curves());
    this.calculateNow();
  }

  // The compared spectra on the graph's axis and scale, as one CSV file.
  downloadComparison() {
    const perAirKerma = this.graph.scale === "kerma";
    const scale = perAirKerma ? `${this.captions.scaleKerma} (${this.graph.axisTitle()})`
      : this.captions.scalePeak;
    const text = this.comparison.csv({ axisIndex: this.graph.axisIndex(), perAirKerma, scale,
      axis: this.captions[["photonAxis", "energyAxis", "kermaAxis"][this.graph.axisIndex()]],
      energy: this.words.energy });
    saveFile(text, "compared-spectra.csv", "text/csv;charset=utf-8");
  }

  listen() {
    $("add-filter").addEventListener("click", () => {
      this.conditions.filters.add()?.querySelector("select").focus();
    });
    $("material-file").addEventListener("change", (event) => this.openMaterialFile(event.target));
    $("download-csv").addEventListener("click", () => this.results.downloadCsv(this.module));
    $("download-table").addEventListener("click", () => this.results.downloadTable(this.module));
    $("download-png").addEventListener("click", () =>
      downloadGraphPng(this.graph, this.comparison.legend()));
    $("copy-table").addEventListener("click", () => this.results.copyTable(this.captions.copied));
    $("keep").addEventListener("click", () => this.comparison.keep(this.shownQuery));
    $("copy-compare").addEventListener("click", async () => {
      await copyText(this.comparison.tsv());
      $("compare-message").textContent = this.captions.copied;
    });
    $("download-compare").addEventListener("click", () => this.downloadComparison());
    $("match").addEventListener("click", () => this.matchTarget());
    $("target").addEventListener("keydown", (event) => {
      if (event.key === "Enter") {
        this.matchTarget();
      }
    });
    for (const input of document.querySelectorAll("input[name=scale]")) {
      input.addEventListener("change", () => {
        this.graph.scale = input.value;
        // Per unit air kerma is the beam centre's: no other angle is drawn.
        $("angle-toggles").closest("fieldset").disabled = input.value === "kerma";
        this.graph.setCursor(this.graph.cursorBin);
      });
    }
    for (const input of document.querySelectorAll("input[name=axis]")) {
      input.addEventListener("change", () => {
        this.graph.axis = input.value;
        this.graph.setCursor(this.graph.cursorBin);
      });
    }
    for (const language of languages) {
      $(`lang-${language}`).addEventListener("click", () => {
        this.conditions.clearRestored("lang");
        this.speak(language);
        this.calculateNow();
      });
    }
    $("reload").addEventListener("click", () => location.reload());
  }
}

// The About panel: the version, and when the site is served, the page as one file to save.
function showAbout(version) {
  $("about-version").textContent = `Tubeline ${version}`;
  const oneFile = $("one-file");
  oneFile.download = `tubeline-${version}.html`;
  oneFile.closest("li").hidden = oneFilePage || !/^https?:$/.test(location.protocol);
}

// The page's language while the calculator loads: the address's, else the one last used, else
// the browser's (so that no browser offers to translate a page it takes for Japanese).
function loadingLanguage() {
  const asked = new URLSearchParams(location.search).get("lang") ?? rememberedConditions()?.lang;
  return languages.includes(asked) ? asked : browserLanguage();
}

const nextTask = () => new Promise((resolve) => setTimeout(resolve));

async function start() {
  const language = loadingLanguage();
  const words = pageWords[language];
  document.documentElement.lang = language;
  $("loading").textContent = words.loading;
  let calculator;
  try {
    calculator = await loadCalculator();
  } catch (error) {
    $("loading").textContent = location.protocol === "file:" ? words.servedOnly
      : words.loadFailed;
    throw error;
  }
  // The page is made in short tasks, so that it is never long unresponsive; nothing of it shows
  // until it is whole.
  await nextTask();
  const page = new Page(calculator);
  const conditions = conditionsFromQuery(location.search, page.conditions.names,
    page.grid.filterSlots) ??
    rememberedConditions() ?? {};
  await nextTask();
  page.speak(languages.includes(conditions.lang) ? conditions.lang : browserLanguage());
  await nextTask();
  const result = restoreConditions(page.conditions, page.module, page.words, page.language,
    conditions);
  await nextTask();
  page.comparison.restore(Array.isArray(conditions.keep) ? conditions.keep : []);
  page.graph.showKept(page.comparison.curves());
  await nextTask();
  const figures = result && page.module.figureTable();
  page.listen();
  showAbout(page.module.version());
  if (!oneFilePage) {
    keepOffline(() => {
      $("update").hidden = false;
    });
  }
  // Everything appears at once, with its first results: nothing moves after it is shown.
  $("loading").hidden = true;
  $("page").hidden = false;
  $("footer").hidden = false;
  page.calculateNow({ result, figures });
  document.body.dataset.ready = "true";
  performance.mark("tubeline-ready");
}

start();
