"""journey-summary.py over made-up runs of bench_journey: the table's figures, growth and verdicts."""

import json
import os
import subprocess
import sys
import tempfile
import unittest

SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "journey-summary.py")


def step(name, ms, goal, drivers, runs=1):
    return {"name": "%s/iterations:%d/manual_time" % (name, runs), "ms": ms, "goal_ms": goal, "drivers": drivers,
            "met": 1.0 if not goal or ms <= goal else 0.0}


def failed(name):
    # A failed step carries no counters, as Google Benchmark writes it.
    return {"name": name + "/iterations:1/manual_time", "error_occurred": True, "error_message": "gone"}


class JourneySummaryTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()

    def tearDown(self):
        self.folder.cleanup()

    def write(self, name, entries):
        path = os.path.join(self.folder.name, name)
        with open(path, "w") as handle:
            json.dump({"context": {}, "benchmarks": entries}, handle)
        return path

    def summarise(self, *paths):
        done = subprocess.run([sys.executable, SCRIPT, *paths], stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                              text=True)
        rows = {line.split()[0]: line.split() for line in done.stdout.splitlines() if line.strip()}
        return done, rows

    def test_sizes_growth_and_goals(self):
        small = self.write("small.json", [
            step("SignIn", 1000, 0, 10000), step("Open/drivers", 300, 2000, 10000),
            step("FilterKeystroke", 40, 100, 10000), step("Report/brandReport/run", 500, 2000, 10000),
            {"name": "PeakMemory/iterations:1/manual_time", "drivers": 10000, "client_peak_MiB": 300,
             "client_after_signin_MiB": 250, "standin_peak_MiB": 90}])
        # Two runs at the larger size: the median of each step counts.
        large = [self.write("large-%d.json" % run, [
            step("SignIn", 12000 + run, 0, 100000), step("Open/drivers", 2500 + run * 2, 2000, 100000),
            step("FilterKeystroke", [60, 90, 140][run], 100, 100000), failed("Report/brandReport/run")])
            for run in (0, 1, 2)]
        done, rows = self.summarise(small, *large)
        self.assertEqual(done.returncode, 0, done.stderr)
        self.assertEqual(rows["step"], ["step", "ms@10000", "ms@100000", "x100000/10000", "goal", "ms", "met?"])
        # The sign-in has no goal: its growth alone.
        self.assertEqual(rows["SignIn"], ["SignIn", "1000.0", "12001.0", "12.00", "-"])
        self.assertEqual(rows["Open/drivers"], ["Open/drivers", "300.0", "2502.0", "8.34", "2000", "MISSED"])
        # Met at the largest size by the median, though one run missed it.
        self.assertEqual(rows["FilterKeystroke"][-1], "met")
        self.assertEqual(rows["FilterKeystroke"][2], "90.0")
        self.assertEqual(rows["Report/brandReport/run"], ["Report/brandReport/run", "500.0", "FAILED", "-", "2000",
                                                          "FAILED"])
        self.assertIn("peak memory at 10000: client 300 MiB (250 after sign-in), stand-in 90 MiB", done.stdout)
        self.assertIn("1 missed their goal: Open/drivers, 1 failed: Report/brandReport/run", done.stdout)

    def test_a_step_missing_at_a_size_shows_a_dash(self):
        small = self.write("small.json", [step("SignIn", 900, 0, 1500), step("Open/cars", 50, 2000, 1500)])
        large = self.write("large.json", [step("SignIn", 1800, 0, 3000)])
        done, rows = self.summarise(small, large)
        self.assertEqual(done.returncode, 0, done.stderr)
        self.assertEqual(rows["Open/cars"], ["Open/cars", "50.0", "-", "-", "2000", "-"])

    def test_no_runs_is_an_error(self):
        unnamed = self.write("unnamed.json", [failed("SignIn")])
        done, _ = self.summarise(unnamed)
        self.assertNotEqual(done.returncode, 0)
        self.assertIn("names no fleet size", done.stderr)
        self.assertIn("no runs", done.stderr)


if __name__ == "__main__":
    unittest.main()
