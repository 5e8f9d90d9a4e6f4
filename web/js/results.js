// The results of a beam: the two lines at the beam centre, the beam-quality table of every angle,
// whether they still match the fields, and the commands on them (the downloads and Copy).
import { $, saveFile } from "./dom.js";

const commands = ["download-csv", "download-table", "download-png", "copy-table", "match"];

export class ResultsView {
  constructor(grid) {
    this.centralAngle = grid.centralAngle;
    this.hasResult = false;
    this.tsv = "";
    this.words = null;
    this.enableCommands(false);
  }

  // beam: { hvl, fluence }, the module's lines (calculate()).
  showBeam(beam) {
    $("hvl").textContent = beam.hvl;
    $("fluence").textContent = beam.fluence;
    this.hasResult = true;
    this.setStale(false);
    this.enableCommands(true);
  }

  // Marks the results shown as not those of the fields (once there are results).
  setStale(stale) {
    const marked = stale && this.hasResult;
    $("results").classList.toggle("stale", marked);
    $("stale-note").textContent = marked ? this.words.stale : "";
  }

  enableCommands(enabled) {
    for (const id of commands) {
      $(id).disabled = !enabled;
    }
  }

  showMessage(message) {
    $("results-message").textContent = message;
  }

  clearMessages() {
    $("results-message").textContent = "";
    $("download-message").textContent = "";
  }

  // table: the module's figureTable() (a row of texts for each angle and the tab-separated
  // text Copy gives); columns: the module's captions of its columns.
  showFigures(table, columns) {
    const head = document.createElement("tr");
    head.append(document.createElement("th"));
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
    try {
      await navigator.clipboard.writeText(this.tsv);
    } catch {
      const area = document.createElement("textarea");
      area.value = this.tsv;
      document.body.append(area);
      area.select();
      document.execCommand("copy");
      area.remove();
    }
    $("copy-message").textContent = copied;
  }
}

// The graph as a PNG at twice its size on the screen, without the cursor.
export function downloadGraphPng(graph) {
  const canvas = document.createElement("canvas");
  const area = graph.plotArea();
  const scale = 2;
  canvas.width = area.width * scale;
  canvas.height = area.height * scale;
  const saved = graph.cursorBin;
  graph.cursorBin = null;
  graph.draw(canvas.getContext("2d"), scale);
  graph.cursorBin = saved;
  canvas.toBlob((blob) => saveFile(blob, "spectrum.png", "image/png"), "image/png");
}
