"""scripts/run.sh started as the README says, twice, with runscript-driver in the person's place
(KORIV_RUN_PROGRAM) and its settings in a folder of the test's (KORIV_RUN_DIR): the demo platform
drawn and its reports written (each showing what it is for), then a bare start that keeps the
language chosen in the first and the operator's own hosts and other settings. Then the starts that
must stop early: a throwaway cluster that does not start (run.sh and standin.sh leave the caller's
own cluster alone), and a second run.sh on a run folder in use; and the start after a run.sh
killed with -9.

Runs under xvfb-run (ctest); KORIV_SOURCE_DIR, KORIV_BUILD_DIR and KORIV_RUNSCRIPT_DRIVER come from ctest.
"""

import glob
import os
import re
import shlex
import shutil
import signal
import subprocess
import tempfile
import time
import unittest

import openpyxl
import psycopg2

SOURCE = os.environ.get("KORIV_SOURCE_DIR", "")
BUILD = os.environ.get("KORIV_BUILD_DIR", "")
DRIVER = os.environ.get("KORIV_RUNSCRIPT_DRIVER", "")


def time_limit(seconds):
    """seconds stretched by the factor in KORIV_TEST_TIME_FACTOR, as the C++ tests' waits are."""
    try:
        factor = int(os.environ.get("KORIV_TEST_TIME_FACTOR", "1"))
    except ValueError:
        factor = 1
    return seconds * max(factor, 1)

# The operator's own settings, as Qt writes them: a host of their own, a value of another group.
OWN_SETTINGS = r"""[elsewhere]
kept="a, b"

[hosts]
1\address=192.0.2.10
1\name="Office, main"
1\port=40300
size=1
"""


def sections(text):
    """{section: {key: value}} of an INI text."""
    found, current = {}, None
    for line in text.splitlines():
        if line.startswith("[") and line.endswith("]"):
            current = found.setdefault(line[1:-1], {})
        elif "=" in line and current is not None:
            key, _, value = line.partition("=")
            current[key] = value
    return found


def start_cluster():
    """A throwaway cluster as a caller's shell holds one: the variables pg-tmp.sh exports."""
    done = subprocess.run([os.path.join(SOURCE, "scripts", "pg-tmp.sh"), "start"], stdout=subprocess.PIPE,
                          stderr=subprocess.PIPE, text=True, timeout=time_limit(120), check=True)
    return dict(tuple(word.split("=", 1)) for line in done.stdout.splitlines() for word in shlex.split(line)[1:])


def stop_cluster(variables):
    subprocess.run([os.path.join(SOURCE, "scripts", "pg-tmp.sh"), "stop", variables["PG_TMP_DIR"]],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=time_limit(120))


def group_members(group):
    """The processes of a process group that have not ended."""
    ps = subprocess.run(["ps", "-e", "-o", "pid=,pgid=,stat="], stdout=subprocess.PIPE, text=True, check=True)
    return [int(pid) for pid, pgid, stat in map(str.split, ps.stdout.splitlines())
            if int(pgid) == group and not stat.startswith("Z")]


def run_to_end(command, environment, timeout):
    """(exit status, output) of a script run in a process group of its own, which goes whole
    when it outlives the timeout (status None)."""
    process = subprocess.Popen(command, cwd=SOURCE, env=environment, stdin=subprocess.DEVNULL,
                               stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, start_new_session=True)
    try:
        output, _ = process.communicate(timeout=time_limit(timeout))
        return process.returncode, output
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        return None, process.communicate()[0]


