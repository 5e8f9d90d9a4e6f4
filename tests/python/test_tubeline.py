"""The Python module against tubeline-calc: the same texts and table, the same bits; and what a
script needs beyond it. CTest runs this file under a Japanese, an English and the C locale."""

import itertools
import math
import os
import pickle
import subprocess
import sys
import threading
import warnings
from pathlib import Path

import numpy as np
import pytest

import tubeline

DATA = Path(os.environ["TUBELINE_DATA_DIR"])
CALCULATOR = os.environ["TUBELINE_CALC"]
REFERENCE = os.environ["TUBELINE_REFERENCE"]


@pytest.fixture
def language():
    """Sets the module's language for one test and then gives the locale's back."""
    spoken = tubeline.language()
    yield tubeline.set_language
    tubeline.set_language(spoken)

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


def calculator(options, tmp_path=None):
    """tubeline-calc's exit status, output lines, error line and table file (written into
    tmp_path when given), speaking the module's language."""
    table = tmp_path / "table.txt" if tmp_path else None
    run = subprocess.run([CALCULATOR, "--data", str(DATA), "--lang", tubeline.language(),
                          *(["--table", str(table)] if table else []), *options],
                         capture_output=True, text=True)
    error = run.stderr.splitlines()[-1].removeprefix("tubeline-calc: ") if run.stderr else ""
    return run.returncode, run.stdout.splitlines(), error, table.read_bytes() if table and table.exists() else b""


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
    return (a.table_text() == b.table_text() and a.per_angle == b.per_angle
            and all(same_bits(getattr(a, s), getattr(b, s))
                    for s in ("photons", "spectra", "energy_fluence", "air_kerma"))
            and (a.hvl_text, a.fluence_text) == (b.hvl_text, b.fluence_text))


@pytest.mark.filterwarnings("ignore::tubeline.TubelineWarning")  # 200 kV
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
    assert list(result.per_angle) == figures
    assert result.beam_centre == figures[5]
    # The figures of the spectra the Result gives are its own, bit for bit.
    assert all(tubeline.figures(result.energies_kev, result.photons[a], data_dir=DATA)
               == result.per_angle[a] for a in range(11))

    assert np.array_equal(result.energies_kev, 0.5 * np.arange(1, 301))
    assert np.array_equal(result.angles_deg, np.arange(-10, 11, 2))
    # What the table prints, to its five decimals.
    rows = [line.split(",") for line in result.table_text().split("\r\n")[1:301]]
    assert np.array_equal(np.array(rows, dtype=float)[:, 0], result.energies_kev)
    assert np.abs(np.array(rows, dtype=float)[:, 1:].T - result.spectra).max() <= 5e-6
    assert not result.spectra.flags.writeable


def test_the_physics_model_is_that_of_tubeline_calc(tmp_path):
    """The same lines, table and figures; its absolute output as the command line prints it."""
    options = ["--model", "physics", "--kv", "90", "--rectification", "2", "--al", "1"]
    result = tubeline.compute(model="physics", kv=90, rectification=2, al=1, data_dir=DATA)
    status, lines, _, table = calculator(options, tmp_path)
    assert status == 0
    assert lines[:2] == [f"Half Value Layer = {result.hvl_text} mm Al",
                         f"Fluence / 1[C/kg] = {result.fluence_text} Photons / mm2"]
    assert result.table_text().encode("ascii") == table
    kerma = result.beam_centre["air_kerma_ugy_per_mas_at_1m"]
    assert lines[2] == f"Air Kerma / 1 mAs at 1 m = {kerma:.2f} µGy"
    assert result.beam_centre["air_kerma_ugy_per_mas_at_distance"] == kerma
    spectra, figures = reference(options)
    assert same_bits(result.spectra, spectra)
    assert list(result.per_angle) == figures
    # Tucker's and Birch's spectra are relative: no absolute output.
    assert tubeline.compute(data_dir=DATA).beam_centre["air_kerma_ugy_per_mas_at_1m"] is None


