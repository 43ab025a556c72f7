"""Test helpers: the stand-in as a child process, a throwaway database, a blocking protocol client."""

import hashlib
import json
import os
import queue
import socket
import subprocess
import threading
import time
import uuid

import psycopg2
from psycopg2 import sql

import protocol

HERE = os.path.dirname(os.path.abspath(__file__))


def time_limit(seconds):
    """seconds stretched by the factor in KORIV_TEST_TIME_FACTOR, as the C++ tests' waits are: the
    sanitizer builds set it, and a machine busy with them is slow for these checks too."""
    try:
        factor = int(os.environ.get("KORIV_TEST_TIME_FACTOR", "1"))
    except ValueError:
        factor = 1
    return seconds * max(factor, 1)


def digest(password):
    return hashlib.md5(password.encode("utf-8")).hexdigest()


def built_tool(variable):
    """The path of a built tool that ctest names in the environment variable; a clear failure
    without it."""
    path = os.environ.get(variable, "")
    if not path or not os.access(path, os.X_OK):
        raise RuntimeError("%s must name the built tool (ctest sets it), got %r" % (variable, path))
    return path


def require_cluster():
    """The PG* variables of the throwaway cluster; a clear failure when they are missing."""
    missing = [name for name in ("PGHOST", "PGPORT", "PGUSER") if not os.environ.get(name)]
    if missing:
        raise RuntimeError("no PostgreSQL to test against: %s not set. Run the tests through "
                           "scripts/test.sh, or eval \"$(scripts/pg-tmp.sh start)\" first." % ", ".join(missing))


class ScratchDatabase:
    """A database of its own in the test cluster, dropped again by drop()."""

    def __init__(self, prefix="standin"):
        require_cluster()
        self.name = "%s_%s" % (prefix, uuid.uuid4().hex[:12])
        self._run_on_cluster(sql.SQL("CREATE DATABASE {}").format(sql.Identifier(self.name)))
        self.environment = dict(os.environ, PGDATABASE=self.name)

    def connect(self):
        connection = psycopg2.connect(dbname=self.name)
        connection.autocommit = True
        return connection

    def drop(self):
        self._run_on_cluster(sql.SQL("DROP DATABASE IF EXISTS {} WITH (FORCE)").format(sql.Identifier(self.name)))

    @staticmethod
    def _run_on_cluster(statement):
        """Runs one statement, outside a transaction, on the database the PG* variables name."""
        admin = psycopg2.connect(dbname=os.environ.get("PGDATABASE", "postgres"))
        admin.autocommit = True
        with admin.cursor() as cursor:
            cursor.execute(statement)
        admin.close()


class StandinOnDatabase:
    """The stand-in over a database of its own in the test cluster, started with --database
    --quiet and the arguments; close() stops it and drops the database."""

    def __init__(self, prefix, arguments, stdin=subprocess.PIPE):
        require_cluster()
        database = ScratchDatabase(prefix)
        try:
            self.server = StandinProcess(["--database", "--quiet"] + arguments, environment=database.environment,
                                         stdin=stdin)
        except BaseException:
            database.drop()
            raise
        self.database = database
        self.sql = database.connect()

    def close(self):
        self.server.stop()
        self.sql.close()
        self.database.drop()

    def rows(self, statement, args=()):
        with self.sql.cursor() as cursor:
            cursor.execute(statement, args)
            return cursor.fetchall() if cursor.description else []

    def value(self, statement, args=()):
        """The first column of the first row, or None."""
        found = self.rows(statement, args)
        return found[0][0] if found else None

    def insert(self, table, **values):
        """A new row with those values (the rest from the column defaults); its id."""
        values.setdefault("dt_utc_insert", 1)
        values.setdefault("dt_utc_last_update", 1)
        names = list(values)
        return self.value(sql.SQL("INSERT INTO {} ({}) VALUES ({}) RETURNING id").format(
            sql.Identifier(table), sql.SQL(", ").join(map(sql.Identifier, names)),
            sql.SQL(", ").join(sql.Placeholder() * len(names))), [values[n] for n in names])


class StandinProcess:
    """standin.py as a child process; its JSON events are collected by a reader thread."""

    def __init__(self, arguments, environment=None, start_timeout=60, stdin=subprocess.PIPE):
        """stdin subprocess.DEVNULL starts it without commands on stdin, as run.sh does."""
        self.events = queue.Queue()
        self.all_events = []
        self.process = subprocess.Popen(
            ["/usr/bin/python3", "-B", os.path.join(HERE, "standin.py")] + arguments,
            stdin=stdin, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True,
            env=environment)
        self.stderr_lines = []
        threading.Thread(target=self._read_stdout, daemon=True).start()
        threading.Thread(target=self._read_stderr, daemon=True).start()
        event = self.wait_event(lambda e: e["event"] in ("listening", "error"), start_timeout)
        if event is None or event["event"] != "listening":
            status = self.stop()
            raise RuntimeError("the stand-in did not start (exit status %s): %s\n%s"
                               % (status, event, "".join(self.stderr_lines)))
        self.port = event["port"]

    def _read_stdout(self):
        for line in self.process.stdout:
            try:
                event = json.loads(line)
            except ValueError:
                continue
            self.all_events.append(event)
            self.events.put(event)
        self.events.put(None)

    def _read_stderr(self):
        for line in self.process.stderr:
            self.stderr_lines.append(line)

    def wait_event(self, match, timeout=10):
        deadline = time.monotonic() + time_limit(timeout)
        while True:
            remaining = deadline - time.monotonic()
            if remaining <= 0:
                return None
            try:
                event = self.events.get(timeout=remaining)
            except queue.Empty:
                return None
            if event is None:
                return None
            if match(event):
                return event

    def events_after(self, match, start, timeout=10):
        """The matching events after the first start of them, as soon as there is one (or at the
        deadline): the reader thread may not have taken an event the stand-in wrote just now."""
        deadline = time.monotonic() + time_limit(timeout)
        while True:
            found = [e for e in self.all_events if match(e)][start:]
            if found or time.monotonic() >= deadline:
                return found
            time.sleep(0.01)

    def stop(self):
        if self.process.poll() is None and self.process.stdin is None:
            self.process.terminate()
            try:
                self.process.wait(time_limit(10))
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait(time_limit(10))
        if self.process.poll() is None:
            try:
                self.process.stdin.write("quit\n")
                self.process.stdin.flush()
                self.process.wait(time_limit(10))
            except (BrokenPipeError, subprocess.TimeoutExpired):
                self.process.kill()
                self.process.wait(time_limit(10))
        for pipe in (self.process.stdin, self.process.stdout, self.process.stderr):
            if pipe is None:
                continue
            try:
                pipe.close()
            except (BrokenPipeError, ValueError):
                pass
        return self.process.returncode


