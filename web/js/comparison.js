// Beams kept for comparison, up to the module's grid().mostKeptBeams: each by its own query (as
// the address keeps it) with what the module computed of it (compareBeam()): its conditions in
// short, its beam-centre figures and curves, or why it cannot be computed. A kept beam is a
// stored result of its own conditions: it is computed again only when the language changes or
// a material file is opened, never as the fields are typed. The table's last row is the
// fields' beam (compareLastRun()), marked when it is not that of the fields.
import { conditionsFromQuery } from "./address.js";
import { $ } from "./dom.js";

// A caption's "%1" is a kept beam's number (or a file's name).
const numbered = (caption, number) => caption.replace("%1", String(number));

// A spreadsheet's field: quoted when it holds a comma, a quote or a line end. The module refuses
// every material whose name would start a formula, so no conditions text starts one.
const csvField = (text) => (/[",\r\n]/.test(text) ? `"${text.replaceAll('"', '""')}"` : text);

export class Comparison {
  // module: the calculator; grid: its grid(); colours: a colour for each kept beam's curve and
  // the fields' beam-centre curve's (live); materialPath(name): the module's path of a material
  // file by its name, or null when it is not open; makeCurrent(conditions): puts conditions into
  // the fields; changed(): called when the kept beams change.
  constructor(module, grid, { colours, live }, { materialPath, makeCurrent, changed }) {
    this.module = module;
    this.grid = grid;
    this.colours = colours;
    this.liveColour = live;
    this.materialPath = materialPath;
    this.makeCurrent = makeCurrent;
    this.changed = changed;
    this.kept = [];  // { query, beam }
    this.current = null;  // compareLastRun() of the fields' last result
    this.stale = false;
    this.captions = null;
    this.words = null;
  }

  // What the module computes of a beam's query: its conditions, fields left out at the model's
  // defaults, filters by the module's paths; or the refusal of a filter whose file is not open.
  compute(query) {
    const conditions = conditionsFromQuery(query, this.grid.conditionNames,
      this.grid.filterSlots) ?? { filters: [] };
    const filters = [];
    for (const { file, thickness } of conditions.filters) {
      const path = this.materialPath(file);
      if (path === null) {
        return { ok: false, message: numbered(this.captions.notOpen, file) };
      }
      filters.push({ file: path, thickness });
    }
    return this.module.compareBeam({ ...this.module.defaults(conditions.model ?? ""),
      ...conditions, filters });
  }

  queries() {
    return this.kept.map((kept) => kept.query);
  }

  full() {
    return this.kept.length >= this.grid.mostKeptBeams;
  }

  // Beams from the address or the last visit, as many as can be kept.
  restore(queries) {
    this.kept = queries.slice(0, this.grid.mostKeptBeams)
      .map((query) => ({ query, beam: this.compute(String(query)) }));
  }

  // Every kept beam computed again (in a new language, or once a material file is opened);
  // only those that could not be computed when `failedOnly`.
  recompute(failedOnly = false) {
    for (const kept of this.kept) {
      if (!failedOnly || !kept.beam.ok) {
        kept.beam = this.compute(kept.query);
      }
    }
    this.show();
  }

  // The fields' beam as its query and the module's comparison of its last run.
  keep(query) {
    if (this.full() || !this.current || this.stale) {
      return;
    }
    this.kept.push({ query, beam: this.current });
    this.show();
    this.changed();
  }

  remove(index) {
    this.kept.splice(index, 1);
    this.show();
    this.changed();
  }

  // current: compareLastRun() of the fields' new result.
  showCurrent(current) {
    this.current = current;
    this.stale = false;
    this.show();
  }

  setStale(stale) {
    this.stale = stale && this.current !== null;
    this.show();
  }

  // The curves the graph draws beside the fields' own: each kept beam's that was computed.
  curves() {
    return this.kept.flatMap(({ beam }, index) => (beam.ok
      ? [{ label: `#${index + 1}`, colour: this.colours[index], beam }] : []));
  }

  speak(captions, words) {
    this.captions = captions;
    this.words = words;
    this.recompute();
  }

  // The table's rows as texts: the number (or the fields' word), the conditions and figures.
  rows() {
    const rows = this.kept.map(({ beam }, index) => [`#${index + 1}`,
      ...(beam.ok ? [beam.conditions, ...beam.figures] : [beam.message])]);
    if (this.current) {
      rows.push([this.captions.current, this.stale ? this.words.staleShort
        : this.current.conditions, ...this.current.figures]);
    }
    return rows;
  }

  head() {
    return [this.captions.beam, this.captions.beamConditions, ...this.captions.comparedColumns];
  }

  show() {
    if (!this.captions) {
      return;
    }
    $("keep").disabled = this.full() || !this.current || this.stale;
    $("compare-box").hidden = this.kept.length === 0;
    const head = document.createElement("tr");
    for (const caption of [...this.head(), ""]) {
      const cell = document.createElement(caption ? "th" : "td");
      cell.scope = "col";
      cell.innerText = caption;
      head.append(cell);
    }
    // The table is made anew: a command that had the focus keeps it.
    const buttons = () => [...$("compare").querySelectorAll("button")];
    const focused = buttons().indexOf(document.activeElement);
    const rows = this.rows().map((cells, index) => this.row(cells, index));
    $("compare").replaceChildren(head, ...rows);
    if (focused >= 0) {
      (buttons()[focused] ?? $("keep")).focus();
    }
    this.showLegend();
  }

  // The graph's legend, { colour, text }: each kept beam drawn, then the fields' beam; none
  // while no beam is kept.
  legend() {
    const kept = this.curves().map(({ label, colour, beam }) =>
      ({ colour, text: `${label} ${beam.conditions}` }));
    if (!kept.length || !this.current) {
      return kept;
    }
    return [...kept, { colour: this.liveColour, text: `${this.captions.current}: ${
      this.stale ? this.words.staleShort : this.current.conditions}` }];
  }

  showLegend() {
    const items = this.legend().map(({ colour, text }) => {
      const item = document.createElement("li");
      const mark = document.createElement("span");
      mark.className = "mark";
      item.style.setProperty("--colour", colour);
      item.append(mark, text);
      return item;
    });
    $("graph-legend").replaceChildren(...items);
    $("graph-legend").hidden = items.length === 0;
  }

  // A kept beam's row with its colour, figures (or why there are none) and commands; the
  // fields' row last.
  row(cells, index) {
    const row = document.createElement("tr");
    const kept = index < this.kept.length;
    const number = document.createElement("th");
    number.scope = "row";
    number.textContent = cells[0];
    number.style.setProperty("--colour", kept ? this.colours[index] : "transparent");
    row.append(number);
    for (const text of cells.slice(1)) {
      const cell = document.createElement("td");
      cell.textContent = text;
      row.append(cell);
    }
    if (kept && !this.kept[index].beam.ok) {
      row.lastChild.colSpan = this.captions.comparedColumns.length + 1;
      row.lastChild.className = "message";
    }
    const commands = document.createElement("td");
    commands.className = "commands";
    if (kept) {
      commands.append(
        this.button(this.captions.makeCurrent, numbered(this.captions.makeCurrentBeam, index + 1),
          () => this.makeCurrent(this.conditionsOf(index))),
        this.button(this.captions.remove, numbered(this.captions.removeBeam, index + 1),
          () => this.removeAndFocus(index)));
    } else {
      row.className = this.stale ? "current stale" : "current";
    }
    row.append(commands);
    return row;
  }

  button(text, label, action) {
    const button = document.createElement("button");
    button.type = "button";
    button.textContent = text;
    button.setAttribute("aria-label", label);
    button.addEventListener("click", action);
    return button;
  }

  // Removes a row; the focus goes to the next row's same command, else to Keep.
  removeAndFocus(index) {
    this.remove(index);
    const buttons = $("compare").querySelectorAll("tr:not(.current) .commands button:last-child");
    (buttons[Math.min(index, buttons.length - 1)] ?? $("keep")).focus();
  }

  conditionsOf(index) {
    return conditionsFromQuery(this.kept[index].query, this.grid.conditionNames,
      this.grid.filterSlots) ?? { filters: [] };
  }

  // The table as tab-separated text, as Copy gives it.
  tsv() {
    return [this.head(), ...this.rows()].map((cells) => cells.join("\t") + "\n").join("");
  }

  // The compared spectra as one UTF-8 CSV: a header block with what the columns hold (the axis,
  // its scale) and each beam's conditions, then one row per energy bin with a column per beam,
  // the fields' last. axis: the caption of the quantity; axisIndex: 0, 1 or 2 (photon, energy,
  // kerma); perAirKerma: the scale; energy: the energy column's caption.
  csv({ axis, axisIndex, perAirKerma, scale, energy }) {
    const beams = [...this.kept.map(({ beam }, index) => ({ label: `#${index + 1}`, beam })),
      ...(this.current && !this.stale ? [{ label: this.captions.current, beam: this.current }]
        : [])].filter(({ beam }) => beam.ok);
    const bins = this.grid.binCount;
    const column = ({ beam }) => {
      const curves = perAirKerma ? beam.perAirKerma : beam.relative;
      return curves.length ? curves.subarray(axisIndex * bins, (axisIndex + 1) * bins) : null;
    };
    const columns = beams.map(column);
    const lines = [[this.captions.comparedSpectra], [axis, scale],
      ...beams.map(({ label, beam }) => [label, beam.conditions]), [],
      [energy, ...beams.map(({ label }) => label)]];
    for (let bin = 0; bin < bins; ++bin) {
      lines.push([String((bin + 1) * this.grid.binWidthKeV),
        ...columns.map((values) => (values ? String(values[bin]) : ""))]);
    }
    return "\uFEFF" + lines.map((cells) => cells.map(csvField).join(",") + "\r\n").join("");
  }
}
