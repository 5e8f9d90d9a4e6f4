// The page: fields in, the module's results out. Every result text, refusal and file comes from
// the module (the same C++ as tubeline-calc); this file only places them.
"use strict";

const $ = (id) => document.getElementById(id);
const recalculationDelayMs = 200;

// The condition fields: the module's names, and the unit beside each (the degree sign's word is
// the desktop's).
const fieldUnits = { kv: "kV", angle: null, inherent: "mm Al", al: "mm", cu: "mm" };

const page = {
  module: null,
  language: "ja",
  words: pageWords.ja,
  shipped: [],
  opened: [],  // materials the user opened: { file, name }
  graph: null,
  timer: null,
  hasResult: false,
  filterMessages: [],
};

function desktop(context, source) {
  return page.module.translate(context, source);
}

function languageOfBrowser() {
  const languages = navigator.languages?.length ? navigator.languages : [navigator.language];
  return (languages[0] || "").toLowerCase().startsWith("ja") ? "ja" : "en";
}

// ---- the fields

function buildFields() {
  const box = $("fields");
  for (const name of conditionNames) {
    const row = document.createElement("div");
    row.className = "field";
    row.innerHTML = `<label for="${name}" id="${name}-caption"></label>` +
      `<input id="${name}" type="text" inputmode="decimal" autocomplete="off" size="9" ` +
      `aria-describedby="${name}-message ${name}-note">` +
      `<span class="unit" id="${name}-unit"></span>` +
      `<p class="message" id="${name}-message" role="alert"></p>` +
      `<p class="note" id="${name}-note"></p>`;
    box.append(row);
    $(name).addEventListener("input", scheduleCalculation);
  }
  for (const input of document.querySelectorAll("input[name=rectification]")) {
    input.addEventListener("change", calculateNow);
  }
  for (const input of document.querySelectorAll("input[name=model]")) {
    input.addEventListener("change", () => chooseModel(input.value));
  }
}

// A model keeps the conditions typed, except a target angle left at the other model's default.
function chooseModel(model) {
  const other = model === "tucker" ? "birch" : "tucker";
  if ($("angle").value.trim() === page.module.defaults(other).angle) {
    $("angle").value = page.module.defaults(model).angle;
  }
  calculateNow();
}

// ---- the conditions as a whole

function checkedValue(name) {
  return document.querySelector(`input[name=${name}]:checked`)?.value;
}

function currentConditions() {
  const conditions = {
    model: checkedValue("model"),
    rectification: checkedValue("rectification"),
    lang: page.language,
    filters: filterRows().map((row) => ({
      file: row.querySelector("select").value,
      thickness: row.querySelector("input").value,
    })),
  };
  for (const name of conditionNames) {
    conditions[name] = $(name).value;
  }
  return conditions;
}

function showConditions(conditions) {
  const model = conditions.model === "birch" ? "birch" : "tucker";
  const defaults = page.module.defaults(model);
  document.querySelector(`input[name=model][value=${model}]`).checked = true;
  const rectification = ["1", "2", "3"].includes(String(conditions.rectification))
    ? String(conditions.rectification) : "1";
  document.querySelector(`input[name=rectification][value="${rectification}"]`).checked = true;
  for (const name of conditionNames) {
    $(name).value = conditions[name] ?? defaults[name];
  }
  $("filter-rows").replaceChildren();
  for (const filter of (conditions.filters || []).slice(0, filterSlots)) {
    addFilter(filter);
  }
  renumberFilters();
}

// ---- calculating

function scheduleCalculation() {
  clearTimeout(page.timer);
  page.timer = setTimeout(calculateNow, recalculationDelayMs);
}

function clearMessages() {
  for (const element of document.querySelectorAll("#conditions .message, #results-message")) {
    element.textContent = "";
  }
  for (const element of document.querySelectorAll("[aria-invalid]")) {
    element.removeAttribute("aria-invalid");
  }
  for (const name of conditionNames) {
    $(`${name}-note`).textContent = "";
  }
}

function showRefusal(place, message) {
  const element = $(`${place}-message`) ?? $("results-message");
  element.textContent = message;
  const field = $(place) ?? $(`${place}-thickness`);
  field?.setAttribute("aria-invalid", "true");
}

function setStale(stale) {
  $("results").classList.toggle("stale", stale && page.hasResult);
  $("stale-note").textContent = stale && page.hasResult ? page.words.stale : "";
}

