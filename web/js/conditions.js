// The conditions: the model, the condition fields (one for each of the module's names), the
// rectification and the filter rows; what they say as a whole, and the refusals and notes shown
// beside each field.
import { $ } from "./dom.js";
import { FilterRows } from "./filters.js";

// The unit beside each field; the target angle's is the desktop's word for degrees.
const fieldUnits = { kv: "kV", inherent: "mm Al", al: "mm", cu: "mm" };

const checkedValue = (name) => document.querySelector(`input[name=${name}]:checked`)?.value;

export class ConditionsForm {
  // grid: the module's (grid()); defaults(model): the fields as a model starts them; changed(now):
  // called on every edit, now false while a number is typed (the caller waits for a pause).
  constructor(grid, defaults, changed) {
    this.names = grid.conditionNames;
    this.defaults = defaults;
    this.filters = new FilterRows($("filter-rows"), $("add-filter"), grid.filterSlots, changed);
    for (const name of this.names) {
      const row = document.createElement("div");
      row.className = "field";
      row.innerHTML = `<label for="${name}" id="${name}-caption"></label>` +
        `<input id="${name}" type="text" inputmode="decimal" autocomplete="off" size="9" ` +
        `aria-describedby="${name}-message ${name}-note">` +
        `<span class="unit" id="${name}-unit"></span>` +
        `<p class="message" id="${name}-message" role="alert"></p>` +
        `<p class="note" id="${name}-note"></p>`;
      $("fields").append(row);
      $(name).addEventListener("input", () => changed(false));
    }
    for (const input of document.querySelectorAll("input[name=rectification]")) {
      input.addEventListener("change", () => changed(true));
    }
    // A model keeps the conditions typed, except a target angle left at the other model's default.
    for (const input of document.querySelectorAll("input[name=model]")) {
      input.addEventListener("change", () => {
        const other = input.value === "tucker" ? "birch" : "tucker";
        if ($("angle").value.trim() === defaults(other).angle) {
          $("angle").value = defaults(input.value).angle;
        }
        changed(true);
      });
    }
  }

  // { model, rectification, filters: [{ file, thickness }], and each field's text }
  read() {
    const conditions = {
      model: checkedValue("model"),
      rectification: checkedValue("rectification"),
      filters: this.filters.read(),
    };
    for (const name of this.names) {
      conditions[name] = $(name).value;
    }
    return conditions;
  }

  // Shows conditions as read from an address or remembered: what is missing takes the model's
  // default, a model or rectification that is not one the first.
  show(conditions) {
    const model = conditions.model === "birch" ? "birch" : "tucker";
    const defaults = this.defaults(model);
    document.querySelector(`input[name=model][value=${model}]`).checked = true;
    const rectification = ["1", "2", "3"].includes(String(conditions.rectification))
      ? String(conditions.rectification) : "1";
    document.querySelector(`input[name=rectification][value="${rectification}"]`).checked = true;
    for (const name of this.names) {
      $(name).value = conditions[name] ?? defaults[name];
    }
    this.filters.show(conditions.filters || []);
  }

  clearFlags() {
    for (const element of document.querySelectorAll("#conditions .message")) {
      element.textContent = "";
    }
    for (const element of document.querySelectorAll("#conditions [aria-invalid]")) {
      element.removeAttribute("aria-invalid");
    }
    for (const name of this.names) {
      $(`${name}-note`).textContent = "";
    }
  }

  // Whether `place` (a field's name or filterN) is one of the form's.
  has(place) {
    return $(`${place}-message`)?.closest("#conditions") != null;
  }

  // A refusal beside the field or filter row that caused it.
  flag(place, message) {
    $(`${place}-message`).textContent = message;
    ($(place) ?? $(`${place}-thickness`))?.setAttribute("aria-invalid", "true");
  }

  note(name, text) {
    $(`${name}-note`).textContent = text;
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
