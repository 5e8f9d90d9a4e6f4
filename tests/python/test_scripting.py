"""The module as a notebook and a script use it: pickling at every protocol, value equality,
introspection, errors a program can act on, the language of any locale, Ctrl-C at any moment,
sweeps that keep their files and their memory, figures of many spectra. CTest runs this file
once, under C.UTF-8 (the default of containers and CI)."""

import ast
import inspect
import math
import os
import pydoc
import shutil
import signal
import subprocess
import sys
import time
import warnings
from pathlib import Path

import numpy as np
import pytest

import tubeline

DATA = Path(os.environ["TUBELINE_DATA_DIR"])
PUBLIC_FUNCTIONS = ("compute", "compute_many", "imap", "match_hvl", "figures", "materials")


@pytest.fixture
def language():
    """Sets the module's language for one test and then gives the locale's back."""
    spoken = tubeline.language()
    yield tubeline.set_language
    tubeline.set_language(spoken)


def python(code, **environment):
    """A fresh interpreter running code with the module importable: its exit status and
    output."""
    run = subprocess.run([sys.executable, "-c", code], capture_output=True, text=True,
                         env={**os.environ, **environment})
    return run.returncode, run.stdout + run.stderr


@pytest.mark.parametrize("protocol", [0, 1, 2, 5])
def test_every_record_pickles_at_every_protocol(protocol):
    # In a fresh interpreter: a pickler that aborts it must fail the test, not end the run.
    status, output = python(f"""
import pickle, tubeline
data = {str(DATA)!r}
result = tubeline.compute(kv=80, filters=[("Pb", 0.05)], data_dir=data)
match = tubeline.match_hvl(4.0, data_dir=data)
for kept in (result, match, tubeline.materials(data)[0]):
    copy = pickle.loads(pickle.dumps(kept, protocol={protocol}))
    assert copy == kept and type(copy) is type(kept), kept
figures, = tubeline.compute_many([dict(kv=80, data_dir=data)], figures_only=True)
assert pickle.loads(pickle.dumps(figures, protocol={protocol})) == figures
try:
    tubeline.compute(al=-1, data_dir=data)
except tubeline.InputRejected as error:
    rejected = error
copy = pickle.loads(pickle.dumps(result, protocol={protocol}))
assert not copy.photons.flags.writeable and not copy.angle_figures.flags.writeable
copy = pickle.loads(pickle.dumps(rejected, protocol={protocol}))
assert (str(copy), copy.field, copy.reason) == (str(rejected), "al", "negative")
print("pickled")
""")
    assert (status, output) == (0, "pickled\n")


def test_records_compare_by_value_and_are_not_hashable():
    computed = [tubeline.compute(kv=80, data_dir=DATA) for _ in range(2)]
    assert computed[0] == computed[1] and computed[0] is not computed[1]
    assert computed[0] != tubeline.compute(kv=80.5, data_dir=DATA)
    assert computed[0] != tubeline.compute(kv=80, data_dir=str(DATA) + "/")  # another data_dir
    figures = tubeline.compute_many([dict(kv=80, data_dir=DATA)] * 2, figures_only=True)
    assert figures[0] == figures[1] != computed[0]
    assert (figures[0].conditions, figures[0].per_angle) == (computed[0].conditions,
                                                            computed[0].per_angle)
    matches = [tubeline.match_hvl(4.0, "cu", data_dir=DATA) for _ in range(2)]
    assert matches[0] == matches[1]
    for record in (computed[0], figures[0], matches[0]):
        with pytest.raises(TypeError):
            hash(record)


def test_every_function_has_a_real_signature_and_help():
    for name in PUBLIC_FUNCTIONS:
        signature = inspect.signature(getattr(tubeline, name))
        assert all(p.annotation is not p.empty for p in signature.parameters.values()), name
    compute = inspect.signature(tubeline.compute).parameters
    assert list(compute) == ["model", "kv", "angle", "inherent", "al", "cu", "rectification",
                             "filters", "data_dir", "distance_mm", "output_factor"]
    assert compute["distance_mm"].kind is inspect.Parameter.KEYWORD_ONLY
    assert (compute["kv"].default, compute["angle"].default, compute["model"].default) == \
        (100.0, None, "tucker")
    assert list(inspect.signature(tubeline.match_hvl).parameters)[:3] == \
        ["target_mm_al", "match_with", "model"]
    text = pydoc.render_doc(tubeline.compute, renderer=pydoc.plaintext)
    assert "kv: float | int" in text and "= 100.0" in text and "PyCapsule" not in text
    for record in (tubeline.Result, tubeline.BeamFigures):
        for name, member in vars(record).items():
            if isinstance(member, property):
                assert member.__doc__, f"{record.__name__}.{name}"