function calculateNow() {
  clearTimeout(page.timer);
  const conditions = currentConditions();
  keepConditions(conditions);
  clearMessages();
  $("download-message").textContent = "";
  const missing = conditions.filters.findIndex((f) => !f.file);
  if (missing >= 0) {
    showRefusal(`filter${missing + 1}`, page.module.captions().noMaterial);
    setStale(true);
    return;
  }
  const result = page.module.calculate(conditions);
  if (!result.ok) {
    showRefusal(result.place, result.message);
    setStale(true);
    return;
  }
  if (result.kvNote) {
    $("kv-note").textContent = result.kvNote;
  }
  $("hvl").textContent = result.hvl;
  $("fluence").textContent = result.fluence;
  page.hasResult = true;
  setStale(false);
  for (const id of ["download-csv", "download-table", "download-png", "copy-table", "match"]) {
    $(id).disabled = false;
  }
  page.graph.curves = page.module.curves();
  page.graph.setCursor(page.graph.cursorBin);
  // The figures of the eleven angles take longer than the rest: after the results are drawn.
  clearTimeout(page.figuresTimer);
  page.figuresTimer = setTimeout(showFigures);
}

function showFigures() {
  const table = page.module.figureTable();
  const captions = page.module.captions();
  const head = document.createElement("tr");
  head.append(document.createElement("th"));
  for (const caption of captions.figureColumns) {
    const cell = document.createElement("th");
    cell.scope = "col";
    cell.innerText = caption;
    head.append(cell);
  }
  const rows = table.rows.map((cells, index) => {
    const row = document.createElement("tr");
    row.classList.toggle("centre", index === 5);
    cells.forEach((text, column) => {
      const cell = document.createElement(column === 0 ? "th" : "td");
      if (column === 0) {
        cell.scope = "row";
      }
      cell.textContent = text;
      row.append(cell);
    });
    return row;
  });
  $("figures").replaceChildren(head, ...rows);
  page.tsv = table.tsv;
}

// ---- commands on the last result

function download(bytes, fileName, type) {
  const link = document.createElement("a");
  link.href = URL.createObjectURL(new Blob([bytes], { type }));
  link.download = fileName;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 10000);
}

function downloadCsv() {
  const exported = page.module.exportFile();
  if (!exported.ok) {
    $("download-message").textContent = exported.message;
    return;
  }
  download(exported.bytes, "spectrum.csv", "text/csv");
}

function downloadPng() {
  const canvas = document.createElement("canvas");
  const area = page.graph.plotArea();
  const scale = 2;
  canvas.width = area.width * scale;
  canvas.height = area.height * scale;
  const saved = page.graph.cursorBin;
  page.graph.cursorBin = null;
  page.graph.draw(canvas.getContext("2d"), scale);
  page.graph.cursorBin = saved;
  canvas.toBlob((blob) => download(blob, "spectrum.png", "image/png"), "image/png");
}

async function copyTable() {
  try {
    await navigator.clipboard.writeText(page.tsv);
  } catch {
    const area = document.createElement("textarea");
    area.value = page.tsv;
    document.body.append(area);
    area.select();
    document.execCommand("copy");
    area.remove();
  }
  $("copy-message").textContent = page.module.captions().copied;
}

function matchTarget() {
  $("target-message").textContent = "";
  $("match-note").textContent = "";
  $("target").removeAttribute("aria-invalid");
  const varied = $("match-with").value;
  const result = page.module.match(currentConditions(), $("target").value, varied);
  if (!result.ok) {
    showRefusal(result.place, result.message);
    return;
  }
  $(varied).value = result.thickness;
  calculateNow();
  $("match-note").textContent = page.words.matched(result.name, result.thickness);
}

// ---- language

// The elements that say what the desktop program says, by its context and Japanese text.
const desktopCaptions = {
  "subtitle": ["StartForm", "診断Ｘ線スペクトルの近似計算"],
  "conditions-caption": ["MainForm", "照 射 条 件"],
  "model-tucker": ["Messages", "Tucker の式"],
  "model-birch": ["Messages", "Birch の式"],
  "rectification-caption": ["MainForm", "整流方式"],
  "results-caption": ["MainForm", "線束中心にて"],
  "download-csv": ["MainForm", "スペクトルデータ保存"],
  "download-png": ["MainForm", "グラフ画像保存"],
  "axis-caption": ["MainForm", "グラフの縦軸"],
  "axis-photon": ["MainForm", "フルエンス"],
  "axis-energy": ["MainForm", "エネルギーフルエンス"],
  "axis-kerma": ["MainForm", "空気カーマ"],
  "quality-caption": ["BeamQualityWindow", "線質の詳細"],
  "quality-intro": ["BeamQualityWindow",
    "角度ごとの線質（角度は線束中心から、－ は陰極側、＋ は陽極側）"],
  "quality-note": ["BeamQualityWindow",
    "均等度 = 第1半価層 / 第2半価層。求められない値は — で示します"],
  "copy-table": ["BeamQualityWindow", "コピー"],
  "target-caption": ["BeamQualityWindow", "目標の半価層"],
  "match": ["BeamQualityWindow", "半価層に合わせる"],
};

