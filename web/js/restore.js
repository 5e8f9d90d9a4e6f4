// Conditions restored from the address or the last visit. A language, model or rectification
// that is not one, a field or a filter the module refuses, and conditions that give no result
// fall back to the default, and a note beside the control says what was not used: the page
// always opens with a result.
import { models, rectifications } from "./conditions.js";
import { languages } from "./language.js";

// A refusal of the conditions as a whole falls back to all the defaults, after which they
// compute: three passes at most.
const passes = 3;

// form: the page's ConditionsForm; module: the calculator; words, language: the page's. Returns
// the module's result of the conditions as restored (calculate()'s), which the page shows.
export function restoreConditions(form, module, words, language, conditions) {
  const note = (place, text) => form.showRestored(place, text, language);
  const choices = [["lang", languages], ["model", models], ["rectification", rectifications]];
  for (const [name, known] of choices) {
    if (conditions[name] !== undefined && !known.includes(String(conditions[name]))) {
      note(name, words.restoredChoice(String(conditions[name])));
    }
  }
  form.show(conditions);
  for (let pass = 0; pass < passes; ++pass) {
    const { conditions: request, rows } = form.request();
    const result = module.calculate(request);
    if (result.ok) {
      return result;
    }
    const droppedRows = new Map();  // row -> its messages
    for (const refusal of result.refusals) {
      if (form.names.includes(refusal.place)) {
        const value = form.showDefault(refusal.place);
        note(refusal.place, `${refusal.message} ${words.restoredField(value)}`);
      } else if (refusal.place === "filter") {
        const row = rows[refusal.filter];
        droppedRows.set(row, [...(droppedRows.get(row) ?? []), refusal.message]);
      } else {
        form.show(form.choices());
        note("conditions", `${refusal.message} ${words.restoredAll}`);
      }
    }
    if (droppedRows.size) {
      const texts = [...droppedRows].map(([row, messages]) =>
        `${messages.join(" ")} ${words.restoredFilter(form.filters.describe(row))}`);
      form.filters.drop([...droppedRows.keys()]);
      note("filters", texts.join(" "));
    }
  }
  return null;
}