def test_the_stubs_give_the_modules_signatures():
    REQUIRED = object()
    stubs = ast.parse((Path(tubeline.__file__).parent / "__init__.pyi").read_text())
    stubbed = {}
    for node in stubs.body:
        if isinstance(node, ast.FunctionDef):
            stubbed.setdefault(node.name, node.args)  # of overloads, the first: the default's
    for name in PUBLIC_FUNCTIONS:
        arguments = stubbed[name]
        positional = [None] * (len(arguments.args) - len(arguments.defaults)) + arguments.defaults
        stub = [(a.arg, REQUIRED if d is None else ast.literal_eval(d)) for a, d in
                zip(arguments.args + arguments.kwonlyargs, positional + arguments.kw_defaults)]
        module = [(p.name, REQUIRED if p.default is p.empty else p.default)
                  for p in inspect.signature(getattr(tubeline, name)).parameters.values()]
        assert stub == module, name


def test_an_unknown_keyword_names_the_closest():
    for call, message in (
            (lambda: tubeline.compute(kV=100), r"compute\(\): unknown argument 'kV' \(did you "
             r"mean 'kv'\?\); compute takes model, kv, angle, .* data_dir, distance_mm and "
             r"output_factor"),
            (lambda: tubeline.match_hvl(3, Al=1), r"did you mean 'al'\?"),
            (lambda: tubeline.compute(voltage=100), r"unknown argument 'voltage'; compute takes"),
            (lambda: tubeline.imap([], figures=True), r"did you mean 'figures_only'\?"),
            (lambda: tubeline.compute_many([{}, dict(Filters=())]),
             r"^condition 1 of compute_many: unknown argument 'Filters' \(did you mean "
             r"'filters'\?\)")):
        with pytest.raises(TypeError, match=message):
            call()


REFUSALS = [
    (dict(angle=11.99), "angle", "below_minimum"),
    (dict(angle=90), "angle", "not_below_limit"),
    (dict(kv=math.nan), "kv", "not_a_number"),
    (dict(cu=-math.inf), "cu", "beyond_range"),
    (dict(inherent=-0.5), "inherent", "negative"),
    (dict(al=1e6), None, "no_spectrum"),
    (dict(filters=[("Al", 1), ("Pb", -0.1)]), "filters[1]", "negative"),
    (dict(filters=[("Pb", math.nan)]), "filters[0]", "not_a_number"),
    (dict(filters=[("Al", 1)] * 4), "filters[3]", "no_free_slot"),
]
MATCH_REFUSALS = [
    (dict(target_mm_al=0.5), "target", "below_unfiltered"),
    (dict(target_mm_al=500), "target", "not_reached"),
    (dict(target_mm_al=-1), "target", "not_positive"),
    (dict(target_mm_al=math.nan), "target", "not_a_number"),
    (dict(target_mm_al=4, match_with="Pb", filters=[("Al", 0)] * 3), "filters", "no_free_slot"),
]


def test_refusals_say_which_field_and_why_in_every_language(language):
    def refusals():
        said = []
        for function, cases in ((tubeline.compute, REFUSALS), (tubeline.match_hvl, MATCH_REFUSALS)):
            for arguments, field, reason in cases:
                with pytest.raises(tubeline.InputRejected) as refused:
                    function(**arguments, data_dir=DATA)
                assert (refused.value.field, refused.value.reason) == (field, reason), arguments
                said.append(str(refused.value))
        return said

    language("ja")
    japanese = refusals()
    language("en")
    english = refusals()
    assert all(ja != en for ja, en in zip(japanese, english))


