#!/usr/bin/env python3
"""Writes data/TungstenTarget.bin, the tables of the physics model's target, from the tables of
SpekPy 2.5.3 (MIT licence, Copyright (c) 2019 Robert Bujila and Gavin Poludniowski; public
repository Falk3579/SpekPy, spekpy/data/tables/advanced/).

    tools/physics/generate_target_tables.py PATH_TO_SPEKPY_CHECKOUT > data/TungstenTarget.bin

Needs numpy (Debian's python3-numpy). What it keeps, for electrons of up to 150 keV:
  - the Seltzer-Berger scaled bremsstrahlung cross section of tungsten (NIST.npz, chi74) on its
    own grid of electron energies (up to 150 keV) and photon energy fractions;
  - the CSDA range of electrons in tungsten (CSDA.npz) up to 150 keV;
  - the electron fluence in tungsten from Monte Carlo (Z74_*.npz): for each tabulated incident
    energy up to 150 keV, on every second energy fraction u = E/E0 (0.02 ... 0.98, then 0.99 and
    1) and the 30 depths, the fluence per unit u and depth times the Legendre moments 0..3 of the
    electrons' directions about the inward normal, P_l(cos theta) weighted by the tabulated
    angular distribution (solid-angle density in 2-degree bins);
  - the K, L1, L2 and L3 fluorescence photons per electron and per unit depth (FluorescenceZ74.npz)
    for the incident energies up to 150 keV, resampled onto 68 depths.
Depths are fractions of the CSDA range at the incident energy, written as whole multiples of a
step. The format is described in data/README.md.
"""

import pathlib
import struct
import sys

import numpy as np

MAGIC = b"TLTARGET"
VERSION = 1
NAME_BYTES = 24
HIGHEST_ELECTRON_KEV = 150
LEGENDRE_ORDERS = 4
# Every second tabulated energy fraction, and the two at the top where the unscattered electrons
# are: 0.02, 0.04, ..., 0.98, 0.99, 1.
KEPT_FRACTIONS = list(range(1, 98, 2)) + [98, 99]
ELECTRON_DEPTH_STEP = 0.005
FLUORESCENCE_DEPTH_STEP = 0.01
FLUORESCENCE_DEPTHS = np.concatenate([np.arange(0, 20), np.arange(20, 100, 5),
                                      np.arange(100, 400, 20), np.arange(400, 2001, 100)])


def array_record(name, values):
    values = np.ascontiguousarray(values, dtype="<f4")
    encoded = name.encode("ascii")
    assert len(encoded) < NAME_BYTES
    header = encoded.ljust(NAME_BYTES, b"\0") + struct.pack("<I", values.ndim)
    header += struct.pack(f"<{values.ndim}I", *values.shape)
    return header + values.tobytes()


def whole_steps(fractions, step):
    steps = np.rint(np.asarray(fractions, dtype=float) / step)
    assert np.allclose(steps * step, fractions, rtol=1e-5, atol=1e-7), "depths off the step"
    return steps


def legendre(order, c):
    polynomials = [np.ones_like(c), c]
    for l in range(1, order):
        polynomials.append(((2 * l + 1) * c * polynomials[l] - l * polynomials[l - 1]) / (l + 1))
    return np.array(polynomials[:order + 1])


def electron_nodes(tables):
    """(incident energy, fluence per keV and depth [u, x], directions [theta, u, x]) of each
    tabulated incident energy up to the highest, with the tables' grids."""
    simulated = np.load(tables / "Z74_E0sim.npz")["E0_sim"].astype(float)
    nodes = {}
    for number in range(1, len(simulated)):
        data = np.load(tables / f"Z74_{number}.npz")
        for index, energy in enumerate(data["E0_table"].astype(float)):
            if energy <= HIGHEST_ELECTRON_KEV and energy not in nodes:
                nodes[energy] = (data["NE"][:, :, index].astype(float),
                                 data["pomega_e"][:, :, :, index].astype(float))
        grids = (data["u"].astype(float), data["x"].astype(float), data["theta_e"].astype(float))
    return sorted(nodes.items()), grids


def fluence_moments(fluence, directions, energy, theta_deg):
    """Fluence per unit u and depth times the Legendre moments of the directions: [l, u, x]."""
    theta = np.radians(theta_deg)
    weights = np.sin(theta)
    polynomials = legendre(LEGENDRE_ORDERS - 1, np.cos(theta))
    norm = np.einsum("tux,t->ux", directions, weights)
    sums = np.einsum("tux,t,lt->lux", directions, weights, polynomials)
    moments = np.divide(sums, norm, out=np.zeros_like(sums), where=norm > 0)
    return energy * fluence[None, :, :] * moments


def main():
    tables = pathlib.Path(sys.argv[1]) / "spekpy/data/tables/advanced"
    records = []

    cross_sections = np.load(tables / "NIST.npz")
    rows = cross_sections["E"].astype(float) <= HIGHEST_ELECTRON_KEV
    records += [array_record("chi_electron_kev", cross_sections["E"][rows]),
                array_record("chi_photon_fraction", cross_sections["u"]),
                array_record("chi_millibarn", cross_sections["chi74"][rows])]

    ranges = np.load(tables / "CSDA.npz")
    rows = ranges["E074"].astype(float) <= HIGHEST_ELECTRON_KEV
    records += [array_record("csda_electron_kev", ranges["E074"][rows]),
                array_record("csda_range_g_cm2", ranges["rng74"][rows])]

    nodes, (fractions, depths, theta) = electron_nodes(tables)
    moments = np.array([fluence_moments(fluence, directions, energy, theta)[:, KEPT_FRACTIONS, :]
                        for energy, (fluence, directions) in nodes])
    records += [array_record("fluence_electron_kev", [energy for energy, _ in nodes]),
                array_record("fluence_fraction", fractions[KEPT_FRACTIONS]),
                array_record("fluence_depth_step", [ELECTRON_DEPTH_STEP]),
                array_record("fluence_depth_steps", whole_steps(depths, ELECTRON_DEPTH_STEP)),
                array_record("fluence_moments", moments)]

    fluorescence = np.load(tables / "FluorescenceZ74.npz")
    depths = FLUORESCENCE_DEPTHS * FLUORESCENCE_DEPTH_STEP
    records += [array_record("fluor_depth_step", [FLUORESCENCE_DEPTH_STEP]),
                array_record("fluor_depth_steps", FLUORESCENCE_DEPTHS)]
    for shell in ("K", "L1", "L2", "L3"):
        energies = fluorescence["E0_" + shell].astype(float)
        kept = energies <= HIGHEST_ELECTRON_KEV
        grid = fluorescence["x_" + shell].astype(float)
        photons = fluorescence[shell].astype(float)
        resampled = np.array([np.interp(depths, grid, photons[:, n]) for n in np.where(kept)[0]])
        records += [array_record(f"fluor_{shell}_electron_kev", energies[kept]),
                    array_record(f"fluor_{shell}_photons", resampled)]

    out = sys.stdout.buffer
    out.write(MAGIC + struct.pack("<II", VERSION, len(records)))
    for record in records:
        out.write(record)


if __name__ == "__main__":
    main()
