"""What the Python module adds to a calculation: tubeline.compute against the same calculation
in C++ (tubeline_scripted_bench, whose labels give the conditions). The two take turns, nine
times each, and the shortest elapsed and processor times (of all threads) are compared: other
programs on the cores only ever add to a time, so the shortest is the least disturbed, and
taking turns lets a load that drifts weigh on both sides.

Usage: python_binding.py SCRIPTED_BENCH DATA_DIR
Exit status 1 when the module adds 20 % or more processor time to a case.
"""

import json
import subprocess
import sys
import time
from pathlib import Path

import tubeline

GOAL = 1.20
REPETITIONS = 9
MIN_SECONDS = 0.3  # per repetition and side


def cpp_runs(bench, name_filter="."):
    """(case name, compute's conditions as a label, elapsed and processor milliseconds per run)
    of each C++ case."""
    report = json.loads(subprocess.run(
        [bench, "--benchmark_format=json", f"--benchmark_filter={name_filter}",
         f"--benchmark_min_time={MIN_SECONDS}"],
        capture_output=True, text=True, check=True).stdout)
    return [(run["run_name"].split("/")[1], run["label"], run["real_time"], run["cpu_time"])
            for run in report["benchmarks"]]


def conditions_of(label, data):
    """compute's arguments from a label; lead_mm is a filter of data/Pb.ele."""
    arguments = {"data_dir": data}
    for pair in label.split():
        name, value = pair.split("=")
        if name == "lead_mm":
            arguments["filters"] = [(data / "Pb.ele", float(value))]
        elif name == "model":
            arguments[name] = value
        elif name == "rectification":
            arguments[name] = int(value)
        else:
            arguments[name] = float(value)
    return arguments


def python_ms(arguments):
    """Milliseconds per run: elapsed, and processor time of all threads."""
    count, start, cpu_start = 0, time.perf_counter(), time.process_time()
    while (elapsed := time.perf_counter() - start) < MIN_SECONDS:
        tubeline.compute(**arguments)
        count += 1
    return elapsed / count * 1e3, (time.process_time() - cpu_start) / count * 1e3


def main(bench, data):
    print(f"{'Conditions':34} {'elapsed: C++':>12} {'Python':>8} {'ratio':>6}"
          f" {'processor: C++':>15} {'Python':>8} {'ratio':>6}  goal: ratio < {GOAL:.2f}")
    met = True
    for name, label, *_ in cpp_runs(bench):
        arguments = conditions_of(label, data)
        tubeline.compute(**arguments)
        cpp, python = [], []
        for _ in range(REPETITIONS):
            cpp.append(cpp_runs(bench, f"^scripted/{name}/")[0][2:])
            python.append(python_ms(arguments))
        cpp_real, cpp_cpu = (min(times) for times in zip(*cpp))
        python_real, python_cpu = (min(times) for times in zip(*python))
        # Processor time judges: programs sharing the cores stretch the elapsed time of either
        # side, waiting for a core, more than the work each does.
        ratio = python_cpu / cpp_cpu
        met &= ratio < GOAL
        print(f"{name:34} {cpp_real:10.3f}ms {python_real:6.3f}ms {python_real / cpp_real:6.3f}"
              f" {cpp_cpu:13.3f}ms {python_cpu:6.3f}ms {ratio:6.3f}  "
              f"{'met' if ratio < GOAL else 'MISSED'}")
    return 0 if met else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], Path(sys.argv[2])))
