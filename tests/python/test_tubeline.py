"""The Python module against tubeline-calc: the same texts and table, the same bits."""

import math
import os
import subprocess
from pathlib import Path

import numpy as np
import pytest

import tubeline

DATA = Path(os.environ["TUBELINE_DATA_DIR"])
CALCULATOR = os.environ["TUBELINE_CALC"]
REFERENCE = os.environ["TUBELINE_REFERENCE"]

# The same conditions as tubeline-calc options and as compute's arguments.
CONDITIONS = [
    ([], {}),
    (["--model", "birch", "--rectification", "3", "--kv", "120", "--al", "1"],
     dict(model="birch", rectification=3, kv=120, al=1)),
    (["--model", "birch", "--al", "0.3", "--filter", f"{DATA}/Pb.ele:0.1",
      "--filter", f"{DATA}/Water.mix:10"],
     dict(model="birch", al=0.3, filters=[(DATA / "Pb.ele", 0.1), (str(DATA / "Water.mix"), 10)])),
    # 200 kV is set to 150 kV.
    (["--kv", "200", "--angle", "20", "--inherent", "0.5", "--cu", "0.1", "--rectification", "2"],
     dict(kv=200, angle=20.0, inherent=0.5, cu=np.float64(0.1), rectification=2)),
]


def calculator(options, tmp_path):
    """tubeline-calc's exit status, output lines, error line and table file."""
    table = tmp_path / "table.txt"
    run = subprocess.run([CALCULATOR, "--data", str(DATA), "--table", str(table), *options],
                         capture_output=True, text=True)
    error = run.stderr.splitlines()[-1].removeprefix("tubeline-calc: ") if run.stderr else ""
    return run.returncode, run.stdout.splitlines(), error, table.read_bytes() if table.exists() else b""


def reference(options):
    """The spectra and figures of the same run, exact."""
    run = subprocess.run([REFERENCE, "--data", str(DATA), *options], capture_output=True,
                         text=True, check=True)
    spectra, figures = [], []
    for line in run.stdout.splitlines():
        kind, *values = line.split()
        if kind == "spectrum":
            spectra.append([float.fromhex(v) for v in values])
        else:
            pairs = (v.split("=") for v in values)
            figures.append({k: None if v == "none" else float.fromhex(v) for k, v in pairs})
    return np.array(spectra), figures


def same_bits(a, b):
    return a.shape == b.shape and np.array_equal(a.view(np.uint64), b.view(np.uint64))


def same_result(a, b):
    return (a.table_text() == b.table_text() and same_bits(a.spectra, b.spectra)
            and a.per_angle == b.per_angle and (a.hvl_text, a.fluence_text) == (b.hvl_text, b.fluence_text))


@pytest.mark.parametrize("options, arguments", CONDITIONS)
def test_results_are_those_of_tubeline_calc(options, arguments, tmp_path):
    result = tubeline.compute(**arguments, data_dir=DATA)
    status, lines, _, table = calculator(options, tmp_path)
    assert status == 0
    assert lines == [f"Half Value Layer = {result.hvl_text} mm Al",
                     f"Fluence / 1[C/kg] = {result.fluence_text} Photons / mm2"]
    assert result.table_text().encode("ascii") == table

    spectra, figures = reference(options)
    assert same_bits(result.spectra, spectra)
    assert result.per_angle == figures
    assert result.beam_centre == figures[5]

    assert np.array_equal(result.energies_kev, 0.5 * np.arange(1, 301))
    assert np.array_equal(result.angles_deg, np.arange(-10, 11, 2))
    # What the table prints, to its five decimals.
    rows = [line.split(",") for line in result.table_text().split("\r\n")[1:301]]
    assert np.array_equal(np.array(rows, dtype=float)[:, 0], result.energies_kev)
    assert np.abs(np.array(rows, dtype=float)[:, 1:].T - result.spectra).max() <= 5e-6
    assert not result.spectra.flags.writeable


