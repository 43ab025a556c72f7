#!/usr/bin/env python3
"""Summarises runs of bench_fleet (Google Benchmark JSON files, any sizes and repeats): per size
and measure the median time, the median anchor and the median of the runs' ratios (each run's
time over the anchor's of the same run) beside its goal and beside what the old order gave (the
anchor timed right after the measure), and the window size and font both were drawn in; the goals
at the largest size; and the growth of each measure from the smallest size to the largest beside
n log n."""

import collections
import json
import math
import statistics
import sys

# Goals at a fleet's size: sign-in within 1.1x the bare socket client; the driver table's first
# rows within 3x the plain ListView and within 2 s; a filter keystroke within 100 ms.
GOALS = {"SignIn": (1.1, None), "OpenDriverTable": (3.0, 2000.0), "FilterKeystroke": (None, 100.0)}


def load(paths):
    found = collections.defaultdict(lambda: collections.defaultdict(list))
    for path in paths:
        with open(path) as handle:
            for entry in json.load(handle)["benchmarks"]:
                if entry.get("error_occurred"):
                    continue
                name = entry["name"].split("/iterations")[0]
                found[int(entry["drivers"])][name].append(entry)
    return found


def median(entries, key):
    values = [e[key] for e in entries if key in e]
    return statistics.median(values) if values else None


def ratio(entries, ours="ms", anchor="ms_anchor"):
    """The median of the runs' ratios, each run's time over its own anchor's; None without any.
    Medians taken apart may come from different runs, and their ratio from none."""
    values = [e[ours] / e[anchor] for e in entries if e.get(anchor) and ours in e]
    return statistics.median(values) if values else None


def font_of(entries):
    """The font a measure and its ListView anchor drew their texts in (the runs' label), or None."""
    return next((e["label"] for e in entries if e.get("label")), None)


def drawn_in(entries):
    """Where a measure and its anchor were drawn: ", both drawn at 1100x700 in monospace 5 px"."""
    width, font = median(entries, "window_width"), font_of(entries)
    if not width and not font:
        return ""
    at = " at %.0fx%.0f" % (width, median(entries, "window_height")) if width else ""
    return ", both drawn%s%s" % (at, " in " + font if font else "")


def goal_text(name):
    ratio, limit = GOALS.get(name, (None, None))
    parts = (["x%.1f the anchor" % ratio] if ratio else []) + (["%.0f ms" % limit] if limit else [])
    return " and ".join(parts)


def main(paths):
    runs = load(paths)
    if not runs:
        print("fleet-summary: no runs", file=sys.stderr)
        return 1
    sizes = sorted(runs)
    for size in sizes:
        print("%d drivers (%d runs)" % (size, max(len(v) for v in runs[size].values())))
        for name, entries in runs[size].items():
            if name == "PeakMemory":
                print("  %-20s after sign-in %.0f MiB, peak %.0f MiB" % (
                    name, median(entries, "after_signin_MiB"), median(entries, "peak_MiB")))
                continue
            ms, anchor = median(entries, "ms"), median(entries, "ms_anchor")
            line = "  %-20s %9.1f ms" % (name, ms)
            if anchor:
                line += "   anchor %8.1f ms   x%.2f" % (anchor, ratio(entries))
                ratios = [e["ms"] / e["ms_anchor"] for e in entries if e.get("ms_anchor")]
                if len(ratios) > 1:
                    line += " (runs x%.2f-x%.2f)" % (min(ratios), max(ratios))
                old = ratio(entries, "ms_old_order", "ms_anchor_old_order")
                if old:
                    line += ", old order x%.2f" % old
                if GOALS.get(name, (None,))[0]:
                    line += ", goal x%.1f" % GOALS[name][0]
                line += drawn_in(entries)
            print(line)
    largest = sizes[-1]
    missed = 0
    for name, (goal, limit) in GOALS.items():
        entries = runs[largest].get(name)
        if not entries:
            continue
        ms, times = median(entries, "ms"), ratio(entries)
        ok = (limit is None or ms <= limit) and (goal is None or not times or times <= goal)
        missed += not ok
        font = font_of(entries)
        print("goal %-16s at %d: %.1f ms%s, goal %s -> %s" % (
            name, largest, ms, ", x%.2f the anchor%s" % (times, " in " + font if font else "") if times else "",
            goal_text(name), "met" if ok else "MISSED"))
    if len(sizes) > 1:
        small = sizes[0]
        bound = largest * math.log(largest) / (small * math.log(small))
        print("growth from %d to %d (n log n allows x%.1f):" % (small, largest, bound))
        for name, entries in runs[largest].items():
            key = "peak_MiB" if name == "PeakMemory" else "ms"
            before = median(runs[small].get(name, []), key)
            if not before:
                continue
            growth = median(entries, key) / before
            print("  %-20s x%.2f%s" % (name, growth, "" if growth <= bound else "  WORSE THAN n log n"))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
