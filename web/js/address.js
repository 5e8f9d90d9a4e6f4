// The conditions in the page's address, with the command line's names, and remembered between
// visits: ?model=birch&kv=80&angle=14&inherent=2.5&al=1&cu=0.1&rectification=2&filter=Air.mix:950&lang=en
// or ?model=physics&kv=80&…&distance=1500&output-factor=0.8&…
// `names` are the fields' (the module's grid().conditionNames and outputNames); a field the
// conditions do not hold (the distance of a relative model) is left out. A filter is
// "Name.ele:mm", its material by its file name: a shipped one, or one opened in the page. Each
// beam kept for comparison is one more `keep`, its own query (without the language) encoded as
// one value: keep=model%3Dbirch%26kv%3D80%26al%3D1.

const storageKey = "tubeline.conditions";

// Addresses and remembered states of earlier versions name a material by its place in the
// module's file system ("/data/Cu.ele"); the file name is what they meant.
const modulePlace = /^\/(data|user)\/([^/]+)$/;

function fileName(file) {
  return String(file ?? "").replace(modulePlace, "$2");
}

// The conditions of an address's query, or null when it names none.
export function conditionsFromQuery(query, names, filterSlots) {
  const params = new URLSearchParams(query);
  const others = ["model", "rectification", "lang"];
  if (![...others, "filter", "keep", ...names].some((name) => params.has(name))) {
    return null;
  }
  const conditions = { filters: [], keep: params.getAll("keep") };
  for (const name of [...others, ...names]) {
    if (params.has(name)) {
      conditions[name] = params.get(name);
    }
  }
  for (const filter of params.getAll("filter").slice(0, filterSlots)) {
    // The last ":" ends the file name, as for tubeline-calc --filter.
    const colon = filter.lastIndexOf(":");
    conditions.filters.push(colon < 0 ? { file: fileName(filter), thickness: "" }
      : { file: fileName(filter.slice(0, colon)), thickness: filter.slice(colon + 1) });
  }
  return conditions;
}

// A query's value as people read it: ":" left as it is (a query may hold it), all else that
// needs it escaped.
const queryValue = (text) => encodeURIComponent(text).replace(/%3A/gi, ":");

// A beam's own query: its conditions without the page's language or kept beams.
export function beamQuery(conditions, names) {
  const pairs = [["model", conditions.model],
    ...names.filter((name) => conditions[name] !== undefined).map((name) => [name, conditions[name]]),
    ["rectification", conditions.rectification],
    ...conditions.filters.map((filter) => ["filter", `${filter.file}:${filter.thickness}`])];
  return pairs.map(([name, value]) => `${name}=${queryValue(value)}`).join("&");
}

function queryOf(conditions, names) {
  return `?${beamQuery(conditions, names)}&lang=${queryValue(conditions.lang)}` +
    (conditions.keep ?? []).map((query) => `&keep=${encodeURIComponent(query)}`).join("");
}

// The conditions left at the last visit, material files by name, or null.
export function rememberedConditions() {
  try {
    const conditions = JSON.parse(localStorage.getItem(storageKey));
    for (const filter of conditions?.filters ?? []) {
      filter.file = fileName(filter.file);
    }
    return conditions;
  } catch {
    return null;
  }
}

export function keepConditions(conditions, names) {
  try {
    localStorage.setItem(storageKey, JSON.stringify(conditions));
    history.replaceState(null, "", queryOf(conditions, names));
  } catch {
    // A browser that keeps nothing (a private window, a page from disk in some browsers) still
    // computes.
  }
}
