// The filter rows (up to the module's filterSlots): a material, shipped or opened from disk, and
// its thickness.

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

  // The filters as typed: [{ file, thickness }], file a path in the module's file system.
  read() {
    return this.rows().map((row) => ({
      file: row.querySelector("select").value,
      thickness: row.querySelector("input").value,
    }));
  }

  show(filters) {
    this.box.replaceChildren();
    for (const filter of filters.slice(0, this.slots)) {
      this.add(filter);
    }
    this.renumber();
  }

  makeRow(index) {
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
    row.querySelector("select").addEventListener("change", () => this.changed(true));
    row.querySelector("input").addEventListener("input", () => this.changed(false));
    row.querySelector(".remove").addEventListener("click", () => {
      row.remove();
      this.renumber();
      this.changed(true);
      this.addButton.focus();
    });
    return row;
  }

  renumber() {
    this.rows().forEach((row, i) => {
      const index = i + 1;
      const select = row.querySelector("select");
      const thickness = row.querySelector("input");
      row.querySelector(".filter-caption").htmlFor = select.id = `filter${index}-material`;
      row.querySelector(".thickness-caption").htmlFor = thickness.id = `filter${index}-thickness`;
      row.querySelector(".message").id = `filter${index}-message`;
      thickness.setAttribute("aria-describedby", `filter${index}-message`);
    });
    this.addButton.disabled = this.rows().length >= this.slots;
    this.captionRows();
  }

  // A new row (null when every slot is taken).
  add(filter = { file: "", thickness: "" }) {
    if (this.rows().length >= this.slots) {
      return null;
    }
    const row = this.makeRow(this.rows().length + 1);
    this.box.append(row);
    this.renumber();
    this.fillMaterials(row.querySelector("select"), filter.file);
    row.querySelector("input").value = filter.thickness;
    return row;
  }

  // The filter's material by the name the address gives it: a file opened here, else a shipped one.
  materialPath(fileName) {
    const opened = this.opened.find((m) => m.file.split("/").pop() === fileName);
    return opened ? opened.file : fileName ? `/data/${fileName}` : "";
  }

  fillMaterials(select, chosenPath) {
    const chosen = chosenPath && !chosenPath.startsWith("/") ? this.materialPath(chosenPath)
      : chosenPath;
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
        group.append(new Option(`${material.name} (${material.file.split("/").pop()})`,
          material.file));
      }
      select.append(group);
    }
    // A material named by an address that is neither shipped nor opened: the calculation says so.
    if (chosen && ![...select.options].some((o) => o.value === chosen)) {
      select.append(new Option(chosen.split("/").pop(), chosen));
    }
    select.value = chosen || "";
  }

  // A material file the module has read: listed in every row, and put into the first row
  // without a material (or a new one), whose thickness then takes the focus.
  addOpened(material) {
    this.opened = this.opened.filter((m) => m.file !== material.file);
    this.opened.push({ file: material.file, name: material.name });
    for (const select of this.box.querySelectorAll("select")) {
      this.fillMaterials(select, select.value);
    }
    const row = this.rows().find((r) => !r.querySelector("select").value) ?? this.add();
    if (row) {
      row.querySelector("select").value = material.file;
      row.querySelector("input").focus();
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
      const select = row.querySelector("select");
      this.fillMaterials(select, select.value);
    }
  }
}
