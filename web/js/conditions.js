// The conditions: the model, the condition fields (one for each of the module's names), the
// distance and output factor of a model with an absolute output (shown for it alone), the
// rectification and the filter rows; what they say as a whole, and the refusals and notes shown
// beside each field. A note on what was restored (from the address or the last visit) stays until
// its control is changed.
import { $ } from "./dom.js";
import { FilterRows } from "./filters.js";

// The unit beside each field; the target angle's is the desktop's word for degrees.
const fieldUnits = { kv: "kV", inherent: "mm Al", al: "mm", cu: "mm", distance: "mm",
  "output-factor": "" };

export const models = ["tucker", "birch", "physics"];
export const rectifications = ["1", "2", "3"];

const checkedValue = (name) => document.querySelector(`input[name=${name}]:checked`)?.value;

export class ConditionsForm {
  // grid: the module's (grid()); defaults(model): the fields as a model starts them; changed(now):
  // called on every edit, now false while a number is typed (the caller waits for a pause).
  constructor(grid, defaults, changed) {
    // Every field's name, the distance's and output factor's last.
    this.names = [...grid.conditionNames, ...grid.outputNames];
    this.outputNames = grid.outputNames;
    this.absoluteModels = grid.absoluteModels;
    this.defaults = defaults;
    const edited = (place) => (now) => {
      this.clearRestored(place);
      this.clearRestored("conditions");
      changed(now);
    };
    this.filters = new FilterRows($("filter-rows"), $("add-filter"), grid.filterSlots,
      edited("filters"));
    for (const name of this.names) {
      const row = document.createElement("div");
      row.className = "field";
      row.innerHTML = `<label for="${name}" id="${name}-caption"></label>` +
        `<input id="${name}" type="text" inputmode="decimal" autocomplete="off" size="9" ` +
        `aria-describedby="${name}-message ${name}-note ${name}-restored">` +
        `<span class="unit" id="${name}-unit"></span>` +
        `<p class="message" id="${name}-message" role="alert"></p>` +
        `<p class="note corrected" id="${name}-note" role="status"></p>` +
        `<p class="note restored" id="${name}-restored"></p>`;
      $(this.outputNames.includes(name) ? "output-fields" : "fields").append(row);
      $(name).addEventListener("input", () => edited(name)(false));
    }
    for (const input of document.querySelectorAll("input[name=rectification]")) {
      input.addEventListener("change", () => edited("rectification")(true));
    }
    // A model keeps the conditions typed, except a target angle left at the last model's default.
    this.shownModel = null;
    for (const input of document.querySelectorAll("input[name=model]")) {
      input.addEventListener("change", () => {
        if ($("angle").value.trim() === defaults(this.shownModel).angle) {
          $("angle").value = defaults(input.value).angle;
        }
        this.showModelFields();
        edited("model")(true);
      });
    }
  }

  choices() {
    return { model: checkedValue("model"), rectification: checkedValue("rectification") };
  }

  // Whether the chosen model has an absolute output, and so takes the distance and output factor.
  takesOutput() {
    return this.absoluteModels.includes(this.choices().model);
  }

  // The distance and output factor show for a model that takes them, and only then are they
  // computed, refused and kept in the address.
  showModelFields() {
    this.shownModel = this.choices().model;
    $("output-fields").hidden = !this.takesOutput();
  }

  fieldTexts() {
    const used = this.takesOutput() ? this.names
      : this.names.filter((name) => !this.outputNames.includes(name));
    return Object.fromEntries(used.map((name) => [name, $(name).value]));
  }

  // What the module computes: { conditions: { model, rectification, each field's text, filters:
  // [{ file, thickness }] }, rows }, rows[i] the element of filter i.
  request() {
    const inUse = this.filters.inUse();
    return {
      conditions: { ...this.choices(), ...this.fieldTexts(), filters: inUse.map((f) => f.filter) },
      rows: inUse.map((f) => f.row),
    };
  }

  // The conditions as an address names them.
  saved() {
    return { ...this.choices(), ...this.fieldTexts(), filters: this.filters.saved() };
  }

  // Shows conditions as read from an address or remembered: what is missing takes the model's
  // default, a model or rectification that is not one the default.
  show(conditions) {
    const model = models.includes(conditions.model) ? conditions.model : models[0];
    const defaults = this.defaults(model);
    document.querySelector(`input[name=model][value=${model}]`).checked = true;
    const rectification = rectifications.includes(String(conditions.rectification))
      ? String(conditions.rectification) : rectifications[0];
    document.querySelector(`input[name=rectification][value="${rectification}"]`).checked = true;
    for (const name of this.names) {
      $(name).value = conditions[name] ?? defaults[name];
    }
    this.showModelFields();
    this.filters.show(Array.isArray(conditions.filters) ? conditions.filters : []);
  }

  // The model's default of a field, shown in it.
  showDefault(name) {
    const value = this.defaults(this.choices().model)[name];
    $(name).value = value;
    return value;
  }

  clearFlags() {
    for (const name of this.names) {
      $(`${name}-message`).textContent = "";
      $(`${name}-note`).textContent = "";
      $(name).removeAttribute("aria-invalid");
      $(name).classList.remove("corrected");
    }
    this.filters.clearFlags();
  }

  // A refusal beside the field that caused it.
  flag(name, message) {
    $(`${name}-message`).textContent = message;
    $(name).setAttribute("aria-invalid", "true");
  }

  // A field whose value the calculation corrected (the tube voltage into its range), with the
  // desktop's message.
  correct(name, message) {
    $(`${name}-note`).textContent = message;
    $(name).classList.add("corrected");
  }

  // A note on what was restored, on a field, "model", "rectification", "filters" or "conditions"
  // (the form as a whole), in the language it was written in.
  showRestored(place, text, language) {
    const note = $(`${place}-restored`);
    note.textContent = text;
    note.lang = language;
  }

  clearRestored(place) {
    $(`${place}-restored`).textContent = "";
  }

  // captions: the module's, in the page's language; shipped: the shipped materials so named.
  speak(captions, words, shipped) {
    for (const name of this.names) {
      $(`${name}-caption`).textContent = captions[name];
      $(`${name}-unit`).textContent = fieldUnits[name] ?? captions.degrees;
    }
    captions.rectifications.forEach((text, i) => {
      $(`rectification-${i + 1}`).textContent = text;
    });
    this.filters.speak(captions, words, shipped);
  }
}
