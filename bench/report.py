#!/usr/bin/env python3
"""Prints the table of docs/performance.md from the benchmark's JSON output.

Run the benchmark with repetitions, for example
  mvkinsp_bench --benchmark_repetitions=5 --benchmark_format=json > run.json
then `bench/report.py run.json`. Each figure is the median CPU time of the repetitions.
"""

import json
import sys

TITLES = {
    "Open": "Open a desktop Inspector",
    "Update": "Update",
    "PositionOfADeepLeaf": "Position of a leaf deep in the tree",
    "SizeOfAPad": "Size of a pad",
    "SelectOnTheDesktop": "Select on the desktop",
    "SelectAll": "Select All (after clearing)",
    "SaveAndRestoreSelection": "Save and Restore Selection of all rows",
    "PasteOfOnePad": "Paste of one pad",
    "SearchByLabel": "Label search, about one pad in nine found, results shown",
    "SelectAllMirrored": "Select All mirrored into results listing every pad",
    "KeyPress": "A key (Down or Up, one row selected)",
    "ShiftEnd": "Shift+End from the first row",
}
SIZES = (1000, 10000, 100000)
KEY_CASES = ("KeyPress", "ShiftEnd")


def figure(microseconds):
    if microseconds >= 1000:
        return f"{microseconds / 1000:.1f} ms"
    return f"{microseconds:.2f} µs"


def main(path):
    with open(path, encoding="utf-8") as source:
        runs = json.load(source)["benchmarks"]
    medians = {}
    for run in runs:
        if run.get("aggregate_name") != "median":
            continue
        name, size = run["run_name"].split("/")[:2]
        scale = {"us": 1, "ms": 1000, "ns": 0.001}[run["time_unit"]]
        medians[(name, int(size))] = run["cpu_time"] * scale
    print("| Case | 1,000 pads | 10,000 pads | 100,000 pads | 100,000 / 10,000 |")
    print("|---|---|---|---|---|")
    for name, title in TITLES.items():
        times = [medians.get((name, size)) for size in SIZES]
        if None in times:
            continue
        cells = " | ".join(figure(time) for time in times)
        print(f"| {title} | {cells} | {times[2] / times[1]:.1f} |")
    print()
    print("| Case | 100 pads | 100,000 pads | 100,000 / 100 |")
    print("|---|---|---|---|")
    for name in KEY_CASES:
        times = [medians.get((name, size)) for size in (100, 100000)]
        if None in times:
            continue
        cells = " | ".join(figure(time) for time in times)
        print(f"| {TITLES[name]} | {cells} | {times[1] / times[0]:.1f} |")


if __name__ == "__main__":
    main(sys.argv[1])
