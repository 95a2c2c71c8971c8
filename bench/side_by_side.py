#!/usr/bin/env python3
"""Runs Gatrel's peer-circuit benchmark and Icarus Verilog's vvp on the same
circuits (bench/circuits), pinned to the same core, in one run, and prints
the rates and their ratios. Optionally runs the same benchmark built from an
earlier commit as well, for the ratio to the previous build.

Installs nothing: it says what is missing and stops.

    bench/side_by_side.py [--core N] [--rounds R] [--stat best|median] [--bench PATH] [--baseline PATH]

Rates are per second of processor time (Google Benchmark's rate counters
divide by CPU time; vvp's is taken from the child's user and system time).
Each of R rounds runs every program in turn; the table shows the fastest run
of each (or the median), since other work on the machine only slows a run.
"""
import argparse
import json
import os
import re
import resource
import shutil
import statistics
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
CIRCUITS = os.path.join(HERE, "circuits")

# What each netlist's test bench prints, and the work it stands for.
PEER = {
    "chain": {
        "file": "inv_chain_400.v",
        "line": re.compile(r"inv_chain N=400 cycles=(\d+) toggles=(\d+) out_toggles=(\d+) out=\S+ evals=(\d+)"),
        "check": lambda m: int(m.group(3)) >= int(m.group(2)),
        "work": lambda m: {"inverter_evals/s": int(m.group(4))},
    },
    "counter": {
        "file": "ripple_8.v",
        "line": re.compile(r"ripple B=8 cycles=(\d+) value=(\d+) expect=(\d+) ff_evals=(\d+)"),
        "check": lambda m: m.group(2) == m.group(3),
        "work": lambda m: {"clock_cycles/s": int(m.group(1)), "ff_evals/s": int(m.group(4))},
    },
}

# Gatrel's benchmark names and the counters compared.
GATREL = {"chain": "BM_Chain400", "counter": "BM_Ripple8"}
ROWS = [
    ("chain", "events/s"),
    ("chain", "ns/event"),
    ("chain", "inverter_evals/s"),
    ("counter", "clock_cycles/s"),
    ("counter", "events/s"),
    ("counter", "ff_evals/s"),
]


def missing_tools(args):
    missing = []
    for tool, package in (("taskset", "util-linux"), ("iverilog", "iverilog"), ("vvp", "iverilog")):
        if shutil.which(tool) is None:
            missing.append(f"{tool} (Debian package {package})")
    for label, path in (("Gatrel benchmark", args.bench), ("baseline benchmark", args.baseline)):
        if path and not os.access(path, os.X_OK):
            missing.append(f"{label} {path} (build it: cmake --build build --target peer_circuits_bench)")
    return missing


def child_cpu_seconds():
    r = resource.getrusage(resource.RUSAGE_CHILDREN)
    return r.ru_utime + r.ru_stime


def run_peer(core, vvp_file, spec):
    before = child_cpu_seconds()
    out = subprocess.run(["taskset", "-c", str(core), "vvp", "-n", vvp_file], check=True,
                         capture_output=True, text=True).stdout
    seconds = child_cpu_seconds() - before
    m = spec["line"].search(out)
    if m is None or not spec["check"](m):
        sys.exit(f"vvp gave an unexpected result for {vvp_file}:\n{out}")
    return {name: work / seconds for name, work in spec["work"](m).items()}


def run_gatrel(core, bench, repetitions):
    """Each circuit's counters, one dictionary per repetition."""
    out = subprocess.run(["taskset", "-c", str(core), bench, "--benchmark_format=json",
                          f"--benchmark_repetitions={repetitions}", "--benchmark_min_time=0.2"],
                         check=True, capture_output=True, text=True).stdout
    result = {}
    for b in json.loads(out)["benchmarks"]:
        for circuit, name in GATREL.items():
            if b.get("run_name", b["name"]) == name and b.get("run_type", "iteration") == "iteration":
                if b.get("error_occurred"):
                    sys.exit(f"{bench}: {name}: {b.get('error_message')}")
                result.setdefault(circuit, []).append(b)
    if len(result) != len(GATREL):
        sys.exit(f"{bench} did not run {', '.join(GATREL.values())}")
    return result


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--core", type=int, default=2, help="the core all programs run on (default 2)")
    parser.add_argument("--rounds", type=int, default=3, help="rounds of every program (default 3)")
    parser.add_argument("--repetitions", type=int, default=5,
                        help="repetitions of Gatrel's benchmarks within a round (default 5)")
    parser.add_argument("--stat", choices=("best", "median"), default="best",
                        help="best (the fastest run: the least disturbed by other work) or median")
    builds = [os.path.join(HERE, "..", d, "bench", "peer_circuits_bench") for d in ("build-test", "build")]
    parser.add_argument("--bench", default=next((b for b in builds if os.access(b, os.X_OK)), builds[0]),
                        help="Gatrel's peer_circuits_bench (default: the one in build-test/ or build/)")
    parser.add_argument("--baseline", help="the same benchmark built from an earlier commit")
    args = parser.parse_args()

    missing = missing_tools(args)
    if missing:
        print("side_by_side: missing, nothing was run:\n  " + "\n  ".join(missing), file=sys.stderr)
        return 2

    programs = {"gatrel": args.bench}
    if args.baseline:
        programs["baseline"] = args.baseline
    samples = {}  # (program, circuit, counter) -> [values]
    with tempfile.TemporaryDirectory() as tmp:
        compiled = {}
        for circuit, spec in PEER.items():
            compiled[circuit] = os.path.join(tmp, circuit + ".vvp")
            subprocess.run(["iverilog", "-o", compiled[circuit], os.path.join(CIRCUITS, spec["file"])], check=True)
        for _ in range(args.rounds):
            for program, path in programs.items():
                for circuit, runs in run_gatrel(args.core, path, args.repetitions).items():
                    for b in runs:
                        for _, counter in ROWS:
                            if counter in b:
                                samples.setdefault((program, circuit, counter), []).append(b[counter])
            for circuit, spec in PEER.items():
                for counter, value in run_peer(args.core, compiled[circuit], spec).items():
                    samples.setdefault(("vvp", circuit, counter), []).append(value)

    def median(program, circuit, counter):
        values = samples.get((program, circuit, counter))
        if not values:
            return None
        if args.stat == "median":
            return statistics.median(values)
        # The least disturbed run: the fastest.
        return min(values) if counter == "ns/event" else max(values)

    def fmt(v, counter):
        if v is None:
            return "-"
        return f"{v:.2f}" if counter == "ns/event" else f"{v / 1e6:.3f} M"

    def ratio(a, b, counter):
        if a is None or b is None:
            return "-"
        return f"{(b / a if counter == 'ns/event' else a / b):.2f}x"

    header = ["circuit", "measure", "Gatrel", "vvp", "Gatrel/vvp"]
    if args.baseline:
        header += ["previous", "Gatrel/previous"]
    print(f"core {args.core}, {args.stat} of {args.rounds} rounds, rates per second of processor time")
    print(" | ".join(header))
    for circuit, counter in ROWS:
        g = median("gatrel", circuit, counter)
        v = median("vvp", circuit, counter)
        row = [circuit, counter, fmt(g, counter), fmt(v, counter), ratio(g, v, counter)]
        if args.baseline:
            p = median("baseline", circuit, counter)
            row += [fmt(p, counter), ratio(g, p, counter)]
        print(" | ".join(row))
    return 0


if __name__ == "__main__":
    sys.exit(main())
