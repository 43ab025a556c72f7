"""Commands through the command socket of a stand-in whose stdin is closed, as run.sh starts it:
a notification raised while an operator is signed in, refusals that say why, and an answer for
every line, malformed or long, on a connection that goes on.

Needs the PG* variables of a throwaway cluster and KORIV_DBINIT, as test_server does.
"""

import json
import os
import socket
import subprocess
import tempfile
import unittest

from commandsocket import LINE_LIMIT
from testclient import StandinOnDatabase, digest, require_cluster, signed_in, time_limit

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
                              stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True, timeout=time_limit(60))
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

    def test_a_push_to_a_connection_that_does_not_exist_is_refused(self):
        admin = signed_in(self.standin.server.port, "admin", "")
        self.addCleanup(admin.close)
        probe = json.dumps({"FN": "probe_saEcho", "RES": "10"})
        for words in (["push-text", "999", probe], ["push-json", "999", '{"controller": "probe"}'],
                      ["push-raw", "999", "00"], ["push-text", "-1", probe]):
            with self.subTest(words=words[:2]):
                status, events, _ = self.tell(*words)
                self.assertEqual((status, [e["event"] for e in events]), (1, ["error"]), events)
                self.assertIn("no connection " + words[1], events[0]["error"])
        self.assertTrue(admin.nothing(lambda m: m.get("FN") == "probe_saEcho"))
        status, events, _ = self.tell("push-text", "last", probe)
        self.assertEqual((status, [e["event"] for e in events]), (0, ["done"]), events)
        admin.take(lambda m: m.get("FN") == "probe_saEcho")

    def test_every_line_is_answered_on_one_connection(self):
        messages = self.standin.value("SELECT count(*) FROM notification_messages")
        with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as connection:
            connection.settimeout(time_limit(120))
            connection.connect(self.socket)
            replies = connection.makefile("rb")

            def answer(*pieces):
                for piece in pieces:
                    connection.sendall(piece)
                events = []
                for line in iter(replies.readline, b"\n"):
                    self.assertTrue(line, "the connection ended without an answer")
                    events.append(json.loads(line))
                return [event["event"] for event in events], events

            refused = [b'push-text 1 "str"', b"push-json all [1, 2]", b"push-text all",
                       b"notify driver.update {not json", b"notify driver.update [1,2,3]", b"notify driver.update",
                       b'notify driver.update "text"', b'notify driver.update {"id": "5"}',
                       b'notify driver.update {"data": "5"}', b"push-raw last 00", b"close 3"]
            for line in refused:
                with self.subTest(line=line):
                    kinds, events = answer(line + b"\n")
                    self.assertEqual(kinds, ["error"], events)
            self.assertEqual(self.standin.value("SELECT count(*) FROM notification_messages"), messages)

            # Longer than a stream reader's 64 KiB; then longer than the longest frame's line.
            long_map = json.dumps({"FN": "probe", "note": "n" * (1 << 20)}).encode("utf-8")
            self.assertEqual(answer(b"push-text all " + long_map + b"\n")[0], ["done"])
            chunk = b"x" * (1 << 20)
            over = [chunk] * (LINE_LIMIT // len(chunk) + 1)
            kinds, events = answer(*over, b"\n")
            self.assertEqual(kinds, ["error"])
            self.assertIn("longer than", events[0]["error"])
            self.assertEqual(answer(b"set withhold_pong 0\n")[0], ["done"])
            value = json.dumps({"data": {"sign": "D7"}}).encode("utf-8")
            self.assertEqual(answer(b"notify driver.update " + value + b"\n")[0], ["notified", "done"])
        self.assertIsNone(self.standin.server.process.poll())
        self.assertNotIn("exception", "".join(self.standin.server.stderr_lines))


if __name__ == "__main__":
    unittest.main()
