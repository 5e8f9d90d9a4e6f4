// The conditions in the page's address, with the command line's names, and remembered between
// visits: ?model=birch&kv=80&angle=14&inherent=2.5&al=1&cu=0.1&rectification=2&filter=Air.mix:950&lang=en
"use strict";

const conditionNames = ["kv", "angle", "inherent", "al", "cu"];
const storageKey = "tubeline.conditions";

// The conditions of an address's query, or null when it names none.
function conditionsFromQuery(query) {
  const params = new URLSearchParams(query);
  const names = ["model", "rectification", "lang", "filter", ...conditionNames];
  if (!names.some((name) => params.has(name))) {
    return null;
  }
  const conditions = { filters: [] };
  for (const name of ["model", "rectification", "lang", ...conditionNames]) {
    if (params.has(name)) {
      conditions[name] = params.get(name);
    }
  }
  for (const filter of params.getAll("filter").slice(0, 3)) {
    // The last ":" ends the file name, as for tubeline-calc --filter.
    const colon = filter.lastIndexOf(":");
    conditions.filters.push(colon < 0 ? { file: filter, thickness: "" }
      : { file: filter.slice(0, colon), thickness: filter.slice(colon + 1) });
  }
  return conditions;
}

function queryOf(conditions) {
  const params = new URLSearchParams();
  params.set("model", conditions.model);
  for (const name of conditionNames) {
    params.set(name, conditions[name]);
  }
  params.set("rectification", conditions.rectification);
  for (const filter of conditions.filters) {
    params.append("filter", `${filter.file}:${filter.thickness}`);
  }
  params.set("lang", conditions.lang);
  return "?" + params.toString();
}

function rememberedConditions() {
  try {
    return JSON.parse(localStorage.getItem(storageKey));
  } catch {
    return null;
  }
}

function keepConditions(conditions) {
  try {
    localStorage.setItem(storageKey, JSON.stringify(conditions));
    history.replaceState(null, "", queryOf(conditions));
  } catch {
    // A browser that keeps nothing (a private window, a page from disk in some browsers) still
    // computes.
  }
}
