"""Sweeps through the Python module: what a loop of tubeline.compute costs against compute_many
over the same conditions, what imap gains while the caller works on each result, and how much
memory a sweep keeps.

1. The same 666 conditions (both models, the three rectifications, 40 to 150 kV in 1-kV steps)
   as a loop of compute and as one compute_many, taking turns three times; the shortest
   processor time (of all threads) and elapsed time of each.
2. imap over them while the caller spends CALLER_WORK_MS of processor time on each result, and
   the same work after each compute of a loop: the elapsed time, and the part of it the caller
   spent waiting for results (which computing ahead saves even where other programs keep the
   cores busy, and the elapsed time then shows no gain).
3. In a fresh interpreter, the peak resident memory before and after keeping the results of a
   sweep: LARGE_SWEEP conditions with figures_only=True where the module has it, else
   SMALL_SWEEP whole Results.

Usage: python_sweeps.py DATA_DIR [LARGE_SWEEP]
"""

import subprocess
import sys
import time
import warnings
from pathlib import Path

import tubeline

REPETITIONS = 3
CALLER_WORK_MS = 0.5
LARGE_SWEEP = 100_000
SMALL_SWEEP = 2_000


def the_666(data):
    return [dict(model=model, rectification=rectification, kv=kv, data_dir=data)
            for model in ("tucker", "birch") for rectification in (1, 2, 3)
            for kv in range(40, 151)]


def timed(work):
    """(processor seconds of all threads, elapsed seconds) of work()."""
    cpu, start = time.process_time(), time.perf_counter()
    work()
    return time.process_time() - cpu, time.perf_counter() - start


def caller_work(_result):
    """CALLER_WORK_MS of the caller's own processor time, as a script plotting or storing each
    result spends it."""
    end = time.thread_time() + CALLER_WORK_MS / 1e3
    while time.thread_time() < end:
        pass


def serial_and_many(conditions):
    loop = lambda: [tubeline.compute(**c) for c in conditions]
    many = lambda: tubeline.compute_many(conditions)
    loop(), many()  # the first calls read the files and start the threads
    times = {"compute loop": [], "compute_many": []}
    for _ in range(REPETITIONS):
        times["compute loop"].append(timed(loop))
        times["compute_many"].append(timed(many))
    print(f"{len(conditions)} conditions, shortest of {REPETITIONS} turns:")
    for name, runs in times.items():
        cpu, elapsed = min(c for c, _ in runs), min(e for _, e in runs)
        print(f"  {name:13} processor {cpu:6.3f} s ({cpu / len(conditions) * 1e3:.3f} ms a "
              f"condition), elapsed {elapsed:6.3f} s")


def with_caller_work(conditions):
    """Elapsed seconds of the whole sweep and of the caller's waits for results."""
    def loop():
        waited = 0
        for c in conditions:
            start = time.perf_counter()
            result = tubeline.compute(**c)
            waited += time.perf_counter() - start
            caller_work(result)
        return waited

    def imap():
        waited, results = 0, tubeline.imap(conditions)
        while True:
            start = time.perf_counter()
            result = next(results, None)
            waited += time.perf_counter() - start
            if result is None:
                return waited
            caller_work(result)

    runs = {"compute loop": [], "imap": []}
    for _ in range(REPETITIONS):
        for name, sweep in (("compute loop", loop), ("imap", imap)):
            start = time.perf_counter()
            waited = sweep()
            runs[name].append((time.perf_counter() - start, waited))
    print(f"the same, the caller working {CALLER_WORK_MS} ms on each result, shortest elapsed:")
    for name, times in runs.items():
        print(f"  {name:13} {min(e for e, _ in times):6.3f} s, of which waiting for results "
              f"{min(w for _, w in times):6.3f} s")


KEPT = """
import sys, tubeline
count, figures_only, data = int(sys.argv[1]), sys.argv[2] == "1", sys.argv[3]
# Peak resident memory of this program in kB (getrusage's would count the parent's before exec).
peak = lambda: int(open("/proc/self/status").read().split("VmHWM:")[1].split()[0])
sweep = (dict(kv=40 + (i % 1101) * 0.1, al=(i // 1101) * 0.05, data_dir=data) for i in range(count))
tubeline.compute(data_dir=data)
before = peak()
kept = tubeline.compute_many(sweep, figures_only=True) if figures_only else tubeline.compute_many(sweep)
after = peak()
print(len(kept), before, after, kept[-1].hvl_text)
"""


def kept_memory(data, large):
    figures_only = "figures_only" in tubeline.compute_many.__doc__
    count = large if figures_only else SMALL_SWEEP
    start = time.perf_counter()
    run = subprocess.run([sys.executable, "-c", KEPT, str(count), "1" if figures_only else "0",
                          str(data)], capture_output=True, text=True, check=True)
    kept, before_kb, after_kb, _ = run.stdout.split()
    grown = (int(after_kb) - int(before_kb)) * 1024
    kind = "figures_only" if figures_only else "whole Results"
    print(f"compute_many of {kept} conditions, {kind}: peak resident {int(before_kb) / 1024:.0f} MB"
          f" before, {int(after_kb) / 1024:.0f} MB after, {grown / int(kept) / 1024:.2f} KB a "
          f"condition kept ({time.perf_counter() - start:.0f} s)")


def main(data, large):
    print(f"tubeline {tubeline.__version__}")
    conditions = the_666(data)
    with warnings.catch_warnings():
        warnings.simplefilter("error")  # none of these conditions is corrected
        serial_and_many(conditions)
        with_caller_work(conditions)
    kept_memory(data, large)


if __name__ == "__main__":
    main(Path(sys.argv[1]), int(sys.argv[2]) if len(sys.argv) > 2 else LARGE_SWEEP)
