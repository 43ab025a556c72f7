"""scripts/run.sh started as the README says, twice, with runscript-driver in the person's place
(KORIV_RUN_PROGRAM) and its settings in a folder of the test's (KORIV_RUN_DIR): the demo platform
drawn and its reports written, then a bare start that keeps the language chosen in the first and
the operator's own hosts and other settings.

Runs under xvfb-run (ctest); KORIV_SOURCE_DIR, KORIV_BUILD_DIR and KORIV_RUNSCRIPT_DRIVER come from ctest.
"""

import os
import re
import subprocess
import tempfile
import unittest

SOURCE = os.environ.get("KORIV_SOURCE_DIR", "")
BUILD = os.environ.get("KORIV_BUILD_DIR", "")
DRIVER = os.environ.get("KORIV_RUNSCRIPT_DRIVER", "")

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
        done = subprocess.run([os.path.join(SOURCE, "scripts", "run.sh")] + list(arguments), cwd=SOURCE,
                              env=environment, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                              stderr=subprocess.STDOUT, text=True, timeout=800)
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


if __name__ == "__main__":
    unittest.main()
