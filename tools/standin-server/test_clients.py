"""Slow and hostile clients of the stand-in cost only themselves; through real sockets on 127.0.0.1.

Needs the PG* variables of a throwaway cluster and KORIV_DBINIT, as test_server does.
"""

import json
import os
import signal
import socket
import struct
import subprocess
import time
import unittest

import protocol
from testclient import built_tool, Client, StandinOnDatabase, digest, require_cluster, signed_in, time_limit

TESTER_PASSWORD = "tester's secret"
ROWS = 3000

shared = {}


def setUpModule():
    require_cluster()
    standin = StandinOnDatabase("clients", [
        "--dbinit", built_tool("KORIV_DBINIT"), "--user", "admin:" + digest(""), "--user", "operator:" + digest(""),
        "--user", "tester:" + digest(TESTER_PASSWORD)])
    shared.update(standin=standin, server=standin.server)
    # Lists long enough to fill the socket buffers between the stand-in and a client.
    standin.rows("INSERT INTO cities (name, dt_utc_insert, dt_utc_last_update) "
                 "SELECT 'bulk ' || g || ' ' || md5(g::text) || md5((-g)::text), 1, 1 "
                 "FROM generate_series(1, %s) g", (ROWS,))


def tearDownModule():
    if "standin" in shared:
        shared["standin"].close()


def tcp_queues(local_port, remote_port):
    """(bytes not yet acknowledged by the peer, bytes not yet read by the application) of the
    socket from local_port to remote_port on 127.0.0.1, from /proc/net/tcp."""
    wanted = ("0100007F:%04X" % local_port, "0100007F:%04X" % remote_port)
    with open("/proc/net/tcp") as table:
        for line in table.readlines()[1:]:
            fields = line.split()
            if (fields[1], fields[2]) == wanted:
                tx, rx = fields[4].split(":")
                return int(tx, 16), int(rx, 16)
    return None


def wait_until_steady(probe, timeout=30, steady=0.5):
    """The value of probe() once it has not changed for steady seconds; fails at the timeout."""
    deadline = time.monotonic() + time_limit(timeout)
    steady = time_limit(steady)
    last, since = probe(), time.monotonic()
    while time.monotonic() < deadline:
        time.sleep(0.05)
        value = probe()
        if value != last:
            last, since = value, time.monotonic()
        elif time.monotonic() - since >= steady:
            return value
    raise AssertionError("still changing after %s s: %r" % (timeout, last))


def process_status(pid, key):
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            if line.startswith(key + ":"):
                return int(line.split()[1])
    raise AssertionError("no %s in /proc/%d/status" % (key, pid))


def cpu_seconds(pid):
    with open("/proc/%d/stat" % pid) as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


class ClientCase(unittest.TestCase):
    def setUp(self):
        self.server = shared["server"]
        self.port = self.server.port

    def option(self, name, value, default):
        """Sets an option of the stand-in until the test ends."""
        self.command("set %s %d" % (name, value))
        self.addCleanup(self.command, "set %s %d" % (name, default))

    def command(self, line):
        done = len([e for e in self.server.all_events if e["event"] == "done"])
        self.server.process.stdin.write(line + "\n")
        self.server.process.stdin.flush()
        self.assertTrue(self.server.events_after(lambda e: e["event"] == "done", done), line)

    def connect(self, sign=None, password="", **options):
        """A client, signed in with a session when sign is given, and its connection number."""
        seen = len([e for e in self.server.all_events if e["event"] == "connected"])
        client = signed_in(self.port, sign, password, **options) if sign else Client(self.port, **options)
        self.addCleanup(client.close)
        number = self.server.events_after(lambda e: e["event"] == "connected", seen)[0]["conn"]
        return client, number

    def warnings_for(self, number, seen=0):
        return [e for e in self.server.all_events[seen:] if e["event"] == "warning" and e.get("conn") == number]

    def served(self, client):
        end, listed = client.get_list("city", query_limit="1")
        self.assertEqual((end["RES"], len(listed)), ("10", 1))


