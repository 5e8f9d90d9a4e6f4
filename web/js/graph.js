// The graph of the emission angles: each angle's curve on its own, one of three vertical axes,
// the desktop graph's colours (darkened where they are too light to see on the background), the
// energy and value under the pointer or the keyboard's cursor, redrawn at the size of its box.
// Curves that are not those of the fields are drawn dashed. Beside them, the beam-centre curves
// of the beams kept for comparison, each in its colour; on either scale: each run to its own
// peak, or the beam centre's per unit air kerma (which draws no other angle).

// The desktop graph draws each curve from its second bin on.
const firstDrawnBin = 2;
// Where the keyboard's cursor starts, and its step with Shift.
const keyboardStartKeV = 50;
const keyboardLongStepKeV = 10;
// The least contrast of a curve with the background that people can see (WCAG's for graphics),
// aimed at with a little to spare for rounding to whole levels.
const curveContrast = 3.05;
// The vertical axis's divisions.
const yDivisions = 5;

// The least of 1, 2, 2.5 and 5 times a power of ten that is not below `value`.
function niceCeiling(value) {
  const power = 10 ** Math.floor(Math.log10(value));
  return [1, 2, 2.5, 5, 10].map((m) => m * power).find((top) => value <= top * (1 + 1e-12));
}

// WCAG's relative luminance of a colour's linear levels, and its contrast between two.
const linear = (level) => (level <= 0.04045 ? level / 12.92 : ((level + 0.055) / 1.055) ** 2.4);
const gamma = (level) => (level <= 0.0031308 ? 12.92 * level : 1.055 * level ** (1 / 2.4) - 0.055);
const luminance = ([r, g, b]) => 0.2126 * r + 0.7152 * g + 0.0722 * b;
const levelsOf = (hex) => [1, 3, 5].map((i) => linear(parseInt(hex.slice(i, i + 2), 16) / 255));
const hexOf = (levels) => "#" + levels.map((level) =>
  Math.floor(gamma(level) * 255).toString(16).padStart(2, "0")).join("");

// `hex` as it is, or darkened (its linear levels scaled down alike, so that its hue stays) until
// it stands out against `background` by curveContrast.
export function visibleOn(background, hex) {
  const levels = levelsOf(hex);
  const wanted = (luminance(levelsOf(background)) + 0.05) / curveContrast - 0.05;
  if (luminance(levels) <= wanted) {
    return hex;
  }
  return hexOf(levels.map((level) => level * wanted / luminance(levels)));
}

// The kept beams' colours, told apart also by people who see colours differently (Okabe and
// Ito's), and apart from the angles' red, blue and green; darkened as the angles' where needed.
export const keptColours = ["#0072b2", "#e69f00", "#009e73", "#cc79a7", "#56b4e9", "#5a5a5a"];

export class SpectrumGraph {
  // colours: the desktop graph's, from the module (graphColours()): each angle's curve, -10
  // degrees first, and the frame's black, grid grey and background white. grid: the module's
  // energy bins and angles (grid()).
  constructor(canvas, readout, colours, grid) {
    this.canvas = canvas;
    this.readout = readout;
    this.colours = { ...colours,
      angles: colours.angles.map((colour) => visibleOn(colours.white, colour)) };
    this.binCount = grid.binCount;
    this.binWidthKeV = grid.binWidthKeV;
    this.topEnergyKeV = grid.binCount * grid.binWidthKeV;
    this.angleCount = grid.angleCount;
    this.centralAngle = grid.centralAngle;
    this.curves = null;
    // The fields' beam as compareLastRun() gives it, and the kept beams' curves, { label,
    // colour, beam }, beam as compareBeam() gives it.
    this.live = null;
    this.kept = [];
    this.scale = "peak";
    this.top = 1;
    this.axis = "photon";
    this.visible = Array.from({ length: grid.angleCount }, (_, i) => i === grid.centralAngle);
    this.cursorBin = null;
    // The curve the keyboard's cursor reads, by its key (↑ and ↓ choose it); the pointer reads
    // the nearest.
    this.cursorCurve = null;
    this.stale = false;
    this.words = null;
    this.captions = null;
    this.angleCaptions = [];
    canvas.tabIndex = 0;
    new ResizeObserver(() => this.draw()).observe(canvas.parentElement);
    canvas.addEventListener("pointermove", (event) => this.pointAt(event));
    canvas.addEventListener("pointerleave", () => this.setCursor(null));
    canvas.addEventListener("keydown", (event) => this.moveCursor(event));
    canvas.addEventListener("blur", () => this.setCursor(null));
  }