class RunScript(unittest.TestCase):
    def setUp(self):
        for name, value in (("KORIV_SOURCE_DIR", SOURCE), ("KORIV_BUILD_DIR", BUILD), ("KORIV_RUNSCRIPT_DRIVER", DRIVER)):
            if not value:
                raise RuntimeError("%s is not set: run the test through ctest" % name)
        if not os.environ.get("DISPLAY"):
            raise RuntimeError("no DISPLAY: run the test through ctest, which starts xvfb-run")

    def start(self, run_dir, step, *arguments):
        environment = dict(os.environ, BUILD_DIR=BUILD, KORIV_RUN_DIR=run_dir, KORIV_RUN_PROGRAM=DRIVER,
                           KORIV_RUNSCRIPT_STEP=step)
        # The driver keeps the workbooks beside its screenshots.
        environment.setdefault("KORIV_SCREENSHOT_DIR", os.path.join(run_dir, "screenshots"))
        done = subprocess.run([os.path.join(SOURCE, "scripts", "run.sh")] + list(arguments), cwd=SOURCE,
                              env=environment, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                              stderr=subprocess.STDOUT, text=True, timeout=time_limit(800))
        # The pages' own warnings would bury what went wrong: the script's and the driver's lines first.
        said = [line for line in done.stdout.splitlines()
                if not line.startswith(("qrc:", "[", "qt.qpa.xcb")) and "TypeError" not in line]
        self.assertEqual(done.returncode, 0, "\n".join(said[-80:]))
        self.assertIn("runscript driver: done", done.stdout)
        return done.stdout

    def test_demo_then_bare_keeping_the_settings(self):
        with tempfile.TemporaryDirectory(prefix="koriv-run.") as run_dir:
            ini = os.path.join(run_dir, "config", "Koriv", "KorivAdmin.ini")
            os.makedirs(os.path.dirname(ini))
            with open(ini, "w", encoding="utf-8") as f:
                f.write(OWN_SETTINGS)

            said = self.start(run_dir, "demo")
            self.assertIn('A second operator: "second" with the password "second".', said)
            self.assertReportsShowTheirPurpose(dict(re.findall(r"^runscript driver: (\w+) workbook (.+)$", said, re.M)))
            self.assertEqual(len(re.findall(r"^runscript driver: \w+ wrote \d+ values$", said, re.M)), 5, said[-3000:])
            self.assertIn("standin-command.py %s/standin.sock notify" % os.path.realpath(run_dir), said)
            with open(ini, encoding="utf-8") as f:
                first = sections(f.read())
            self.assertEqual(first["i18n"]["lang"], "uk")
            self.assertEqual((first["hosts"]["2\\name"], first["hosts"]["2\\address"], first["hosts"]["size"]),
                             ("Local stand-in", "127.0.0.1", "2"))
            self.assertEqual(first["auth"]["current_host"], "1")
            self.assertFalse(os.path.exists(os.path.join(run_dir, "standin.sock")))

            said = self.start(run_dir, "bare", "--bare")
            self.assertNotIn("A second operator", said)
            with open(ini, encoding="utf-8") as f:
                text = f.read()
            second = sections(text)
            self.assertEqual(second["i18n"]["lang"], "uk")
            self.assertEqual(second["hosts"]["size"], "2")
            self.assertEqual((second["hosts"]["1\\address"], second["hosts"]["1\\name"]),
                             ("192.0.2.10", '"Office, main"'))
            self.assertEqual(second["auth"]["current_host"], "1")
            self.assertEqual(second["elsewhere"]["kept"], '"a, b"')

    def assertReportsShowTheirPurpose(self, written):
        # The driver report: successful orders (G) and takings in cash (K) and by card (L).
        driver = openpyxl.load_workbook(written["driverReport"]).worksheets[0]
        rows = [[driver.cell(row, column).value for column in (3, 7, 11, 12)] for row in range(22, driver.max_row + 1)]
        self.assertTrue(rows and all(min(row[1:]) > 0 for row in rows), rows)
        # The brand payment report: the 40 drivers of D8 wrap within its merged range, in a row tall
        # enough for their lines (a column's width counts its characters).
        sheet = openpyxl.load_workbook(written["brandPaymentReport"]).worksheets[0]
        drivers = sheet["D8"].value
        self.assertEqual((len(drivers.split(", ")), sheet["D8"].alignment.wrap_text), (40, True), drivers)
        first, _, last, _ = [cells for cells in sheet.merged_cells.ranges if "D8" in cells][0].bounds
        widths = {}
        for column in sheet.column_dimensions.values():
            widths.update(dict.fromkeys(range(column.min, column.max + 1), column.width))
        width = sum(widths.get(column, 8.43) for column in range(first, last + 1))
        lines = (sheet.row_dimensions[8].height or 12.75) // 12.75
        self.assertGreaterEqual(width * lines, len(drivers), (first, last, width, lines))

    def assertClusterServes(self, variables):
        """The cluster still runs on its folder, and nothing made tables in it."""
        self.assertTrue(os.path.isdir(os.path.join(variables["PG_TMP_DIR"], "data")))
        connection = psycopg2.connect(host=variables["PGHOST"], port=variables["PGPORT"], user=variables["PGUSER"],
                                      dbname=variables["PGDATABASE"], connect_timeout=time_limit(10))
        with connection, connection.cursor() as cursor:
            cursor.execute("SELECT count(*) FROM information_schema.tables WHERE table_schema = 'public'")
            self.assertEqual(cursor.fetchone()[0], 0)
        connection.close()

    def test_a_cluster_that_does_not_start_stops_the_scripts(self):
        theirs = start_cluster()
        self.addCleanup(stop_cluster, theirs)
        with tempfile.TemporaryDirectory(prefix="koriv-nopg.") as no_server, \
                tempfile.TemporaryDirectory(prefix="koriv-run.") as run_dir:
            # The caller's shell names its own cluster; the server binaries named are not there.
            environment = dict(os.environ, BUILD_DIR=BUILD, KORIV_RUN_DIR=run_dir, KORIV_RUN_PROGRAM="/bin/true",
                               PG_BIN=no_server, **theirs)
            for script, arguments, said in (("run.sh", ["--bare"], "run.sh: the throwaway PostgreSQL did not start"),
                                            ("standin.sh", ["--port", "0"],
                                             "standin.sh: the throwaway PostgreSQL did not start")):
                with self.subTest(script=script):
                    status, output = run_to_end([os.path.join(SOURCE, "scripts", script)] + arguments, environment,
                                                300)
                    self.assertNotIn(status, (None, 0), output[-3000:])
                    self.assertIn(said, output)
                    self.assertNotIn("Starting the stand-in", output)
                    self.assertClusterServes(theirs)

    def test_a_second_run_on_a_folder_in_use_stops(self):
        with tempfile.TemporaryDirectory(prefix="koriv-run.") as run_dir:
            # The first run's program: says it is up, then waits until its stdin closes.
            program = os.path.join(run_dir, "program.sh")
            with open(program, "w", encoding="utf-8") as f:
                f.write("#!/bin/sh\necho 'program up'\nread line\n")
            os.chmod(program, 0o755)
            environment = dict(os.environ, BUILD_DIR=BUILD, KORIV_RUN_DIR=run_dir, KORIV_RUN_PROGRAM=program)
            first = subprocess.Popen([os.path.join(SOURCE, "scripts", "run.sh"), "--bare"], cwd=SOURCE,
                                     env=environment, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                     stderr=subprocess.STDOUT, text=True, start_new_session=True)
            self.addCleanup(lambda: first.poll() is not None or os.killpg(first.pid, signal.SIGKILL))
            said = []
            for line in first.stdout:
                said.append(line)
                if line.strip() == "program up":
                    break
            self.assertIsNone(first.poll(), "".join(said)[-3000:])
            ini = os.path.join(run_dir, "config", "Koriv", "KorivAdmin.ini")
            with open(ini, encoding="utf-8") as f:
                settings = f.read()

            status, output = run_to_end([os.path.join(SOURCE, "scripts", "run.sh"), "--bare"],
                                        dict(environment, KORIV_RUN_PROGRAM="/bin/true"), 300)
            self.assertEqual(status, 1, output[-3000:])
            self.assertIn("run.sh: the run folder %s is in use by another run.sh" % os.path.realpath(run_dir), output)
            self.assertTrue(os.path.exists(os.path.join(run_dir, "standin.sock")))
            with open(ini, encoding="utf-8") as f:
                self.assertEqual(f.read(), settings)

            output, _ = first.communicate("\n", timeout=time_limit(120))
            self.assertEqual(first.returncode, 0, output[-3000:])
            self.assertFalse(os.path.exists(os.path.join(run_dir, "standin.sock")))

    def test_a_run_killed_leaves_the_next_one_able_to_start(self):
        # Its clusters in a folder of the test's (open to postgres under root), stopped before it goes.
        run_dir, temporary = tempfile.mkdtemp(prefix="koriv-run."), tempfile.mkdtemp(prefix="koriv-tmp.")
        for folder in (run_dir, temporary):
            self.addCleanup(shutil.rmtree, folder, True)
        os.chmod(temporary, 0o755)
        program = os.path.join(run_dir, "program.sh")
        with open(program, "w", encoding="utf-8") as f:
            f.write("#!/bin/sh\necho \"program up $$\"\nread line\n")
        os.chmod(program, 0o755)
        environment = dict(os.environ, BUILD_DIR=BUILD, KORIV_RUN_DIR=run_dir, TMPDIR=temporary,
                           KORIV_RUN_PROGRAM="/bin/true")
        run = [os.path.join(SOURCE, "scripts", "run.sh"), "--bare"]
        first = subprocess.Popen(run, cwd=SOURCE, env=dict(environment, KORIV_RUN_PROGRAM=program),
                                 stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                                 start_new_session=True)

        def stop_the_first():
            if group_members(first.pid):
                os.killpg(first.pid, signal.SIGKILL)
            for cluster in glob.glob(os.path.join(temporary, "koriv-pg.*")):
                stop_cluster({"PG_TMP_DIR": cluster})
            first.stdout.close()
        self.addCleanup(stop_the_first)
        said = []
        while not said or not said[-1].startswith("program up ") and first.poll() is None:
            said.append(first.stdout.readline())
        self.assertIsNone(first.poll(), "".join(said)[-3000:])
        program_pid = int(said[-1].split()[-1])
        os.kill(first.pid, signal.SIGKILL)
        first.wait(timeout=time_limit(60))

        # Its program still runs on its stand-in: the next run.sh says so and leaves them be.
        status, output = run_to_end(run, environment, 300)
        self.assertEqual(status, 1, output[-3000:])
        self.assertIn("the program it started still runs (pid %d)" % program_pid, output)
        self.assertTrue(os.path.exists(os.path.join(run_dir, "standin.sock")))

        # The program closed, the next run.sh stops the stand-in and PostgreSQL left over, and starts.
        first.stdin.close()
        deadline = time.monotonic() + time_limit(60)
        while program_pid in group_members(first.pid) and time.monotonic() < deadline:
            time.sleep(0.1)
        status, output = run_to_end(run, environment, 300)
        self.assertEqual(status, 0, output[-3000:])
        self.assertRegex(output, r"stopped what it left running: the stand-in server \(pid \d+\) and the "
                                 r"PostgreSQL in %s/koriv-pg\.\w+\." % re.escape(temporary))
        self.assertEqual(group_members(first.pid), [])
        self.assertEqual(glob.glob(os.path.join(temporary, "koriv-pg.*")), [])


if __name__ == "__main__":
    unittest.main()
