// The graph of the emission angles: each angle's curve on its own, one of three vertical axes,
// the desktop graph's colours (darkened where they are too light to see on the background), the
// energy and value under the pointer or the keyboard's cursor, redrawn at the size of its box.
// Curves that are not those of the fields are drawn dashed.

// The desktop graph draws each curve from its second bin on.
const firstDrawnBin = 2;
// Where the keyboard's cursor starts, and its step with Shift.
const keyboardStartKeV = 50;
const keyboardLongStepKeV = 10;
// The least contrast of a curve with the background that people can see (WCAG's for graphics),
// aimed at with a little to spare for rounding to whole levels.
const curveContrast = 3.05;

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
    this.axis = "photon";
    this.visible = Array.from({ length: grid.angleCount }, (_, i) => i === grid.centralAngle);
    this.cursorBin = null;
    // The curve the keyboard's cursor reads (↑ and ↓ choose it); the pointer reads the nearest.
    this.cursorAngle = null;
    this.stale = false;
    this.words = null;
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
    return area.bottom - (area.bottom - area.top) * value;
  }

  // The heights of one angle's bins on the current axis, relative to the run's peak: the module
  // gives the three axes' curves of every angle in one array (curves()).
  heights(angleIndex) {
    const axis = ["photon", "energy", "kerma"].indexOf(this.axis);
    const start = (axis * this.angleCount + angleIndex) * this.binCount;
    return this.curves.subarray(start, start + this.binCount);
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
    this.drawFrame(context, area);
    if (this.curves) {
      this.visible.forEach((shown, index) => {
        if (shown) {
          this.drawCurve(context, area, index);
        }
      });
      this.drawCursor(context, area);
    }
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
    for (let tenths = 0; tenths <= 10; tenths += 2) {
      const y = Math.round(this.yOf(tenths / 10, area)) + 0.5;
      context.beginPath();
      context.moveTo(area.left - 4, y);
      context.lineTo(area.left, y);
      context.stroke();
      context.fillText((tenths / 10).toFixed(1), area.left - 6, y);
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
      context.fillText(this.words.relative, 0, 0);
      context.restore();
    }
  }

  // A step outline, as the desktop graph draws it.
  drawCurve(context, area, index) {
    const heights = this.heights(index);
    const width = this.binWidthKeV;
    context.strokeStyle = this.colours.angles[index];
    context.lineWidth = index === this.centralAngle ? 2 : 1.5;
    context.setLineDash(this.stale ? [6, 4] : []);
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
    context.fillStyle = this.colours.angles[point.index];
    context.beginPath();
    context.arc(x, this.yOf(point.value, area), 4, 0, 2 * Math.PI);
    context.fill();
  }

  shownAngles() {
    return this.visible.flatMap((shown, index) => (shown ? [index] : []));
  }

  // The curve the keyboard chose, else the shown curve nearest the cursor's height at the
  // cursor's bin.
  cursorPoint() {
    if (this.cursorBin === null || !this.curves) {
      return null;
    }
    const point = (index) => ({ index, value: this.heights(index)[this.cursorBin - 1],
      bin: this.cursorBin });
    if (this.visible[this.cursorAngle]) {
      return point(this.cursorAngle);
    }
    let best = null;
    this.visible.forEach((shown, index) => {
      if (!shown) {
        return;
      }
      const value = this.heights(index)[this.cursorBin - 1];
      const distance = Math.abs(value - (this.cursorValue ?? value));
      if (!best || distance < best.distance) {
        best = { index, value, distance, bin: this.cursorBin };
      }
    });
    return best;
  }

  setCursor(bin, value = null) {
    this.cursorBin = bin;
    this.cursorValue = value;
    const point = this.cursorPoint();
    this.readout.textContent = point && this.words
      ? this.words.pointer((this.binWidthKeV * point.bin).toFixed(1), point.value.toFixed(4),
        this.angleCaptions[point.index])
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
    this.cursorAngle = null;
    this.setCursor(bin, (area.bottom - y) / (area.bottom - area.top));
  }

  // Left and right move the cursor by a bin (with Shift by 10 keV), Home and End to the ends;
  // up and down read the shown curve before or after the one read, in the angles' order.
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
    const shown = this.shownAngles();
    if (!shown.length) {
      return;
    }
    const bin = this.cursorBin ?? Math.round(keyboardStartKeV / this.binWidthKeV);
    const at = shown.indexOf(this.cursorPoint()?.index);
    const next = at < 0 ? 0 : Math.min(shown.length - 1, Math.max(0, at + step));
    this.cursorAngle = shown[next];
    this.setCursor(bin);
  }

  // curves: the module's curves() of the fields' conditions.
  showCurves(curves) {
    this.curves = curves;
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
