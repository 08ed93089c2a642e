#!/usr/bin/env python3
"""Prints the tables of docs/performance.md from the benchmark's JSON output.

Run the benchmark with repetitions, once or several times, for example
  mvkinsp_bench --benchmark_repetitions=5 --benchmark_format=json > run1.json
then `bench/report.py run1.json [run2.json ...]`. Each figure is the median CPU time of the
repetitions of one run; with several runs a cell shows each run's median, and the spread is
how far the largest median lies above the smallest, over every size of the case.
"""

import json
import sys

TITLES = {
    "Open": "Open a desktop Inspector (depth ten)",
    "OpenFlat": "Open, every pad on the desktop",
    "OpenChains1000": "Open, chains 1,000 deep",
    "OpenOneChain": "Open, one chain of every pad",
    "Update": "Update",
    "PositionOfADeepLeaf": "Position of a leaf deep in the tree",
    "PositionAtTheChainEnd": "Position of the last pad of one chain",
    "SizeOfAPad": "Size of a pad",
    "SelectOnTheDesktop": "Select on the desktop",
    "SelectAll": "Select All (after clearing)",
    "SaveAndRestoreSelection": "Save and Restore Selection of all rows",
    "PasteOfOnePad": "Paste of one pad",
    "NestedLabelOnOneChain": "Nested Label on, one chain, first page read",
    "TenPaste": "10 Inspectors: paste of a leaf",
    "TenDestroy": "10 Inspectors: destroy of a leaf",
    "TenHide": "10 Inspectors: hide of a leaf",
    "TenShow": "10 Inspectors: show of a leaf",
    "TenMoveTop": "10 Inspectors: move of a top pad",
    "LoadFlatScene": "Load a scene, every pad on the desktop",
    "LoadChainScene": "Load a scene, one chain",
    "SearchByLabel": "Label search, about one pad in nine found, results shown",
    "SelectAllMirrored": "Select All mirrored into results listing every pad",
    "KeyPress": "A key (Down or Up, one row selected)",
    "ShiftEnd": "Shift+End from the first row",
}
SIZES = (1000, 10000, 100000)
MILLION = 1000000
FRAMES = (1, 10)
KEY_CASES = ("KeyPress", "ShiftEnd")


def figure(microseconds):
    if microseconds >= 1000:
        return f"{microseconds / 1000:.1f} ms"
    return f"{microseconds:.2f} µs"


def load(path):
    """Median CPU time per (case, argument), and the counters of each case.

    A run with repetitions has a median aggregate per case; a run without has one entry.
    """
    with open(path, encoding="utf-8") as source:
        runs = json.load(source)["benchmarks"]
    scales = {"ns": 0.001, "us": 1, "ms": 1000, "s": 1e6}
    medians, counters = {}, {}
    for run in runs:
        name, *rest = run["run_name"].split("/")
        key = (name, int(rest[0]) if rest and rest[0].isdigit() else 0)
        time = run["cpu_time"] * scales[run["time_unit"]]
        if run.get("aggregate_name") == "median":
            medians[key] = time
        elif run.get("run_type") == "iteration":
            medians.setdefault(key, time)
            for field, value in run.items():
                if field.endswith(("_per_row", "_MB", "_s")):
                    counters.setdefault(key, {})[field] = value
    return medians, counters


def cell(values):
    return " / ".join(figure(v) for v in values) if values else "–"


def spread(values):
    values = [v for v in values if v]
    return max(values) / min(values) - 1 if len(values) > 1 else 0.0


def main(paths):
    loaded = [load(path) for path in paths]
    runs = [medians for medians, _ in loaded]
    print("| Case | 1,000 pads | 10,000 pads | 100,000 pads | 100,000 / 10,000 | spread |")
    print("|---|---|---|---|---|---|")
    for name, title in TITLES.items():
        if name in KEY_CASES:
            continue
        per_size = [[r[(name, s)] for r in runs if (name, s) in r] for s in SIZES]
        if not any(per_size):
            continue
        ratios = [r[(name, 100000)] / r[(name, 10000)] for r in runs
                  if (name, 100000) in r and (name, 10000) in r]
        worst = max((spread(values) for values in per_size), default=0.0)
        ratio = " / ".join(f"{x:.1f}" for x in ratios) or "–"
        cells = " | ".join(cell(values) for values in per_size)
        print(f"| {title} | {cells} | {ratio} | {worst:.0%} |")
    print()
    print("| Case | 100 pads | 100,000 pads | 100,000 / 100 |")
    print("|---|---|---|---|")
    for name in KEY_CASES:
        per_size = [[r[(name, s)] for r in runs if (name, s) in r] for s in (100, 100000)]
        if not all(per_size):
            continue
        ratios = " / ".join(f"{r[(name, 100000)] / r[(name, 100)]:.1f}" for r in runs
                            if (name, 100) in r and (name, 100000) in r)
        print(f"| {TITLES[name]} | {cell(per_size[0])} | {cell(per_size[1])} | {ratios} |")
    million = [name for name in TITLES if any((name, MILLION) in r for r in runs)]
    if million:
        print()
        print("| Case | 100,000 pads | 1,000,000 pads | 1,000,000 / 100,000 |")
        print("|---|---|---|---|")
        for name in million:
            per_size = [[r[(name, s)] for r in runs if (name, s) in r] for s in (100000, MILLION)]
            ratios = " / ".join(f"{r[(name, MILLION)] / r[(name, 100000)]:.1f}" for r in runs
                                if (name, 100000) in r and (name, MILLION) in r)
            print(f"| {TITLES[name]} | {cell(per_size[0])} | {cell(per_size[1])} | {ratios or '–'} |")
    overhead = [[r[("CommandOverhead", f)] for r in runs if ("CommandOverhead", f) in r]
                for f in FRAMES]
    if all(overhead):
        print()
        print("| Console, work after each command | 1 frame | 10 frames |")
        print("|---|---|---|")
        print(f"| | {cell(overhead[0])} | {cell(overhead[1])} |")
    print()
    print("| Counter | Run | Figure |")
    print("|---|---|---|")
    for index, (_, counters) in enumerate(loaded, 1):
        for (name, argument), fields in sorted(counters.items()):
            for field, value in sorted(fields.items()):
                where = f"{name}/{argument}" if argument else name
                print(f"| {where} {field} | {index} | {value:.2f} |")


if __name__ == "__main__":
    main(sys.argv[1:])
