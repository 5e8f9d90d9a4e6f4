// The conditions in the page's address, with the command line's names, and remembered between
// visits: ?model=birch&kv=80&angle=14&inherent=2.5&al=1&cu=0.1&rectification=2&filter=Air.mix:950&lang=en
// `names` are the five condition fields' (the module's grid().conditionNames).

const storageKey = "tubeline.conditions";

// The conditions of an address's query, or null when it names none.
export function conditionsFromQuery(query, names, filterSlots) {
  const params = new URLSearchParams(query);
  const others = ["model", "rectification", "lang"];
  if (![...others, "filter", ...names].some((name) => params.has(name))) {
    return null;
  }
  const conditions = { filters: [] };
  for (const name of [...others, ...names]) {
    if (params.has(name)) {
      conditions[name] = params.get(name);
    }
  }
  for (const filter of params.getAll("filter").slice(0, filterSlots)) {
    // The last ":" ends the file name, as for tubeline-calc --filter.
    const colon = filter.lastIndexOf(":");
    conditions.filters.push(colon < 0 ? { file: filter, thickness: "" }
      : { file: filter.slice(0, colon), thickness: filter.slice(colon + 1) });
  }
  return conditions;
}

function queryOf(conditions, names) {
  const params = new URLSearchParams();
  params.set("model", conditions.model);
  for (const name of names) {
    params.set(name, conditions[name]);
  }
  params.set("rectification", conditions.rectification);
  for (const filter of conditions.filters) {
    params.append("filter", `${filter.file}:${filter.thickness}`);
  }
  params.set("lang", conditions.lang);
  return "?" + params.toString();
}

export function rememberedConditions() {
  try {
    return JSON.parse(localStorage.getItem(storageKey));
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