  plotArea() {
    const width = this.canvas.clientWidth;
    const height = this.canvas.clientHeight;
    return { left: 56, top: 14, right: width - 14, bottom: height - 42, width, height };
  }

  xOf(keV, area) {
    return area.left + (area.right - area.left) * keV / this.topEnergyKeV;
  }

  yOf(value, area) {
    return area.bottom - (area.bottom - area.top) * value / this.top;
  }

  axisIndex() {
    return ["photon", "energy", "kerma"].indexOf(this.axis);
  }

  // The heights of one angle's bins on the current axis, relative to the run's peak: the module
  // gives the three axes' curves of every angle in one array (curves()).
  heights(angleIndex) {
    const start = (this.axisIndex() * this.angleCount + angleIndex) * this.binCount;
    return this.curves.subarray(start, start + this.binCount);
  }

  // A beam's curve on the current axis and scale, of the module's comparison of it (the three
  // axes' beam-centre curves in one array); null for a beam without air kerma.
  beamCurve(beam) {
    const curves = this.scale === "kerma" ? beam.perAirKerma : beam.relative;
    const start = this.axisIndex() * this.binCount;
    return curves.length ? curves.subarray(start, start + this.binCount) : null;
  }

  // Every curve drawn, the fields' own first: { key, label, colour, width, dash, heights }.
  drawnCurves() {
    if (!this.curves) {
      return [];
    }
    const dash = this.stale ? [6, 4] : [];
    const angle = (index, heights) => ({ key: `angle${index}`, label: this.angleCaptions[index],
      colour: this.colours.angles[index], width: index === this.centralAngle ? 2 : 1.5, dash,
      heights });
    const live = this.scale === "peak"
      ? this.shownAngles().map((index) => angle(index, this.heights(index)))
      : [this.live && angle(this.centralAngle, this.beamCurve(this.live))];
    const kept = this.kept.map(({ label, colour, beam }) =>
      ({ key: label, label, colour, width: 2, dash: [], heights: this.beamCurve(beam) }));
    return [...live, ...kept].filter((curve) => curve?.heights);
  }

  // The top of the vertical axis: 1 for curves relative to their peak, else above the highest.
  topOf(curves) {
    if (this.scale === "peak") {
      return 1;
    }
    const highest = Math.max(0, ...curves.map(({ heights }) =>
      Math.max(...heights.subarray(firstDrawnBin - 1))));
    return highest > 0 ? niceCeiling(highest) : 1;
  }

  tickText(value) {
    if (this.scale === "peak") {
      return value.toFixed(1);
    }
    const plain = value === 0 || (this.top >= 0.01 && this.top < 1e4);
    return plain ? String(Number(value.toPrecision(3))) : value.toExponential(1);
  }

  // What the vertical axis counts: relative, or the unit per air kerma of the axis.
  axisTitle() {
    if (this.scale === "peak" || !this.captions) {
      return this.words.relative;
    }
    return this.captions[["photonPerKerma", "energyPerKerma", "kermaPerKerma"][this.axisIndex()]];
  }

  draw(context = null, scale = window.devicePixelRatio || 1) {
    const canvas = this.canvas;
    const area = this.plotArea();
    if (!context) {
      canvas.width = Math.round(area.width * scale);
      canvas.height = Math.round(area.height * scale);
      context = canvas.getContext("2d");
    }
    context.setTransform(scale, 0, 0, scale, 0, 0);
    context.fillStyle = this.colours.white;
    context.fillRect(0, 0, area.width, area.height);
    const curves = this.drawnCurves();
    this.top = this.topOf(curves);
    this.drawFrame(context, area);
    for (const curve of curves) {
      this.drawCurve(context, area, curve);
    }
    this.drawCursor(context, area);
  }

