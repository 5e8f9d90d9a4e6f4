// The filter rows (up to the module's filterSlots): a material, shipped or opened from disk, and
// its thickness. A new row counts once it has been touched (edited, or left by the focus), so
// that adding one is not an error in itself. A row may name a material file that is not open in
// the page (an address, or a visit before, named it): it says so, is left out of the results
// and is linked again when a file of that name is opened.

const fileNameOf = (path) => path.split("/").pop();

export class FilterRows {
  // box: the rows' element; addButton: the command that adds one; changed(now): called on every
  // edit, now false while a thickness is typed.
  constructor(box, addButton, slots, changed) {
    this.box = box;
    this.addButton = addButton;
    this.slots = slots;
    this.changed = changed;
    this.shipped = [];
    this.opened = [];  // materials the user opened: { file, name }
    this.captions = null;
    this.words = null;
  }

  rows() {
    return [...this.box.children];
  }

  // The rows the module computes, each with its filter { file, thickness } (file a path in the
  // module's file system): all but a new row not yet touched and a row whose file is not open.
  inUse() {
    return this.rows().filter((row) => row.dataset.touched && !row.missingName).map((row) => ({
      row,
      filter: { file: row.querySelector("select").value, thickness: this.thickness(row).value },
    }));
  }

  // The filters as an address names them: [{ file: "Name.ele", thickness }].
  saved() {
    return this.rows().filter((row) => row.dataset.touched).map((row) => ({
      file: this.fileName(row),
      thickness: this.thickness(row).value,
    }));
  }

  // The file name of the row's material (of its path, or the one not open).
  fileName(row) {
    return row.missingName ?? fileNameOf(row.querySelector("select").value);
  }

  thickness(row) {
    return row.querySelector("input");
  }

  // Rows of filters as an address names them; each counts as touched.
  show(filters) {
    this.box.replaceChildren();
    for (const filter of filters.slice(0, this.slots)) {
      this.add(filter).dataset.touched = "true";
    }
  }

  makeRow() {
    const row = document.createElement("div");
    row.className = "filter-row";
    row.innerHTML =
      `<label class="filter-caption"></label><select></select>` +
      `<p class="message material-message" role="alert"></p>` +
      `<p class="note restored"></p>` +
      `<label class="thickness-caption"></label>` +
      `<span class="thickness"><input type="text" inputmode="decimal" size="7" ` +
      `autocomplete="off"> <span class="unit">mm</span> ` +
      `<button type="button" class="remove"></button></span>` +
      `<p class="message thickness-message" role="alert"></p>`;
    const touch = (now) => {
      row.dataset.touched = "true";
      this.changed(now);
    };
    row.querySelector("select").addEventListener("change", () => {
      row.missingName = null;
      this.fillMaterials(row);
      touch(true);
    });
    this.thickness(row).addEventListener("input", () => touch(false));
    row.addEventListener("focusout", (event) => {
      if (!row.dataset.touched && row.isConnected && !row.contains(event.relatedTarget)) {
        touch(true);
      }
    });
    row.querySelector(".remove").addEventListener("click", () => {
      row.remove();
      this.renumber();
      this.changed(true);
      this.addButton.focus();
    });
    return row;
  }

  // A row as an address names its filter: "Name.ele:mm".
  describe(row) {
    return `${this.fileName(row)}:${this.thickness(row).value}`;
  }

  drop(rows) {
    for (const row of rows) {
      row.remove();
    }
    this.renumber();
  }

  renumber() {
    this.rows().forEach((row, i) => {
      const id = `filter${i + 1}`;
      const select = row.querySelector("select");
      const thickness = this.thickness(row);
      row.querySelector(".filter-caption").htmlFor = select.id = `${id}-material`;
      row.querySelector(".thickness-caption").htmlFor = thickness.id = `${id}-thickness`;
      row.querySelector(".material-message").id = `${id}-material-message`;
      row.querySelector(".thickness-message").id = `${id}-thickness-message`;
      row.querySelector(".restored").id = `${id}-note`;
      select.setAttribute("aria-describedby", `${id}-material-message ${id}-note`);
      thickness.setAttribute("aria-describedby", `${id}-thickness-message`);
    });
    this.addButton.disabled = this.rows().length >= this.slots;
    this.captionRows();
  }