def test_the_distance_and_output_factor_are_those_of_tubeline_calc():
    """Taken by compute and by a sweep's mappings, kept in the conditions, refused alike."""
    options = ["--model", "physics", "--distance", "1500", "--output-factor", "0.8"]
    result = tubeline.compute(model="physics", distance_mm=1500, output_factor=0.8, data_dir=DATA)
    status, lines, _, _ = calculator(options)
    assert status == 0
    centre = result.beam_centre
    assert lines[4] == (f"Air Kerma / 1 mAs at 1500 mm, output factor 0.8 = "
                        f"{centre['air_kerma_ugy_per_mas_at_distance']:.2f} µGy")
    assert centre["air_kerma_ugy_per_mas_at_distance"] == pytest.approx(
        centre["air_kerma_ugy_per_mas_at_1m"] * 0.8 / 1.5**2)
    assert (result.conditions["distance_mm"], result.conditions["output_factor"]) == (1500, 0.8)
    [again] = tubeline.compute_many([dict(result.conditions)], figures_only=True)
    assert again.beam_centre == centre
    for arguments, field, option in ((dict(distance_mm=0), "distance_mm", "--distance=0"),
                                     (dict(output_factor=-1), "output_factor",
                                      "--output-factor=-1")):
        with pytest.raises(tubeline.InputRejected) as refused:
            tubeline.compute(model="physics", **arguments, data_dir=DATA)
        assert (refused.value.field, refused.value.reason) == (field, "not_positive")
        assert str(refused.value) == calculator(["--model", "physics", option])[2]


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


def test_messages_speak_the_language_chosen(language):
    def message(**arguments):
        with pytest.raises(tubeline.InputRejected) as refused:
            tubeline.compute(**arguments, data_dir=DATA)
        return str(refused.value)

    language("ja")
    assert message(kv=math.nan) == "Ｘ線管電圧の値が数値の範囲を超えています"
    assert message(filters=[(DATA / "Al.ele", 1)] * 4) == \
        "フィルターは３種類までです。「解除」してから設定して下さい"
    language("en")
    assert tubeline.language() == "en"
    assert message(filters=[(DATA / "Al.ele", 1)] * 4) == \
        "At most three filters can be set. Release them first"
    assert message(model="birch", angle=None, al=math.nan) == \
        message(model="birch", al=math.nan) != ""
    with pytest.raises(ValueError, match="'ja' or 'en'"):
        tubeline.set_language("fr")


def test_the_module_speaks_the_language_of_the_locale_at_import():
    expected = os.environ.get("TUBELINE_EXPECTED_LANGUAGE")
    if expected is None:
        pytest.skip("run by CTest with a locale chosen")
    assert tubeline.language() == expected


def test_wrong_python_arguments_are_type_and_value_errors():
    for arguments in (dict(kv="120kV"), dict(kv=True), dict(al=np.bool_(True)),
                      dict(rectification="1"), dict(model=1), dict(filters=[("Pb",)]),
                      dict(filters=[("Pb", "1")]), dict(filters=[(1, 1)])):
        with pytest.raises(TypeError):
            tubeline.compute(**arguments, data_dir=DATA)
    with pytest.raises(TypeError, match="data_dir must be"):
        tubeline.compute(data_dir=1)

    # Ctrl-C arriving while a path is read must stop the run, not be taken for a wrong type.
    class Interrupted:
        def __fspath__(self):
            raise KeyboardInterrupt

    with pytest.raises(KeyboardInterrupt):
        tubeline.compute(data_dir=Interrupted())
    with pytest.raises(KeyboardInterrupt):
        tubeline.compute(filters=[(Interrupted(), 1)], data_dir=DATA)
    for arguments in (dict(rectification=4), dict(rectification=1.5), dict(model="kramers")):
        with pytest.raises(ValueError):
            tubeline.compute(**arguments, data_dir=DATA)


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


