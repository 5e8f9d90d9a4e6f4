#!/usr/bin/env python3
"""Reference figures of the physics model's peer, SpekPy 2.5.3 (casim), for the tests and the study.

Writes three tables into tools/reference/:
  physics-peer-beams.tsv      filtered beams: HVL1, HVL2, mean energy, air kerma per mAs at 1 m
  physics-peer-shapes.tsv     coarse spectra of some of those beams: the share of the photons in
                              each 5-keV window
  physics-peer-electrons.tsv  unfiltered spectra of monoenergetic electrons, per keV, per
                              steradian and per electron, bremsstrahlung alone, and the photons
                              per steradian and electron of the characteristic lines

Never run in CI: it needs a checkout of SpekPy 2.5.3 (MIT licence, Copyright (c) 2019 Robert
Bujila and Gavin Poludniowski; public repository Falk3579/SpekPy) and Debian's numpy and scipy.
That repository lacks data/tables/pe.dat, which only SpekPy's legacy models read but its import
loads; a stub such as {"dE0": 1, "dt_scaled": 1, "du": 1, "pe": [[[0]]]} in its place lets it
import without touching the casim model.

    tools/physics/peer_reference_figures.py PATH_TO_SPEKPY_CHECKOUT

SpekPy runs with NIST attenuation and energy-absorption data (mu_data_source='nist') and its bins
shifted by half a bin (shift=0.5), so that they are centred on this program's grid (0.5 j keV).
Its filters: 'Be', 'Al', 'Cu' and 'Air' (dry air, 0.00120479 g/cm3), thicknesses in mm; the
kerma and half-value layers are air kerma, the half-value layers in aluminium.
"""

import math
import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]
REFERENCE = ROOT / "tools/reference"
ELECTRONS_PER_MAS = 1e-3 / 1.602176634e-19
DISTANCE_CM = 100.0

# PTB's measured beams as scripts/validate sets them up: 20 degrees, constant potential, the
# beryllium window, the aluminium, 950 mm of air. RQA 10 is left out (its aluminium is disputed).
PTB = [("RQR 2", 40, 1, 2.5), ("RQR 3", 50, 1, 2.5), ("RQR 4", 60, 1, 2.5), ("RQR 5", 70, 1, 2.5),
       ("RQR 6", 80, 1, 2.5), ("RQR 7", 90, 1, 2.5), ("RQR 8", 100, 1, 2.5), ("RQR 9", 120, 1, 2.5),
       ("RQR 10", 150, 7, 2.5), ("RQA 2", 40, 1, 6.5), ("RQA 3", 50, 1, 12.5),
       ("RQA 4", 60, 1, 18.5), ("RQA 5", 70, 1, 23.5), ("RQA 6", 80, 1, 28.5),
       ("RQA 7", 90, 1, 32.5), ("RQA 8", 100, 1, 36.5), ("RQA 9", 120, 1, 42.5)]

# Other target angles and filtrations, light and heavy; the last two leave the central ray by
# 8 degrees towards the anode (take-off 4 degrees) and the cathode (20 degrees).
# (name, kV, target angle, emission angle towards the anode, Al mm, Cu mm)
OTHERS = [("light 40", 40, 10, 0, 0.5, 0), ("light 50", 50, 16, 0, 1.0, 0),
          ("copper 70", 70, 12, 0, 2.5, 0.1), ("steep 80", 80, 10, 0, 3.0, 0),
          ("plain 100", 100, 12, 0, 2.5, 0), ("copper 120", 120, 14, 0, 2.5, 0.3),
          ("plain 150", 150, 12, 0, 2.5, 0), ("heavy 150", 150, 16, 0, 3.0, 1.0),
          ("anode side 80", 80, 12, 8, 2.5, 0), ("cathode side 80", 80, 12, -8, 2.5, 0)]

SHAPES = ["RQR 3", "RQR 6", "RQR 9", "RQA 5", "light 40", "plain 150", "heavy 150"]

# (kV, take-off angle in degrees) of the monoenergetic electrons; every 5 keV from 5 keV.
ELECTRONS = [(50, 20), (100, 20), (100, 6), (150, 12)]


def spek(sp, kv, target, emission=0.0):
    # SpekPy's x runs towards the cathode: its take-off angle is the target angle plus atan(x/z).
    x = -DISTANCE_CM * math.tan(math.radians(emission))
    return sp.Spek(kvp=kv, th=target, dk=0.5, physics="casim", mu_data_source="nist", shift=0.5,
                   x=x, z=DISTANCE_CM)


def beams(sp):
    rows = []
    for name, kv, be, al in PTB:
        rows.append((name, kv, 20, 0, [("Be", be), ("Al", al), ("Air", 950)]))
    for name, kv, target, emission, al, cu in OTHERS:
        filters = [("Al", al)] + ([("Cu", cu)] if cu else [])
        rows.append((name, kv, target, emission, filters))
    return rows