@pytest.mark.parametrize("arguments, options", [
    (dict(angle=11.99), ["--angle", "11.99"]),
    (dict(angle=90), ["--angle", "90"]),
    (dict(kv=math.inf), ["--kv", "1e999"]),
    (dict(cu=-math.inf), ["--cu", "-1e999"]),
    (dict(al=1e6), ["--al", "1e6"]),
    (dict(filters=[(DATA / "Pb.ele", math.inf)]), ["--filter", f"{DATA}/Pb.ele:1e999"]),
])
def test_refusals_carry_the_messages_of_tubeline_calc(arguments, options, tmp_path):
    with pytest.raises(tubeline.InputRejected) as refused:
        tubeline.compute(**arguments, data_dir=DATA)
    status, _, error, _ = calculator(options, tmp_path)
    assert status == 2
    assert str(refused.value) == error
    assert isinstance(refused.value, ValueError)


def test_refusals_tubeline_calc_cannot_be_asked_for():
    def message(**arguments):
        with pytest.raises(tubeline.InputRejected) as refused:
            tubeline.compute(**arguments, data_dir=DATA)
        return str(refused.value)

    assert message(kv=math.nan) == "Ｘ線管電圧の値が数値の範囲を超えています"
    assert message(filters=[(DATA / "Al.ele", 1)] * 4) == \
        "フィルターは３種類までです。「解除」してから設定して下さい"
    assert message(model="birch", angle=None, al=math.nan) == \
        "アルミ付加フィルタの値が数値の範囲を超えています"
    with pytest.raises(TypeError):
        tubeline.compute(kv="120kV", data_dir=DATA)
    with pytest.raises(ValueError, match="rectification"):
        tubeline.compute(rectification=4, data_dir=DATA)


def test_file_problems_name_the_file(tmp_path):
    with pytest.raises(FileNotFoundError) as missing:
        tubeline.compute(data_dir=tmp_path)
    assert missing.value.filename == str(tmp_path / "Att_Coeff2020.dat")

    short = tmp_path / "Short.ele"
    short.write_text("Short\n1\n3\n0.001,1,1,1,0,0\n")
    with pytest.raises(tubeline.DataFileError) as broken:
        tubeline.compute(filters=[(short, 1)], data_dir=DATA)
    assert isinstance(broken.value, OSError)
    assert broken.value.filename == str(short)
    status, _, error, _ = calculator(["--filter", f"{short}:1"], tmp_path)
    assert status == 1
    assert str(broken.value) == error


def test_compute_many_equals_repeated_compute():
    conditions = [arguments for _, arguments in CONDITIONS] + [
        dict(model="birch", kv=kv, rectification=rectification)
        for kv in (40, 90, 150) for rectification in (1, 2, 3)]
    for c in conditions:
        c["data_dir"] = DATA
    many = tubeline.compute_many(c for c in conditions)
    assert len(many) == len(conditions)
    assert all(same_result(m, tubeline.compute(**c)) for m, c in zip(many, conditions))

    with pytest.raises(tubeline.InputRejected, match="12度"):
        tubeline.compute_many([conditions[0], dict(angle=5, data_dir=DATA), conditions[1]])
    with pytest.raises(TypeError):
        tubeline.compute_many([dict(voltage=100)])


def test_match_hvl_gives_the_thickness_that_reaches_the_target():
    aluminium = tubeline.match_hvl(4.5, model="birch", kv=90, data_dir=DATA)
    copper = tubeline.match_hvl(4.5, "cu", model="birch", kv=90, data_dir=DATA)
    lead = tubeline.match_hvl(4.5, DATA / "Pb.ele", model="birch", kv=90, data_dir=DATA)
    for layer in (tubeline.compute(model="birch", kv=90, al=aluminium, data_dir=DATA),
                  tubeline.compute(model="birch", kv=90, cu=copper, data_dir=DATA),
                  tubeline.compute(model="birch", kv=90, filters=[(DATA / "Pb.ele", lead)],
                                   data_dir=DATA)):
        assert abs(layer.beam_centre["hvl1_mm_al"] - 4.5) <= 0.005
    assert 0 < lead < copper < aluminium

    with pytest.raises(tubeline.InputRejected) as below:
        tubeline.match_hvl(0.5, data_dir=DATA)
    assert str(below.value) == ("目標の半価層 0.50 mm Al は、Al を加えない線質の半価層 3.27 mm Al "
                                "より小さいため、フィルタを加えても届きません")