@pytest.mark.filterwarnings("ignore::tubeline.TubelineWarning")  # 200 kV
def test_compute_many_equals_repeated_compute():
    conditions = [arguments for _, arguments in CONDITIONS] + [
        dict(model="birch", kv=kv, rectification=rectification)
        for kv in (40, 90, 150) for rectification in (1, 2, 3)]
    for c in conditions:
        c["data_dir"] = DATA
    many = tubeline.compute_many(c for c in conditions)
    assert len(many) == len(conditions)
    assert all(same_result(m, tubeline.compute(**c)) for m, c in zip(many, conditions))

    angle_refused = calculator(["--angle", "5"])[2]
    with pytest.raises(tubeline.InputRejected) as refused:
        tubeline.compute_many([conditions[0], dict(angle=5, data_dir=DATA), conditions[1]])
    assert str(refused.value) == angle_refused
    assert refused.value.__notes__ == ["in condition 1 of compute_many"]
    with pytest.raises(TypeError, match="condition 1 of compute_many: unknown argument 'voltage'"):
        tubeline.compute_many([dict(data_dir=DATA), dict(voltage=100)])


def test_imap_yields_in_order_reading_no_further_than_it_must():
    read = []

    def sweep():
        for kv in itertools.count(40):
            read.append(kv)
            yield dict(kv=kv % 150, data_dir=DATA)

    first = list(itertools.islice(tubeline.imap(sweep()), 70))
    assert [r.conditions["kv"] for r in first] == [max(30, kv % 150) for kv in range(40, 110)]
    # The batch handed out and the next, computed while the caller works: three batches of 64.
    assert len(read) <= 192
    assert same_result(first[3], tubeline.compute(kv=43, data_dir=DATA))

    # The results before a refused condition come out first.
    results = tubeline.imap([dict(data_dir=DATA), dict(angle=5, data_dir=DATA), {}])
    assert next(results).conditions["angle"] == 12
    with pytest.raises(tubeline.InputRejected) as refused:
        next(results)
    assert refused.value.__notes__ == ["in condition 1 of imap"]
    with pytest.raises(StopIteration):
        next(results)


def threads_of_this_process():
    return len(os.listdir("/proc/self/task"))


def test_ctrl_c_stops_an_endless_compute_many_leaving_nothing_running():
    threads = threads_of_this_process()
    interrupter = threading.Timer(0.3, __import__("_thread").interrupt_main)
    interrupter.start()
    with pytest.raises(KeyboardInterrupt):
        tubeline.compute_many(itertools.repeat(dict(kv=150, rectification=3, data_dir=DATA)))
    interrupter.join()
    assert threads_of_this_process() == threads


def test_no_iterable_of_filters_is_read_past_the_fourth():
    read = []

    def endless():
        for n in itertools.count():
            read.append(n)
            yield "Al", 1

    with pytest.raises(tubeline.InputRejected):
        tubeline.compute(filters=endless(), data_dir=DATA)
    assert read == [0, 1, 2, 3]


def test_results_say_what_they_are_and_keep_it():
    with pytest.warns(tubeline.TubelineWarning) as corrected:
        result = tubeline.compute(kv=np.int64(1000), angle=np.float32(20), al=np.float64(1),
                                  rectification=np.float64(2.0), filters=[("Pb", np.int32(0))],
                                  data_dir=DATA)
    assert "150" in str(corrected[0].message)
    assert result.model == "tucker"
    assert dict(result.conditions) == dict(
        model="tucker", kv=150.0, angle=20.0, inherent=2.5, al=1.0, cu=0.0, rectification=2,
        filters=((str(DATA / "Pb.ele"), 0.0),), data_dir=str(DATA), distance_mm=1000.0,
        output_factor=1.0)
    assert same_result(tubeline.compute(**result.conditions), result)
    assert same_result(tubeline.compute_many([result.conditions])[0], result)
    assert tubeline.compute(model="birch", data_dir=DATA).conditions["angle"] == 16

    copy = pickle.loads(pickle.dumps(result))
    assert same_result(copy, result) and copy.conditions == result.conditions
    for kept in (result, copy):
        assert not kept.spectra.flags.writeable and not kept.photons.flags.writeable
        with pytest.raises(TypeError):
            kept.beam_centre["hvl1_mm_al"] = 0
        with pytest.raises(TypeError):
            kept.per_angle[0]["hvl1_mm_al"] = 0
        with pytest.raises(TypeError):
            kept.conditions["kv"] = 0
    assert tubeline.__version__.count(".") >= 1


