// The filter rows (up to three): a material, shipped or opened from disk, and its thickness.
"use strict";

const filterSlots = 3;

function filterRow(index) {
  const row = document.createElement("div");
  row.className = "filter-row";
  row.innerHTML =
    `<label for="filter${index}-material" class="filter-caption"></label>` +
    `<select id="filter${index}-material"></select>` +
    `<label for="filter${index}-thickness" class="thickness-caption"></label>` +
    `<span class="thickness"><input id="filter${index}-thickness" type="text" ` +
    `inputmode="decimal" size="7" autocomplete="off" aria-describedby="filter${index}-message">` +
    ` <span class="unit">mm</span> <button type="button" class="remove"></button></span>` +
    `<p class="message" id="filter${index}-message" role="alert"></p>`;
  row.querySelector("select").addEventListener("change", calculateNow);
  row.querySelector("input").addEventListener("input", scheduleCalculation);
  row.querySelector(".remove").addEventListener("click", () => {
    row.remove();
    renumberFilters();
    calculateNow();
    ($("add-filter").disabled ? $("conditions") : $("add-filter")).focus();
  });
  return row;
}

function filterRows() {
  return [...$("filter-rows").children];
}

function renumberFilters() {
  filterRows().forEach((row, i) => {
    const index = i + 1;
    const select = row.querySelector("select");
    const thickness = row.querySelector("input");
    row.querySelector(".filter-caption").htmlFor = select.id = `filter${index}-material`;
    row.querySelector(".thickness-caption").htmlFor = thickness.id = `filter${index}-thickness`;
    row.querySelector(".message").id = `filter${index}-message`;
    thickness.setAttribute("aria-describedby", `filter${index}-message`);
  });
  $("add-filter").disabled = filterRows().length >= filterSlots;
  captionFilters();
}

function addFilter(filter = { file: "", thickness: "" }) {
  if (filterRows().length >= filterSlots) {
    return null;
  }
  const row = filterRow(filterRows().length + 1);
  $("filter-rows").append(row);
  renumberFilters();
  fillMaterials(row.querySelector("select"), filter.file);
  row.querySelector("input").value = filter.thickness;
  return row;
}

// The filter's material by the name the address gives it: a file opened here, else a shipped one.
function materialPath(fileName) {
  const opened = page.opened.find((m) => m.file.split("/").pop() === fileName);
  return opened ? opened.file : fileName ? `/data/${fileName}` : "";
}

function fillMaterials(select, chosenPath) {
  const chosen = chosenPath && !chosenPath.startsWith("/") ? materialPath(chosenPath) : chosenPath;
  select.replaceChildren();
  const none = new Option(page.words.noMaterial, "");
  select.append(none);
  const groups = [[page.words.openedGroup, page.opened], [page.words.shippedGroup, page.shipped]];
  for (const [caption, materials] of groups) {
    if (!materials.length) {
      continue;
    }
    const group = document.createElement("optgroup");
    group.label = caption;
    for (const material of materials) {
      group.append(new Option(`${material.name} (${material.file.split("/").pop()})`, material.file));
    }
    select.append(group);
  }
  // A material named by an address that is neither shipped nor opened: the calculation says so.
  if (chosen && ![...select.options].some((o) => o.value === chosen)) {
    select.append(new Option(chosen.split("/").pop(), chosen));
  }
  select.value = chosen || "";
}

async function openMaterialFile(input) {
  const file = input.files[0];
  input.value = "";
  if (!file) {
    return;
  }
  const bytes = new Uint8Array(await file.arrayBuffer());
  const opened = page.module.openMaterialFile(file.name, bytes);
  $("material-file-message").textContent = opened.ok ? "" : opened.message;
  if (!opened.ok) {
    return;
  }
  page.opened = page.opened.filter((m) => m.file !== opened.file);
  page.opened.push({ file: opened.file, name: opened.name });
  for (const row of filterRows()) {
    const select = row.querySelector("select");
    fillMaterials(select, select.value);
  }
  // Into the first row without a material, or a new one.
  const row = filterRows().find((r) => !r.querySelector("select").value) ?? addFilter();
  if (row) {
    row.querySelector("select").value = opened.file;
    row.querySelector("input").focus();
  }
  calculateNow();
}

function captionFilters() {
  if (!page.module) {
    return;
  }
  for (const row of filterRows()) {
    row.querySelector(".filter-caption").textContent = desktop("FilterDialog", "材質");
    row.querySelector(".thickness-caption").textContent = desktop("FilterDialog", "厚さ");
    row.querySelector(".remove").textContent = page.words.removeFilter;
    const select = row.querySelector("select");
    fillMaterials(select, select.value);
  }
}
