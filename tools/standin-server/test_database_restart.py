"""The stand-in over a PostgreSQL that restarts under it: the next requests are answered as
before, the first included. The cluster is one of the test's own (scripts/pg-tmp.sh), so that no
other test sees it go.

Needs KORIV_DBINIT (ctest sets it) and the PostgreSQL server binaries.
"""

import glob
import os
import shlex
import subprocess
import unittest

from testclient import StandinProcess, built_tool, digest, signed_in, time_limit

PG_TMP = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts", "pg-tmp.sh")


def pg_ctl():
    folders = [os.environ["PG_BIN"]] if os.environ.get("PG_BIN") else sorted(glob.glob("/usr/lib/postgresql/*/bin"))
    found = [os.path.join(folder, "pg_ctl") for folder in folders if os.access(os.path.join(folder, "pg_ctl"), os.X_OK)]
    if not found:
        raise RuntimeError("no pg_ctl found (install the postgresql package)")
    return found[-1]


class DatabaseRestart(unittest.TestCase):
    def setUp(self):
        done = subprocess.run([PG_TMP, "start"], stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True,
                              timeout=time_limit(120))
        if done.returncode != 0:
            raise RuntimeError("no throwaway cluster: %s" % done.stderr)
        self.cluster = dict(tuple(word.split("=", 1)) for line in done.stdout.splitlines()
                            for word in shlex.split(line)[1:])
        self.addCleanup(subprocess.run, [PG_TMP, "stop", self.cluster["PG_TMP_DIR"]], timeout=time_limit(120))
        environment = dict(os.environ, **self.cluster)
        self.standin = StandinProcess(["--database", "--quiet", "--dbinit", built_tool("KORIV_DBINIT"),
                                       "--user", "admin:" + digest("")], environment=environment)
        self.addCleanup(self.standin.stop)

    def restart_postgresql(self):
        folder = self.cluster["PG_TMP_DIR"]
        command = [pg_ctl(), "-D", os.path.join(folder, "data"), "-l", os.path.join(folder, "server.log"),
                   "-m", "fast", "-w", "-t", "60", "restart"]
        if os.getuid() == 0:
            command = ["runuser", "-u", "postgres", "--"] + command
        subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True, timeout=time_limit(120), check=True)

    def test_requests_after_a_restart_are_answered(self):
        admin = signed_in(self.standin.port, "admin", "")
        self.addCleanup(admin.close)
        self.assertEqual(admin.get_list("city")[0].get("RES"), "10")

        self.restart_postgresql()
        end, _ = admin.get_list("city")
        self.assertEqual(end.get("RES"), "10", end)
        self.assertEqual(admin.call("city", "trInfo", id="999999").get("ERRCODE"), "110")
        self.restart_postgresql()
        other = signed_in(self.standin.port, "admin", "")
        self.addCleanup(other.close)
        self.assertEqual(other.get_list("driver", is_archived="0")[0].get("RES"), "10")


if __name__ == "__main__":
    unittest.main()