def test_a_material_is_found_in_any_case_or_said_where_it_was_sought(monkeypatch, tmp_path):
    own = tmp_path / "tubeline"
    own.mkdir()
    monkeypatch.setenv("XDG_DATA_HOME", str(tmp_path))
    water = tubeline.compute(filters=[("water", 10), ("AIR.MIX", 100)], data_dir=DATA)
    assert water.conditions["filters"] == ((str(DATA / "Water.mix"), 10.0),
                                           (str(DATA / "Air.mix"), 100.0))

    with pytest.raises(FileNotFoundError) as missing:
        tubeline.compute(filters=[("Watr", 1)], data_dir=DATA)
    assert missing.value.filename == "Watr"
    assert f"{own} and {DATA}" in str(missing.value) and "Water.mix" in str(missing.value)

    # Two spellings in other cases, yours and the shipped one: neither is taken.
    shutil.copy(DATA / "Pb.ele", own / "PB.ele")
    assert tubeline.compute(filters=[("PB", 1)], data_dir=DATA).conditions["filters"][0][0] == \
        str(own / "PB.ele")
    with pytest.raises(FileNotFoundError, match="PB.ele, Pb.ele"):
        tubeline.compute(filters=[("pb", 1)], data_dir=DATA)


@pytest.mark.parametrize("environment, spoken", [
    (dict(LC_ALL="C.UTF-8"), "en"), (dict(LC_ALL="POSIX"), "en"), (dict(LC_ALL="C"), "en"),
    (dict(LC_ALL="", LC_MESSAGES="", LANG="de_DE.UTF-8"), "en"),
    (dict(LC_ALL="", LC_MESSAGES="ja_JP.UTF-8", LANG="en_US.UTF-8"), "ja"),
    (dict(LC_ALL="", LC_MESSAGES="", LANG=""), "en"),
])
def test_the_locale_chooses_japanese_or_else_english(environment, spoken):
    status, output = python(f"""
import tubeline
try:
    tubeline.compute(al=-1, data_dir={str(DATA)!r})
except tubeline.InputRejected as refused:
    print(tubeline.language(), refused)
print(sorted(m.name for m in tubeline.materials({str(DATA)!r}))[:2])
""", **environment)
    assert status == 0, output
    if spoken == "en":
        assert output == "en Added aluminium: a thickness cannot be negative; please enter 0 mm " \
                         "or more\n['Adipose tissue', 'Ag']\n"
    else:
        assert output.startswith("ja アルミ付加フィルタの値が負です")


def test_ctrl_c_at_any_moment_of_the_first_compute_raises_keyboard_interrupt():
    # Signals sent 0, 5, 10 ... 115 ms after a fresh interpreter has imported the module: the
    # first compute once took NumPy's import as long, and Ctrl-C then came out as ImportError.
    child = f"""
import time, tubeline
try:
    print("imported", flush=True)
    tubeline.compute(data_dir={str(DATA)!r})
    time.sleep(10)
except KeyboardInterrupt:
    print("KeyboardInterrupt")
except BaseException as other:
    print(type(other).__name__, other)
"""
    for delay_ms in range(0, 120, 5):
        process = subprocess.Popen([sys.executable, "-c", child], stdout=subprocess.PIPE,
                                   text=True)
        assert process.stdout.readline() == "imported\n"
        time.sleep(delay_ms / 1e3)
        process.send_signal(signal.SIGINT)
        output, _ = process.communicate(timeout=30)
        assert (process.returncode, output) == (0, "KeyboardInterrupt\n"), delay_ms


def test_sweeps_warn_of_each_correction_by_its_place():
    conditions = [dict(kv=10, data_dir=DATA), dict(kv=20, data_dir=DATA), {"data_dir": DATA},
                  dict(kv=300, data_dir=DATA)]
    for sweep, name in ((tubeline.compute_many, "compute_many"),
                        (lambda c: list(tubeline.imap(c)), "imap")):
        with warnings.catch_warnings(record=True) as caught:
            warnings.simplefilter("default")
            sweep(conditions)
        assert [str(w.message).split(":")[0] for w in caught] == \
            [f"condition {i} of {name}" for i in (0, 1, 3)]
        assert {w.filename for w in caught} == {__file__}


def test_imap_reads_the_next_batch_as_it_hands_out_the_first_result():
    read = []

    def sweep():
        for kv in range(40, 240):
            read.append(kv)
            yield dict(kv=kv, data_dir=DATA)

    with warnings.catch_warnings():
        warnings.simplefilter("ignore", tubeline.TubelineWarning)
        results = tubeline.imap(sweep())
        assert next(results).conditions["kv"] == 40
        assert len(read) == 128  # the first 64 computed, the next 64 being computed
        assert [r.conditions["kv"] for r in results] == [min(kv, 150) for kv in range(41, 240)]