def test_every_spectrum_is_normalised_over_all_angles():
    result = tubeline.compute(kv=80, data_dir=DATA)
    energies = result.energies_kev
    for spectrum in (result.spectra, result.energy_fluence, result.air_kerma):
        assert spectrum.shape == (11, 300) and spectrum.max() == 1 and spectrum.min() >= 0
    # Energy fluence is E times the photons; air kerma also weighs by air's mu_en/rho, which
    # depends on the energy alone.
    lit = result.photons > 0
    ratio = result.energy_fluence[lit] / (np.broadcast_to(energies, (11, 300))[lit] * result.photons[lit])
    assert np.allclose(ratio, ratio[0], rtol=1e-12)
    weight = result.air_kerma[:, 20:150] / result.energy_fluence[:, 20:150]
    assert np.allclose(weight, weight[5], rtol=1e-12)
    assert not np.allclose(weight[5], weight[5, 0])


def test_match_hvl_gives_the_thickness_and_the_beam():
    aluminium = tubeline.match_hvl(4.5, model="birch", kv=90, data_dir=DATA)
    copper = tubeline.match_hvl(4.5, "CU", model="birch", kv=90, data_dir=DATA)
    lead = tubeline.match_hvl(np.float64(4.5), "Pb", model="birch", kv=90, data_dir=DATA)
    assert 0 < lead.thickness_mm < copper.thickness_mm < aluminium.thickness_mm
    assert aluminium.result.conditions["al"] == aluminium.thickness_mm
    assert copper.result.conditions["cu"] == copper.thickness_mm
    assert lead.result.conditions["filters"] == ((str(DATA / "Pb.ele"), lead.thickness_mm),)
    for match in (aluminium, copper, lead):
        assert abs(match.hvl1_mm_al - 4.5) <= 0.005
        assert match.hvl1_mm_al == match.result.beam_centre["hvl1_mm_al"]
        assert same_result(match.result, tubeline.compute(**match.result.conditions))
    thickness, layer, beam = pickle.loads(pickle.dumps(lead))
    assert (thickness, layer) == lead[:2]

    status, _, error, _ = calculator(["--match-hvl", "0.5"])
    with pytest.raises(tubeline.InputRejected) as below:
        tubeline.match_hvl(0.5, data_dir=DATA)
    assert status == 2 and str(below.value) == error