class Client:
    """One connection speaking the text framing; answers are matched by their RECEIVER."""

    _numbers = iter(range(1, 10 ** 9))
    _lock = threading.Lock()

    def __init__(self, port, sign="", timeout=10, receive_buffer=None):
        self.sign = sign
        self.timeout = time_limit(timeout)
        self.socket = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        if receive_buffer:
            # Set before connecting: it bounds the window the peer may fill.
            self.socket.setsockopt(socket.SOL_SOCKET, socket.SO_RCVBUF, receive_buffer)
        self.socket.settimeout(self.timeout)
        self.socket.connect(("127.0.0.1", port))
        self.decoder = protocol.Decoder()
        self.inbox = []

    def close(self):
        self.socket.close()

    @classmethod
    def next_number(cls):
        with cls._lock:
            return str(next(cls._numbers))

    def send(self, entries):
        self.socket.sendall(protocol.text_frame(protocol.message_text(self.sign, entries)))

    def _read_more(self, deadline):
        remaining = deadline - time.monotonic()
        if remaining <= 0:
            raise TimeoutError("no answer in time; received so far: %r" % self.inbox[-5:])
        self.socket.settimeout(remaining)
        try:
            data = self.socket.recv(65536)
        except socket.timeout:
            raise TimeoutError("no answer in time; received so far: %r" % self.inbox[-5:]) from None
        if not data:
            raise ConnectionError("the stand-in closed the connection")
        for kind, payload in self.decoder.feed(data):
            if kind == "text":
                self.inbox.extend(protocol.parse_text(payload))
            else:
                self.inbox.append(payload)

    def take(self, match, timeout=None):
        """Removes and returns the first received message that matches, waiting for it."""
        deadline = time.monotonic() + (time_limit(timeout) if timeout else self.timeout)
        while True:
            for i, message in enumerate(self.inbox):
                if match(message):
                    return self.inbox.pop(i)
            self._read_more(deadline)

    def nothing(self, match, wait=0.3):
        """True when no matching message arrives within wait seconds."""
        try:
            self.take(match, wait)
            return False
        except TimeoutError:
            return True

    def sign_in(self, sign, password):
        self.sign = sign
        self.send({"FN": "auth_trAuth", "SID": digest(password)})
        return self.take(lambda m: m.get("FN", "").startswith("auth_"))

    def open_session(self, version="1.6.0"):
        self.send({"FN": "userSession_trOpen", "version": version, "os": "test", "build_abi": "x86_64"})
        return self.take(lambda m: m.get("FN") == "userSession_saOpen")

    def call(self, controller, action, **params):
        """One request; its answer (FN controller_sa..., the same RECEIVER)."""
        receiver = self.next_number()
        self.send(dict(params, FN="%s_%s" % (controller, action), RECEIVER=receiver))
        name = "%s_sa%s" % (controller, action[2:])
        return self.take(lambda m: m.get("FN") == name and m.get("RECEIVER") == receiver)

    def get_list(self, controller, **params):
        """A list request: (end marker or refusal, rows)."""
        receiver = self.next_number()
        self.send(dict(params, FN=controller + "_trGetList", RECEIVER=receiver))
        own = lambda m: m.get("RECEIVER") == receiver  # noqa: E731
        first = self.take(lambda m: own(m) and m.get("FN") == controller + "_saGetList")
        if first.get("RES") != "10":
            return first, []
        if first.get("STATE") != "start":
            raise AssertionError("list answer did not begin with its start marker: %r" % first)
        rows = []
        while True:
            message = self.take(own)
            if message.get("FN") == controller + "_saListInfo":
                rows.append(message)
            elif message.get("FN") == controller + "_saGetList" and message.get("STATE") == "end":
                return message, rows
            else:
                raise AssertionError("unexpected message inside a list answer: %r" % message)


def signed_in(port, sign, password, **options):
    client = Client(port, **options)
    answer = client.sign_in(sign, password)
    if answer.get("FN") != "auth_saAuth" or answer.get("RES") != "10":
        client.close()
        raise AssertionError("sign-in of %s refused: %r" % (sign, answer))
    client.open_session()
    return client