def test_figures_only_gives_the_figures_without_the_spectra():
    conditions = [dict(model="birch", kv=kv, al=1, data_dir=DATA) for kv in (50, 90, 130)]
    whole = tubeline.compute_many(conditions)
    figures = list(tubeline.imap(conditions, figures_only=True))
    assert figures == tubeline.compute_many(conditions, figures_only=True)
    for kept, result in zip(figures, whole):
        assert type(kept) is tubeline.BeamFigures and not hasattr(kept, "spectra")
        assert (kept.conditions, kept.beam_centre, kept.per_angle, kept.hvl_text,
                kept.fluence_text) == (result.conditions, result.beam_centre, result.per_angle,
                                       result.hvl_text, result.fluence_text)
    table = np.stack([kept.angle_figures for kept in figures])
    assert table["hvl1_mm_al"].shape == (3, 11)
    assert list(table["hvl1_mm_al"][:, 5]) == [r.beam_centre["hvl1_mm_al"] for r in whole]


def test_a_data_file_changed_on_disk_is_read_again(tmp_path):
    shutil.copy(DATA / "Att_Coeff2020.dat", tmp_path)
    shutil.copy(DATA / "Al.ele", tmp_path / "Own.ele")
    own = [(tmp_path / "Own.ele", 1)]
    first = tubeline.compute(filters=own, data_dir=tmp_path)
    assert first == tubeline.compute(filters=own, data_dir=tmp_path)

    # The same size and folder entry: only the contents (and the times) tell the change.
    text = (tmp_path / "Own.ele").read_text()
    density = text.splitlines()[1]
    (tmp_path / "Own.ele").write_text(text.replace(density, density.replace("2.", "4."), 1))
    thicker = tubeline.compute(filters=own, data_dir=tmp_path)
    assert thicker.beam_centre["hvl1_mm_al"] > first.beam_centre["hvl1_mm_al"]

    (tmp_path / "Att_Coeff2020.dat").write_text("not a table\n")
    with pytest.raises(tubeline.DataFileError):
        tubeline.compute(data_dir=tmp_path)
    (tmp_path / "Att_Coeff2020.dat").unlink()
    with pytest.raises(FileNotFoundError):
        tubeline.compute(data_dir=tmp_path)
    shutil.copy(DATA / "Att_Coeff2020.dat", tmp_path)
    assert tubeline.compute(filters=own, data_dir=tmp_path) == thicker


def test_figures_of_many_spectra_are_the_figures_of_each():
    result = tubeline.compute(model="birch", kv=120, data_dir=DATA)
    rows = tubeline.figures(result.energies_kev, result.photons, data_dir=DATA)
    assert rows == list(result.per_angle)
    assert rows == [tubeline.figures(result.energies_kev, row, data_dir=DATA)
                    for row in result.photons]
    assert tubeline.figures(result.energies_kev, result.photons[:0], data_dir=DATA) == []
    broken = result.photons.copy()
    broken[3, 7] = -1
    with pytest.raises(ValueError, match=r"fluence\[3, 7\] is negative"):
        tubeline.figures(result.energies_kev, broken, data_dir=DATA)
    with pytest.raises(ValueError, match="each row of fluence"):
        tubeline.figures(result.energies_kev, result.photons[:, 1:], data_dir=DATA)


def test_to_xarray_labels_the_spectra_and_figures():
    xarray = pytest.importorskip("xarray")
    result = tubeline.compute(kv=90, filters=[("Cu", 0.1)], data_dir=DATA)
    dataset = result.to_xarray()
    assert isinstance(dataset, xarray.Dataset)
    assert dict(dataset.sizes) == {"angle_deg": 11, "energy_kev": 300}
    assert np.array_equal(dataset.photon_fluence.sel(angle_deg=-4), result.spectra[3])
    assert float(dataset.air_kerma.sel(angle_deg=0, energy_kev=60)) == result.air_kerma[5, 119]
    assert float(dataset.hvl1_mm_al.sel(angle_deg=0)) == result.beam_centre["hvl1_mm_al"]
    assert (dataset.attrs["kv"], dataset.attrs["filters"]) == \
        (90.0, [f"{DATA / 'Cu.ele'}:0.1"])
