#!/usr/bin/env python3
"""Summarises runs of bench_journey (Google Benchmark JSON files, any sizes and repeats) as one
table: per step the median time at each fleet size, the largest size over the smallest, the goal
and whether the largest size met it; then the client's and the stand-in's peak memory.

    tools/fleet/journey-summary.py build/bench-journey/*.json
"""

import collections
import json
import statistics
import sys


def size_of(entries):
    return max((int(e.get("drivers", 0)) for e in entries), default=0)


def load(paths):
    """{size: {step: [entry, ...]}} in the order the steps first appear, and that order."""
    found = collections.defaultdict(lambda: collections.defaultdict(list))
    order = []
    for path in paths:
        with open(path) as handle:
            entries = json.load(handle)["benchmarks"]
        size = size_of(entries)
        if not size:
            print("journey-summary: %s names no fleet size" % path, file=sys.stderr)
            continue
        for entry in entries:
            name = entry["name"].split("/iterations")[0]
            found[size][name].append(entry)
            if name not in order:
                order.append(name)
    return found, order


def median(entries, key):
    values = [e[key] for e in entries if key in e and not e.get("error_occurred")]
    return statistics.median(values) if values else None


def cell(entries):
    if not entries:
        return "-"
    ms = median(entries, "ms")
    return "FAILED" if ms is None else "%.1f" % ms


def verdict(entries):
    """met, MISSED or FAILED at a size; empty for a step without a goal."""
    if not entries:
        return "-"
    ms, goal = median(entries, "ms"), median(entries, "goal_ms")
    if ms is None:
        return "FAILED"
    if not goal:
        return ""
    return "met" if ms <= goal else "MISSED"


def main(paths):
    runs, order = load(paths)
    if not runs:
        print("journey-summary: no runs", file=sys.stderr)
        return 1
    sizes = sorted(runs)
    small, large = sizes[0], sizes[-1]
    header = ["step"] + ["ms@%d" % size for size in sizes] + ["x%d/%d" % (large, small), "goal ms", "met?"]
    rows = []
    for name in order:
        if name == "PeakMemory":
            continue
        at = [runs[size].get(name, []) for size in sizes]
        first, last = median(at[0], "ms"), median(at[-1], "ms")
        ratio = "%.2f" % (last / first) if len(sizes) > 1 and first and last is not None else "-"
        goal = median(at[-1], "goal_ms") or median(at[0], "goal_ms")
        rows.append([name] + [cell(entries) for entries in at] + [ratio, "%.0f" % goal if goal else "-",
                                                                  verdict(at[-1])])
    widths = [max(len(row[i]) for row in [header] + rows) for i in range(len(header))]
    for row in [header] + rows:
        print("  ".join(text.ljust(widths[0]) if i == 0 else text.rjust(widths[i]) for i, text in enumerate(row)))
    for size in sizes:
        memory = runs[size].get("PeakMemory", [])
        if memory:
            print("peak memory at %d: client %.0f MiB (%.0f after sign-in), stand-in %.0f MiB" % (
                size, median(memory, "client_peak_MiB"), median(memory, "client_after_signin_MiB"),
                median(memory, "standin_peak_MiB")))
    missed = [row[0] for row in rows if row[-1] == "MISSED"]
    failed = [row[0] for row in rows if "FAILED" in row]
    print("at %d: %d steps, %d missed their goal%s, %d failed%s" % (
        large, len(rows), len(missed), (": " + ", ".join(missed)) if missed else "", len(failed),
        (": " + ", ".join(failed)) if failed else ""))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