// The elements with the page's own captions (words.js).
const pageCaptions = {
  "language-caption": "language",
  "model-caption": "model",
  "add-filter": "addFilter",
  "open-caption": "openFile",
  "download-table": "tableFile",
  "graph-caption": "graph",
  "angles-caption": "angles",
  "footer": "footer",
};

function caption(id, text) {
  $(id).textContent = text;
}


function speak(language) {
  page.language = language;
  page.words = pageWords[language];
  page.module.setLanguage(language);
  page.shipped = page.module.shippedMaterials();
  document.documentElement.lang = language;
  const words = page.words;
  const captions = page.module.captions();
  for (const [id, [context, source]] of Object.entries(desktopCaptions)) {
    caption(id, desktop(context, source));
  }
  for (const [id, word] of Object.entries(pageCaptions)) {
    caption(id, words[word]);
  }
  for (const name of conditionNames) {
    caption(`${name}-caption`, captions[name]);
    caption(`${name}-unit`, fieldUnits[name] ?? desktop("MainForm", "度"));
  }
  captions.rectifications.forEach((text, i) => caption(`rectification-${i + 1}`, text));
  caption("filters-caption",
    `${desktop("MainForm", "任意材質フィルタ")} ${desktop("MainForm", "（最大３種類）")}`);
  $("copy-message").textContent = "";
  $("match-note").textContent = "";
  $("target-message").textContent = "";
  $("lang-ja").setAttribute("aria-pressed", String(language === "ja"));
  $("lang-en").setAttribute("aria-pressed", String(language === "en"));
  page.graph.words = words;
  page.graph.angleCaptions = captions.angles;
  buildAngleToggles();
  captionFilters();
  $("graph").setAttribute("aria-label", words.graph);
}

function buildAngleToggles() {
  const box = $("angle-toggles");
  box.replaceChildren();
  page.graph.angleCaptions.forEach((text, index) => {
    const label = document.createElement("label");
    label.className = "angle";
    label.style.setProperty("--colour", page.graph.colours.angles[index]);
    const box_ = document.createElement("input");
    box_.type = "checkbox";
    box_.checked = page.graph.visible[index];
    box_.addEventListener("change", () => {
      page.graph.visible[index] = box_.checked;
      page.graph.setCursor(page.graph.cursorBin);
    });
    const mark = document.createElement("span");
    mark.className = "mark";
    label.append(box_, mark, document.createTextNode(text));
    box.append(label);
  });
}

// ---- start

async function start() {
  try {
    page.module = await createTubeline();
  } catch (error) {
    $("loading").textContent = pageWords[languageOfBrowser()].loadFailed;
    throw error;
  }
  page.graph = new SpectrumGraph($("graph"), $("pointer"), page.module.graphColours());
  buildFields();
  const conditions = conditionsFromQuery(location.search) ?? rememberedConditions() ?? {};
  speak(conditions.lang === "ja" || conditions.lang === "en" ? conditions.lang : languageOfBrowser());
  showConditions(conditions);
  for (const id of ["download-csv", "download-table", "download-png", "copy-table", "match"]) {
    $(id).disabled = true;
  }
  $("add-filter").addEventListener("click", () => {
    addFilter()?.querySelector("select").focus();
    calculateNow();
  });
  $("material-file").addEventListener("change", (event) => openMaterialFile(event.target));
  $("download-csv").addEventListener("click", downloadCsv);
  $("download-table").addEventListener("click",
    () => download(page.module.tableText(), "spectrum-table.txt", "text/plain"));
  $("download-png").addEventListener("click", downloadPng);
  $("copy-table").addEventListener("click", copyTable);
  $("match").addEventListener("click", matchTarget);
  $("target").addEventListener("keydown", (event) => {
    if (event.key === "Enter") {
      matchTarget();
    }
  });
  for (const input of document.querySelectorAll("input[name=axis]")) {
    input.addEventListener("change", () => {
      page.graph.axis = input.value;
      page.graph.setCursor(page.graph.cursorBin);
    });
  }
  for (const language of ["ja", "en"]) {
    $(`lang-${language}`).addEventListener("click", () => {
      speak(language);
      calculateNow();
    });
  }
  $("loading").hidden = true;
  $("page").hidden = false;
  calculateNow();
  document.body.dataset.ready = "true";
}

start();
