#!/usr/bin/env python3
"""The heel effect: the spectra of the eleven emission angles of one tube, drawn with Matplotlib.

    PYTHONPATH=build/python /usr/bin/python3 docs/examples/heel_effect.py [OUT.png]

The conditions are Tucker's model at 100 kV, constant potential, 12 degrees target angle and
2.5 mm Al inherent filtration, with the data the module finds itself (the source tree's, from
the build tree). The spectra are relative to the largest bin of all angles, as the window draws
them: the anode side (+10 degrees), where the photons cross the most tungsten, is the weakest
and the hardest. The beam centre is drawn in black over the others.
"""

import sys

import matplotlib

matplotlib.use("Agg")  # draws into a file, with or without a display
import matplotlib.pyplot as plt

import tubeline

CENTRE = 5  # the 0-degree row of the eleven angles


def main(out: str) -> None:
    result = tubeline.compute(model="tucker", kv=100)
    figure, axes = plt.subplots(figsize=(8, 4.8), dpi=100)
    # Cathode side blue, anode side red, each darker towards its edge; the centre black.
    cathode, anode = plt.get_cmap("Blues"), plt.get_cmap("Reds")
    for row, angle in enumerate(result.angles_deg):
        centre = row == CENTRE
        side = (row - CENTRE) / CENTRE
        colour = "black" if centre else (anode(0.35 + 0.6 * side) if side > 0
                                         else cathode(0.35 - 0.6 * side))
        axes.step(result.energies_kev, result.spectra[row], where="mid",
                  linewidth=2.2 if centre else 1.0, color=colour, zorder=3 if centre else 2,
                  label=f"{angle:+.0f}°, HVL {result.per_angle[row]['hvl1_mm_al']:.2f} mm Al")
    axes.set_xlim(0, 110)
    axes.set_ylim(0, 1.02)
    axes.set_xlabel("Photon energy (keV)")
    axes.set_ylabel("Relative photon fluence per 0.5 keV")
    axes.set_title("Heel effect: 100 kV, Tucker, target angle 12°")
    axes.legend(fontsize=7, title="Emission angle", title_fontsize=8, ncol=2)
    figure.tight_layout()
    figure.savefig(out)
    print(f"wrote {out}: beam centre HVL1 {result.hvl_text} mm Al")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "heel_effect.png")