  drawFrame(context, area) {
    context.strokeStyle = this.colours.grey;
    context.fillStyle = this.colours.black;
    context.lineWidth = 1;
    context.font = "12px sans-serif";
    context.textAlign = "center";
    context.textBaseline = "top";
    const narrow = area.right - area.left < 360;
    for (let keV = 0; keV <= this.topEnergyKeV; keV += 10) {
      const x = Math.round(this.xOf(keV, area)) + 0.5;
      context.beginPath();
      context.moveTo(x, area.bottom);
      context.lineTo(x, area.bottom + 4);
      context.stroke();
      if (!narrow || keV % 30 === 0) {
        context.fillText(String(keV), x, area.bottom + 6);
      }
    }
    context.textAlign = "right";
    context.textBaseline = "middle";
    for (let step = 0; step <= yDivisions; ++step) {
      const value = this.top * step / yDivisions;
      const y = Math.round(this.yOf(value, area)) + 0.5;
      context.beginPath();
      context.moveTo(area.left - 4, y);
      context.lineTo(area.left, y);
      context.stroke();
      context.fillText(this.tickText(value), area.left - 6, y);
    }
    context.strokeStyle = this.colours.black;
    context.strokeRect(area.left + 0.5, area.top + 0.5, area.right - area.left, area.bottom - area.top);
    if (this.words) {
      context.textAlign = "center";
      context.textBaseline = "bottom";
      context.fillText(this.words.energy, (area.left + area.right) / 2, area.height - 2);
      context.save();
      context.translate(14, (area.top + area.bottom) / 2);
      context.rotate(-Math.PI / 2);
      context.textBaseline = "middle";
      context.fillText(this.axisTitle(), 0, 0);
      context.restore();
    }
  }

  // A step outline, as the desktop graph draws it.
  drawCurve(context, area, { heights, colour, width: lineWidth, dash }) {
    const width = this.binWidthKeV;
    context.strokeStyle = colour;
    context.lineWidth = lineWidth;
    context.setLineDash(dash);
    context.beginPath();
    context.moveTo(this.xOf(width * (firstDrawnBin - 0.5), area), area.bottom);
    for (let bin = firstDrawnBin; bin <= heights.length; ++bin) {
      const y = this.yOf(heights[bin - 1], area);
      context.lineTo(this.xOf(width * (bin - 0.5), area), y);
      context.lineTo(this.xOf(width * (bin + 0.5), area), y);
    }
    context.stroke();
    context.setLineDash([]);
  }

  // Lines of { colour, text } from `top` down on the background, each after a mark in its
  // colour.
  drawLegend(context, entries, top, lineHeight) {
    if (!entries.length) {
      return;
    }
    const area = this.plotArea();
    context.fillStyle = this.colours.white;
    context.fillRect(0, top, area.width, entries.length * lineHeight + 8);
    // From the frame's left edge, the font made smaller where the longest entry needs it.
    const left = Math.min(area.left, 8);
    const room = area.width - left - 24 - 4;
    context.font = "12px sans-serif";
    const widest = Math.max(...entries.map(({ text }) => context.measureText(text).width));
    context.font = `${Math.max(8, Math.min(12, 12 * room / widest))}px sans-serif`;
    context.textAlign = "left";
    context.textBaseline = "middle";
    entries.forEach(({ colour, text }, line) => {
      const y = top + 4 + (line + 0.5) * lineHeight;
      context.fillStyle = colour;
      context.fillRect(left, y - 2, 18, 4);
      context.fillStyle = this.colours.black;
      context.fillText(text, left + 24, y);
    });
  }

  drawCursor(context, area) {
    const point = this.cursorPoint();
    if (!point) {
      return;
    }
    const x = this.xOf(this.binWidthKeV * point.bin, area);
    context.strokeStyle = this.colours.grey;
    context.setLineDash([3, 3]);
    context.beginPath();
    context.moveTo(x, area.top);
    context.lineTo(x, area.bottom);
    context.stroke();
    context.setLineDash([]);
    context.fillStyle = point.colour;
    context.beginPath();
    context.arc(x, this.yOf(point.value, area), 4, 0, 2 * Math.PI);
    context.fill();
  }

  shownAngles() {
    return this.visible.flatMap((shown, index) => (shown ? [index] : []));
  }

  // The curve the keyboard chose, else the drawn curve nearest the cursor's height at the
  // cursor's bin: { key, label, colour, value, bin }.
  cursorPoint() {
    if (this.cursorBin === null) {
      return null;
    }
    const curves = this.drawnCurves();
    const point = (curve) => ({ ...curve, value: curve.heights[this.cursorBin - 1],
      bin: this.cursorBin });
    const chosen = curves.find((curve) => curve.key === this.cursorCurve);
    if (chosen) {
      return point(chosen);
    }
    let best = null;
    for (const curve of curves) {
      const value = curve.heights[this.cursorBin - 1];
      const distance = Math.abs(value - (this.cursorValue ?? value));
      if (!best || distance < best.distance) {
        best = { ...point(curve), distance };
      }
    }
    return best;
  }

