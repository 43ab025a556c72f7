"""Commands through the command socket of a stand-in whose stdin is closed, as run.sh starts it:
a notification raised while an operator is signed in, and refusals that say why.

Needs the PG* variables of a throwaway cluster and KORIV_DBINIT, as test_server does.
"""

import json
import os
import subprocess
import tempfile
import unittest

from testclient import StandinOnDatabase, digest, require_cluster, signed_in

DBINIT = os.environ.get("KORIV_DBINIT", "")
COMMAND = os.path.join(os.path.dirname(os.path.abspath(__file__)), "standin-command.py")


class CommandSocket(unittest.TestCase):
    def setUp(self):
        require_cluster()
        if not DBINIT or not os.access(DBINIT, os.X_OK):
            raise RuntimeError("KORIV_DBINIT must name the built koriv-dbinit (ctest sets it), got %r" % DBINIT)
        folder = tempfile.TemporaryDirectory(prefix="koriv-commands.")
        self.addCleanup(folder.cleanup)
        self.socket = os.path.join(folder.name, "standin.sock")
        standin = StandinOnDatabase("commands", ["--dbinit", DBINIT, "--user", "admin:" + digest(""),
                                                 "--command-socket", self.socket], stdin=subprocess.DEVNULL)
        self.addCleanup(standin.close)
        self.standin = standin

    def tell(self, *words):
        done = subprocess.run(["/usr/bin/python3", "-B", COMMAND, self.socket] + list(words),
                              stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True, timeout=60)
        return done.returncode, [json.loads(line) for line in done.stdout.splitlines()], done.stderr

    def test_a_change_request_reaches_a_signed_in_operator(self):
        admin = signed_in(self.standin.server.port, "admin", "")
        self.addCleanup(admin.close)
        request = json.dumps({"data": {"sign": "D7", "phone": "+380501112233"}})
        status, events, _ = self.tell("notify", "driver.update", request)
        self.assertEqual(status, 0, events)
        self.assertEqual([e["event"] for e in events], ["notified", "done"])
        pushed = admin.take(lambda m: m.get("FN") == "notification_srInserted")
        self.assertIn(pushed["id"], [str(n) for n in events[0]["notifications"]])
        self.assertEqual(self.standin.value("SELECT value FROM notification_messages WHERE id = %s",
                                            (events[0]["message"],)), request)

    def test_refusals_say_why_and_the_stand_in_goes_on(self):
        for words in (["notify", "no.such.context", "{}"], ["frobnicate"], ["quit"]):
            with self.subTest(words=words):
                status, events, _ = self.tell(*words)
                self.assertEqual(status, 1)
                self.assertEqual(events[0]["event"], "error")
                self.assertTrue(events[0]["error"])
        self.assertIsNone(self.standin.server.process.poll())
        status, events, _ = self.tell("set", "withhold_pong", "0")
        self.assertEqual((status, events[0]["event"]), (0, "done"))
        os.unlink(self.socket)
        status, _, stderr = self.tell("set", "withhold_pong", "0")
        self.assertEqual(status, 2)
        self.assertIn("cannot be reached", stderr)


if __name__ == "__main__":
    unittest.main()