class SlowClient(ClientCase):
    def test_a_client_that_does_not_read_stalls_no_one_and_pushes_cut_it_off(self):
        self.option("queue_limit", 256 << 10, 8 << 20)
        idle, idle_number = self.connect("tester", TESTER_PASSWORD, receive_buffer=4096)
        # It asks for long lists and reads nothing; the stand-in writes until the socket is full.
        for _ in range(40):
            idle.send({"FN": "city_trGetList", "RECEIVER": Client.next_number()})
        idle_port = idle.socket.getsockname()[1]
        unsent = wait_until_steady(lambda: tcp_queues(self.port, idle_port))[0]
        self.assertGreater(unsent, 0, "the stand-in waits for the idle client")

        # Others still sign in, lock, edit and unlock; the few pushes wait for the idle client.
        admin, _ = self.connect("admin")
        operator, _ = self.connect("operator")
        self.served(operator)
        city = admin.get_list("city", query_limit="1")[1][0]["id"]
        self.assertEqual(admin.call("city", "trLock", id=city)["RES"], "10")
        self.assertEqual(admin.call("city", "trUpdate", id=city, name="renamed while one sleeps")["RES"], "10")
        self.assertEqual(admin.call("city", "trUnlock", id=city)["RES"], "10")
        self.assertEqual(self.warnings_for(idle_number), [])

        # Pushes beyond its queue limit cut it off, with a warning; the others go on.
        for _ in range(2000):
            admin.call("city", "trLock", id=city)
            admin.call("city", "trUnlock", id=city)
            if self.warnings_for(idle_number):
                break
        warning = self.warnings_for(idle_number)[0]
        self.assertIn("cut off", warning["message"])
        self.assertEqual(warning["sign"], "tester")
        with self.assertRaises(ConnectionError):
            while True:
                idle.take(lambda m: False)
        self.served(admin)
        self.served(operator)

    def test_a_client_that_sends_without_reading_is_read_no_further(self):
        self.option("queue_limit", 256 << 10, 8 << 20)
        flood, _ = self.connect("tester", TESTER_PASSWORD, receive_buffer=4096)
        flood.socket.setblocking(False)
        before = process_status(self.server.process.pid, "VmRSS")
        # Frames of a thousand requests each, 12 MiB of requests in all.
        frames = []
        for first in range(0, 250000, 1000):
            text = "".join(protocol.message_text("tester", {"FN": "city_trInfo", "id": "1", "RECEIVER": str(n)})
                           for n in range(first, first + 1000))
            frames.append(protocol.text_frame(text))
        data = memoryview(b"".join(frames))
        stalled_since = None
        while data and (stalled_since is None or time.monotonic() - stalled_since < time_limit(1)):
            try:
                data = data[flood.socket.send(data[:65536]):]
                stalled_since = None
            except BlockingIOError:
                stalled_since = stalled_since or time.monotonic()
                time.sleep(0.01)
        port = flood.socket.getsockname()[1]
        unread = wait_until_steady(lambda: tcp_queues(port, self.port)[0] + tcp_queues(self.port, port)[1], steady=1)
        grown = process_status(self.server.process.pid, "VmRSS") - before
        self.assertLess(grown, 48 << 10, "KiB the stand-in grew by")
        self.assertGreater(len(data) + unread, 0, "the stand-in stopped reading")

        other, _ = self.connect("admin")
        self.served(other)

    def test_unfinished_frames_are_capped_across_connections(self):
        self.option("partial_limit", 4 << 20, 2 * protocol.MAX_FRAME)
        # A ping padded to about 1.5 MiB on the wire, sent all but its end marker.
        padding = os.urandom(1536 << 10).hex()
        frame = protocol.text_frame(protocol.message_text("x", {"FN": "userSession_trPing", "pad": padding}))
        body, end = frame[:-len(protocol.END_MARKER)], frame[-len(protocol.END_MARKER):]
        self.assertGreater(len(body), 1400 << 10)

        def started(client):
            client.socket.sendall(body)
            port = client.socket.getsockname()[1]
            wait_until_steady(lambda: (tcp_queues(port, self.port)[0], tcp_queues(self.port, port)[1]), steady=0.2)

        first, _ = self.connect()
        second, _ = self.connect()
        started(first)
        started(second)
        seen = len(self.server.all_events)
        third, third_number = self.connect()
        try:
            third.socket.sendall(body)
        except ConnectionError:
            pass  # cut off before it sent everything
        warning = self.server.events_after(lambda e: e["event"] == "warning" and e.get("conn") == third_number, 0)
        self.assertTrue(warning, "the connection over the limit is cut off")
        self.assertIn("unfinished frames", warning[0]["message"])
        with self.assertRaises(ConnectionError):
            third.take(lambda m: False)

        # The others finish their frames and are answered; what the cut one held is free again.
        for client in (first, second):
            client.socket.sendall(end)
            client.take(lambda m: m.get("FN") == "userSession_saPing")
        fourth, fourth_number = self.connect()
        fourth.socket.sendall(frame)
        fourth.take(lambda m: m.get("FN") == "userSession_saPing")
        self.assertEqual([e for e in self.server.all_events[seen:] if e["event"] == "warning"], warning)

    def test_a_long_unfinished_frame_costs_linear_time(self):
        client, number = self.connect()
        pid = self.server.process.pid
        started = cpu_seconds(pid)
        client.socket.sendall(struct.pack(">I", 10) + b"\x78")
        chunk = bytes(64 << 10)
        for _ in range(768):  # 48 MiB
            client.socket.sendall(chunk)
        port = client.socket.getsockname()[1]
        wait_until_steady(lambda: (tcp_queues(port, self.port)[0], tcp_queues(self.port, port)[1]), steady=0.2)
        # Searching the whole buffer after every read costs several seconds here.
        self.assertLess(cpu_seconds(pid) - started, 2.0)
        client.socket.sendall(protocol.END_MARKER)
        error = self.server.events_after(lambda e: e["event"] == "error" and e.get("conn") == number, 0)
        self.assertIn("no zlib stream", error[0]["error"])


class Terminal(unittest.TestCase):
    def test_started_without_input_it_serves_quietly(self):
        process = subprocess.Popen(
            ["/usr/bin/python3", "-B", os.path.join(os.path.dirname(os.path.abspath(__file__)), "standin.py"),
             "--quiet", "--user", "tester:" + digest(TESTER_PASSWORD)],
            stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        try:
            listening = json.loads(process.stdout.readline())
            self.assertEqual(listening["event"], "listening")
            client = Client(listening["port"])
            self.addCleanup(client.close)
            self.assertEqual(client.sign_in("tester", TESTER_PASSWORD)["FN"], "auth_saAuth")
            client.send({"FN": "userSession_trPing"})
            client.take(lambda m: m.get("FN") == "userSession_saPing")
            self.assertIsNone(process.poll(), "it runs until it is stopped")
            process.send_signal(signal.SIGINT)
            _, errors = process.communicate(timeout=time_limit(10))
        finally:
            if process.poll() is None:
                process.kill()
                process.communicate()
        self.assertEqual(errors, "")
        self.assertEqual(process.returncode, 0)


if __name__ == "__main__":
    unittest.main()