def test_materials_by_name_from_the_data_and_the_users_folder(language, monkeypatch, tmp_path):
    monkeypatch.setenv("XDG_DATA_HOME", str(tmp_path))
    own = tmp_path / "tubeline"
    own.mkdir()
    (own / "Pb.ele").write_bytes((DATA / "Pb.ele").read_bytes().replace(b"11.35", b"11.34", 1))
    (own / "Broken.mix").write_text("Broken\n1\n")
    language("en")
    with pytest.warns(tubeline.TubelineWarning, match="Broken.mix"):
        listed = tubeline.materials(data_dir=DATA)
    by_file = {Path(m.file).name: m for m in listed}
    assert by_file["Air.mix"] == ("Air", str(DATA / "Air.mix"), 0.001205)
    assert by_file["Pb.ele"].file == str(own / "Pb.ele") and by_file["Pb.ele"].density_g_cm3 == 11.34
    # Yours in place of the shipped Pb.ele; the broken file left out.
    assert "Broken.mix" not in by_file
    assert len(listed) == len(list(DATA.glob("*.ele")) + list(DATA.glob("*.mix")))
    language("ja")
    assert {m.name for m in tubeline.materials(data_dir=DATA)} >= {"空気", "水", "Pb"}

    named = tubeline.compute(filters=[("Water.mix", 10), ("Pb", 0.1)], data_dir=DATA)
    assert named.conditions["filters"] == ((str(DATA / "Water.mix"), 10.0), (str(own / "Pb.ele"), 0.1))
    monkeypatch.delenv("XDG_DATA_HOME")
    assert same_result(tubeline.compute(filters=[("Pb", 0.1)], data_dir=DATA),
                       tubeline.compute(filters=[(DATA / "Pb.ele", 0.1)], data_dir=DATA))


def test_the_data_folder_comes_from_the_environment_or_the_package(monkeypatch, tmp_path):
    monkeypatch.chdir(tmp_path)
    # Beside the package: build/python/tubeline/data, or the data pip installed.
    assert tubeline.compute().hvl_text == "3.26"
    monkeypatch.setenv("TUBELINE_DATA", str(tmp_path))
    with pytest.raises(FileNotFoundError) as missing:
        tubeline.compute()
    assert missing.value.filename == str(tmp_path / "Att_Coeff2020.dat")
    monkeypatch.setenv("TUBELINE_DATA", str(DATA))
    assert tubeline.compute().conditions["data_dir"] == str(DATA)
    run = subprocess.run([CALCULATOR], capture_output=True, text=True, check=True)
    assert run.stdout.splitlines()[0] == "Half Value Layer = 3.26 mm Al"


def test_figures_of_a_spectrum_of_ones_own():
    monoenergetic = tubeline.figures([60.2], np.array([3.0]), data_dir=DATA)
    assert monoenergetic["hvl1_mm_al"] == pytest.approx(monoenergetic["hvl2_mm_al"], rel=1e-12)
    assert monoenergetic["mean_energy_kev"] == pytest.approx(60.2, rel=1e-15)
    assert monoenergetic["kerma_weighted_mean_energy_kev"] == pytest.approx(60.2, rel=1e-15)
    assert monoenergetic["effective_energy_kev"] == pytest.approx(60.2, rel=1e-12)

    # A model's spectrum on a 1-keV grid: nearly the figures of its 0.5-keV bins.
    result = tubeline.compute(kv=80, data_dir=DATA)
    coarse = tubeline.figures(result.energies_kev[1::2], result.photons[5, 1::2], data_dir=DATA)
    assert coarse["hvl1_mm_al"] == pytest.approx(result.beam_centre["hvl1_mm_al"], rel=0.01)
    assert all(v is None for v in tubeline.figures([1, 2, 3], [1, 1, 1], data_dir=DATA).values())

    for energies, fluence in (([10, 20], [1]), ([20, 10], [1, 1]), ([0.1], [1]),
                              ([10], [-1]), ([10], [math.nan]), ([[10]], [[1]])):
        with pytest.raises(ValueError):
            tubeline.figures(energies, fluence, data_dir=DATA)
    with pytest.raises(TypeError):
        tubeline.figures([10], [True], data_dir=DATA)


def test_to_dataframe_is_tidy():
    pytest.importorskip("pandas")
    result = tubeline.compute(data_dir=DATA)
    frame = result.to_dataframe()
    assert list(frame.columns) == ["angle_deg", "energy_kev", "photon_fluence", "energy_fluence",
                                   "air_kerma"]
    assert len(frame) == 3300
    row = frame[(frame.angle_deg == -4) & (frame.energy_kev == 60)].iloc[0]
    assert row.photon_fluence == result.spectra[3, 119]
    assert row.air_kerma == result.air_kerma[3, 119]
