// The results of a beam: the two lines at the beam centre (and their compact copy at the top of
// a phone's screen) and the absolute output's of a model that has one, the beam-quality table of
// every angle (with the absolute output, or the note why a model has none), whether they still match the fields,
// and the commands on them (the downloads and Copy). Results that no longer match the fields are
// marked wherever they show, and nothing is copied or saved of them.
import { $, copyText, saveFile } from "./dom.js";

// Of the results shown: offered only while they match the fields.
const resultCommands = ["download-csv", "download-table", "download-png", "copy-table"];
// Of the fields: offered once the page has results.
const fieldCommands = ["match"];
// Where results show, each marked when they no longer match the fields.
const resultPlaces = ["results", "summary", "graph-section", "quality"];

export class ResultsView {
  constructor(grid) {
    this.centralAngle = grid.centralAngle;
    this.hasResult = false;
    this.stale = false;
    this.tsv = "";
    this.words = null;
    this.enableCommands();
  }

  // beam: { hvl, fluence, output? }, the module's lines (calculate()).
  showBeam(beam) {
    for (const [line, text] of [["hvl", beam.hvl], ["fluence", beam.fluence]]) {
      $(line).textContent = text;
      $(`summary-${line}`).textContent = text;
    }
    $("output").replaceChildren(...(beam.output ?? []).map((text) => {
      const line = document.createElement("p");
      line.textContent = text;
      return line;
    }));
    this.hasResult = true;
    this.setStale(false);
  }

  // Marks the results shown as not those of the fields (once there are results).
  setStale(stale) {
    this.stale = stale && this.hasResult;
    for (const place of resultPlaces) {
      $(place).classList.toggle("stale", this.stale);
    }
    this.showStaleNotes();
    this.enableCommands();
  }

  showStaleNotes() {
    $("stale-note").textContent = this.stale ? this.words.stale : "";
    for (const note of document.querySelectorAll(".stale-mark")) {
      note.textContent = this.stale ? this.words.staleShort : "";
    }
  }

  enableCommands() {
    for (const id of resultCommands) {
      $(id).disabled = !this.hasResult || this.stale;
    }
    for (const id of fieldCommands) {
      $(id).disabled = !this.hasResult;
    }
  }

  showMessage(message) {
    $("results-message").textContent = message;
  }

  clearMessages() {
    $("results-message").textContent = "";
    $("download-message").textContent = "";
  }

  // table: the module's figureTable() (a row of texts for each angle, the note why there is no
  // absolute output and the tab-separated text Copy gives); columns: the module's captions of
  // its columns.
  showFigures(table, columns) {
    const head = document.createElement("tr");
    head.append(document.createElement("td"));
    for (const caption of columns) {
      const cell = document.createElement("th");
      cell.scope = "col";
      cell.innerText = caption;
      head.append(cell);
    }
    const rows = table.rows.map((cells, index) => {
      const row = document.createElement("tr");
      row.classList.toggle("centre", index === this.centralAngle);
      cells.forEach((text, column) => {
        const cell = document.createElement(column === 0 ? "th" : "td");
        if (column === 0) {
          cell.scope = "row";
        }
        cell.textContent = text;
        row.append(cell);
      });
      return row;
    });
    $("figures").replaceChildren(head, ...rows);
    $("output-note").textContent = table.note;
    this.tsv = table.tsv;
  }

  // The spectrum export of the module's last run, or the message why it cannot be written.
  downloadCsv(module) {
    const exported = module.exportFile();
    if (!exported.ok) {
      $("download-message").textContent = exported.message;
      return;
    }
    saveFile(exported.bytes, "spectrum.csv", "text/csv");
  }

  downloadTable(module) {
    saveFile(module.tableText(), "spectrum-table.txt", "text/plain");
  }

  // copied: the module's word for it, shown once the table is on the clipboard.
  async copyTable(copied) {
    await copyText(this.tsv);
    $("copy-message").textContent = copied;
  }
}

// The graph as a PNG at twice its size on the screen, without the cursor; legend: the entries
// ({ colour, text }) of the beams compared, written under it, so that the picture says which
// curve is which.
const legendLineHeight = 18;

export function downloadGraphPng(graph, legend) {
  const canvas = document.createElement("canvas");
  const area = graph.plotArea();
  const scale = 2;
  const legendHeight = legend.length ? legend.length * legendLineHeight + 8 : 0;
  canvas.width = area.width * scale;
  canvas.height = (area.height + legendHeight) * scale;
  const context = canvas.getContext("2d");
  const saved = graph.cursorBin;
  graph.cursorBin = null;
  graph.draw(context, scale);
  graph.cursorBin = saved;
  graph.drawLegend(context, legend, area.height, legendLineHeight);
  canvas.toBlob((blob) => saveFile(blob, "spectrum.png", "image/png"), "image/png");
}