  // A new row (null when every slot is taken); file a file name, as an address gives it.
  add({ file = "", thickness = "" } = {}) {
    if (this.rows().length >= this.slots) {
      return null;
    }
    const row = this.makeRow();
    const path = file ? this.materialPath(String(file)) : "";
    row.missingName = path === null ? String(file) : null;
    this.box.append(row);
    this.renumber();
    this.fillMaterials(row, path ?? "");
    this.thickness(row).value = thickness;
    return row;
  }

  // The path of a material by its file name: a file opened here, else a shipped one; null when
  // neither has that name.
  materialPath(fileName) {
    const material = [...this.opened, ...this.shipped].find((m) => fileNameOf(m.file) === fileName);
    return material ? material.file : null;
  }

  fillMaterials(row, chosen = row.querySelector("select").value) {
    const select = row.querySelector("select");
    select.replaceChildren();
    select.append(new Option(this.words.noMaterial, ""));
    const groups = [[this.words.openedGroup, this.opened], [this.words.shippedGroup, this.shipped]];
    for (const [caption, materials] of groups) {
      if (!materials.length) {
        continue;
      }
      const group = document.createElement("optgroup");
      group.label = caption;
      for (const material of materials) {
        group.append(new Option(`${material.name} (${fileNameOf(material.file)})`, material.file));
      }
      select.append(group);
    }
    if (row.missingName) {
      select.append(new Option(this.words.notOpenOption(row.missingName), "", true, true));
    } else {
      select.value = chosen;
    }
    this.showMissing(row);
  }

  // Says of a row whose file is not open that it is left out, on its material list.
  showMissing(row) {
    const note = row.querySelector(".restored");
    note.textContent = row.missingName ? this.words.notOpen(row.missingName) : "";
    const select = row.querySelector("select");
    if (row.missingName) {
      select.setAttribute("aria-invalid", "true");
    } else {
      select.removeAttribute("aria-invalid");
    }
  }

  // A refusal on the row's material list or thickness (part), beside it.
  flag(row, part, message) {
    const control = part === "material" ? row.querySelector("select") : this.thickness(row);
    row.querySelector(`.${part}-message`).textContent = message;
    control.setAttribute("aria-invalid", "true");
  }

  clearFlags() {
    for (const row of this.rows()) {
      for (const message of row.querySelectorAll(".message")) {
        message.textContent = "";
      }
      this.thickness(row).removeAttribute("aria-invalid");
      this.showMissing(row);
    }
  }

  // A material file the module has read, listed in every row. Rows that name its file take it;
  // else, unless a row has it already, the first row without a material (or a new one) takes it
  // and its thickness the focus.
  addOpened(material) {
    this.opened = this.opened.filter((m) => m.file !== material.file);
    this.opened.push({ file: material.file, name: material.name });
    const name = fileNameOf(material.file);
    const relinked = this.rows().filter((row) => row.missingName === name);
    for (const row of this.rows()) {
      if (relinked.includes(row)) {
        row.missingName = null;
        this.fillMaterials(row, material.file);
      } else {
        this.fillMaterials(row);
      }
    }
    const selects = this.rows().map((row) => row.querySelector("select"));
    if (relinked.length || selects.some((select) => select.value === material.file)) {
      return;
    }
    const row = this.rows().find((r) => !r.missingName && !r.querySelector("select").value) ??
      this.add();
    if (row) {
      row.querySelector("select").value = material.file;
      row.dataset.touched = "true";
      this.thickness(row).focus();
    }
  }

  // captions: the module's (captions()) in the page's language; words: the page's own;
  // shipped: the shipped materials as named in that language.
  speak(captions, words, shipped) {
    this.captions = captions;
    this.words = words;
    this.shipped = shipped;
    this.captionRows();
  }

  captionRows() {
    if (!this.captions) {
      return;
    }
    for (const row of this.rows()) {
      row.querySelector(".filter-caption").textContent = this.captions.material;
      row.querySelector(".thickness-caption").textContent = this.captions.thickness;
      row.querySelector(".remove").textContent = this.words.removeFilter;
      this.fillMaterials(row);
    }
  }
}