def thickness(filters, material):
    return sum(t for m, t in filters if m == material)


def write(path, header_lines, columns, rows):
    text = "".join(f"# {line}\n" for line in header_lines)
    text += "\t".join(columns) + "\n"
    text += "".join("\t".join(str(cell) for cell in row) + "\n" for row in rows)
    path.write_text(text, encoding="utf-8")


SOURCE = [
    "Figures of SpekPy 2.5.3 (casim model; G. Poludniowski, A. Omar, R. Bujila and P. Andreo,",
    "Medical Physics 48(7), 3630-3637 (2021); MIT licence, Copyright (c) 2019 Robert Bujila and",
    "Gavin Poludniowski), made by tools/physics/peer_reference_figures.py with NIST attenuation",
    "data and 0.5-keV bins centred on 0.5 j keV; 1 m from the focus, constant potential.",
]


def main():
    sys.path.insert(0, sys.argv[1])
    import numpy as np
    import spekpy as sp

    beam_rows, shape_rows = [], []
    for name, kv, target, emission, filters in beams(sp):
        s = spek(sp, kv, target, emission)
        s.multi_filter(filters)
        beam_rows.append((name, kv, target, emission, thickness(filters, "Be"),
                          thickness(filters, "Al"), thickness(filters, "Cu"),
                          thickness(filters, "Air"), f"{s.get_hvl1():.4f}", f"{s.get_hvl2():.4f}",
                          f"{s.get_emean():.3f}", f"{s.get_kerma(norm=True):.4g}"))
        if name in SHAPES:
            k, fluence = s.get_spectrum(flu=True, diff=False)
            windows = np.floor((k + 0.25) / 5.0).astype(int)
            total = fluence.sum()
            for window in range(windows.min(), windows.max() + 1):
                share = fluence[windows == window].sum() / total
                shape_rows.append((name, f"{5 * window - 0.25:g}", f"{5 * window + 4.75:g}",
                                   f"{share:.5g}"))
    write(REFERENCE / "physics-peer-beams.tsv", SOURCE + [
        "Beams: PTB's (scripts/validate's set-up, RQA 10 left out) and others. target_angle_deg is",
        "the target angle; emission_angle_deg the angle of the point of interest from the central",
        "ray towards the anode (the take-off angle is their difference), filters crossed",
        "obliquely; be, al, cu and air in mm. HVLs in mm Al (air kerma), the fluence-weighted mean",
        "energy in keV, the air kerma per mAs at 1 m in uGy/mAs. Off the central ray SpekPy",
        "crosses the aluminium of its half-value layers obliquely as well, so that its HVLs there",
        "are the narrow-beam HVLs times the cosine of the emission angle.",
    ], ["beam", "kv", "target_angle_deg", "emission_angle_deg", "be_mm", "al_mm", "cu_mm",
        "air_mm", "hvl1_mm_al", "hvl2_mm_al", "mean_energy_kev", "air_kerma_ugy_per_mas"],
        beam_rows)
    write(REFERENCE / "physics-peer-shapes.tsv", SOURCE + [
        "Coarse spectra of beams of physics-peer-beams.tsv: the share of the beam's photons (lines",
        "included) in each window from from_kev to below to_kev, the windows being whole bins of",
        "the 0.5-keV grid.",
    ], ["beam", "from_kev", "to_kev", "photon_share"], shape_rows)

    electron_rows = []
    for kv, take_off in ELECTRONS:
        s = spek(sp, kv, take_off)
        k = s.get_k()
        scale = DISTANCE_CM ** 2 / ELECTRONS_PER_MAS  # photons per cm2 at 1 m per mAs -> per sr per electron
        brems = s.get_spk(char=False) * scale
        lines = s.get_spk(brem=False) * scale * 0.5  # per bin
        k_lines = lines[k > 50].sum()
        l_lines = lines[k < 13].sum()
        for energy in range(5, kv, 5):
            j = int(np.argmin(abs(k - energy)))
            electron_rows.append((kv, take_off, energy, f"{brems[j]:.5g}", f"{k_lines:.5g}",
                                  f"{l_lines:.5g}"))
    write(REFERENCE / "physics-peer-electrons.tsv", SOURCE + [
        "Electrons of kv keV on a thick tungsten target, the photons leaving its surface at",
        "take_off_deg, unfiltered: bremsstrahlung per keV per steradian per electron at",
        "energy_kev; the characteristic lines' photons per steradian per electron, K and L",
        "(repeated on each row of the beam).",
    ], ["kv", "take_off_deg", "energy_kev", "bremsstrahlung_per_kev_sr", "k_lines_per_sr",
        "l_lines_per_sr"], electron_rows)


if __name__ == "__main__":
    main()