  setCursor(bin, value = null) {
    this.cursorBin = bin;
    this.cursorValue = value;
    const point = this.cursorPoint();
    const shown = (number) => (this.scale === "peak" ? number.toFixed(4) : number.toPrecision(4));
    this.readout.textContent = point && this.words
      ? this.words.pointer((this.binWidthKeV * point.bin).toFixed(1), shown(point.value),
        point.label)
      : "";
    this.draw();
  }

  pointAt(event) {
    const area = this.plotArea();
    const box = this.canvas.getBoundingClientRect();
    const x = event.clientX - box.left;
    const y = event.clientY - box.top;
    if (x < area.left || x > area.right || y < area.top || y > area.bottom) {
      this.setCursor(null);
      return;
    }
    const keV = this.topEnergyKeV * (x - area.left) / (area.right - area.left);
    const bin = this.clampBin(Math.round(keV / this.binWidthKeV));
    this.cursorCurve = null;
    this.setCursor(bin, this.top * (area.bottom - y) / (area.bottom - area.top));
  }

  // Left and right move the cursor by a bin (with Shift by 10 keV), Home and End to the ends;
  // up and down read the drawn curve before or after the one read, in the angles' order, then
  // the kept beams'.
  moveCursor(event) {
    const steps = { ArrowLeft: -1, ArrowRight: 1, Home: -Infinity, End: Infinity };
    const angleSteps = { ArrowUp: -1, ArrowDown: 1 };
    if (!(event.key in steps || event.key in angleSteps) || !this.curves) {
      return;
    }
    event.preventDefault();
    if (event.key in angleSteps) {
      this.chooseAngle(angleSteps[event.key]);
      return;
    }
    const step = steps[event.key] *
      (event.shiftKey ? Math.round(keyboardLongStepKeV / this.binWidthKeV) : 1);
    const from = this.cursorBin ?? Math.round(keyboardStartKeV / this.binWidthKeV);
    this.setCursor(this.clampBin(from + step));
  }

  chooseAngle(step) {
    const keys = this.drawnCurves().map((curve) => curve.key);
    if (!keys.length) {
      return;
    }
    const bin = this.cursorBin ?? Math.round(keyboardStartKeV / this.binWidthKeV);
    const at = keys.indexOf(this.cursorPoint()?.key);
    const next = at < 0 ? 0 : Math.min(keys.length - 1, Math.max(0, at + step));
    this.cursorCurve = keys[next];
    this.setCursor(bin);
  }

  // curves: the module's curves() of the fields' conditions; live: its compareLastRun().
  showCurves(curves, live) {
    this.curves = curves;
    this.live = live;
    this.stale = false;
    this.caption();
    this.setCursor(this.cursorBin);
  }

  // Curves of other conditions than the fields': dashed, and said so.
  setStale(stale) {
    if (stale !== this.stale) {
      this.stale = stale;
      this.caption();
      this.draw();
    }
  }

  caption() {
    if (this.words) {
      this.canvas.setAttribute("aria-label", this.stale
        ? `${this.words.graph} (${this.words.staleShort})` : this.words.graph);
    }
  }

  // kept: the kept beams' curves, { label, colour, beam }.
  showKept(kept) {
    this.kept = kept;
    this.setCursor(this.cursorBin);
  }

  clampBin(bin) {
    return Math.min(this.binCount, Math.max(firstDrawnBin, bin));
  }
}

// A check box for each angle's curve, in its colour, captioned as the module captions the angles.
export function showAngleToggles(box, graph) {
  box.replaceChildren();
  graph.angleCaptions.forEach((text, index) => {
    const label = document.createElement("label");
    label.className = "angle";
    label.style.setProperty("--colour", graph.colours.angles[index]);
    const toggle = document.createElement("input");
    toggle.type = "checkbox";
    toggle.checked = graph.visible[index];
    toggle.addEventListener("change", () => {
      graph.visible[index] = toggle.checked;
      graph.setCursor(graph.cursorBin);
    });
    const mark = document.createElement("span");
    mark.className = "mark";
    label.append(toggle, mark, document.createTextNode(text));
    box.append(label);
  });
}
