#!/usr/bin/env python3
"""A stand-in for the platform server, for tests and local runs.

It listens on 127.0.0.1, answers sign-in, session open, ping and close (a connection's requests
in order, a ping at once however much work waits before it), and logs every
event as one JSON line on stdout: {"event": "listening", "port": N} first, then
"connected", "message", "sent", "disconnected" and "error" events ("message" and "sent" not
with --quiet).

With --report-tool it answers "report_trCreate" through koriv-report over the same database; the
tables the report SQL reads come from tools/report/report-tables.sql, run after the initialiser.

With --database it keeps the platform's data in PostgreSQL (the database that the PG* variables
name) and answers every controller of controllers.json from the table it names: sign-in
against the users table, lists, single records, edits, locks, rights, password changes and
pushes (backend.py): a change goes to every signed-in client, its author's included; a lock,
unlock or removal to the other clients. On start it runs the database initialiser (--dbinit,
default $KORIV_DBINIT), which creates and seeds the tables and describes their joined fields,
adds the security options that a platform's database has beyond the seeds (options.py, reported
as {"event": "options", ...}) and the notification types of the platform's events
(notifications.py, {"event": "notification-types", ...}), and reports {"event": "database", ...} before "listening"
("warning" events for what it could not use). Each --user LOGIN:DIGEST then gets that password digest; a new login joins group "admin".

A client costs only itself: what it leaves unread waits in a queue of its own (a client that
leaves more than queue_limit bytes unread is cut off with a warning event), its requests wait in a
bounded queue (beyond it the connection is read no further), and unfinished frames of all
connections together may hold partial_limit bytes.

Commands, one per line on stdin when it is a pipe, a socket or a terminal (otherwise, on the null
device for instance, none are read and the stand-in runs until it is stopped); CONN is a
connection number, "last" or "all" (a number or "last" that names no open connection is refused
with an error event):
  push-text CONN {json map}     send one text message (the map's entries; only an object)
  push-json CONN {json object}  send one JSON frame (only an object)
  push-raw CONN HEX             send raw bytes
  mixed CONN                    one write: a text frame, then a JSON frame holding "#ENDMSG"
  srclosed CONN                 push "userSession_srClosed"
  notify CONTEXT VALUE          (with --database) a platform event, such as a driver's change
                                request "driver.update" with the value {"data": {...}} (a
                                value that is not a JSON object with a "data" object is
                                refused): its message and a notification for each user of its
                                type, pushed to every client; reported as {"event": "notified", ...}
  set OPTION VALUE              withhold_pong, byte_by_byte, drop_after_bytes, refuse (0/1/N),
                                queue_limit, partial_limit (bytes), push_update_time (0/1: change
                                pushes carry the record's dt_utc_last_update, which the
                                platform's do not), lock_refusal_holder (1, the default, or 0:
                                a refused lock names its holder's user id, as the platform's
                                does, or only its text), sign_in_clock_ahead (ms, negative
                                behind: the sign-in's "utc_dt" against the records' stamps)
  hang on|off                   connection attempts to the port hang (the accept queue is full)
  close CONN                    close a connection
  quit

With --command-socket PATH the same commands (but quit) are taken over a Unix socket as well, so
that a stand-in without a terminal can be told things while it runs (run.sh closes stdin):
standin-command.py is its client, and commandsocket.py says what it answers.
"""

import argparse
import asyncio
import collections
import concurrent.futures
import json
import os
import socket
import stat
import subprocess
import sys
import tempfile
import time

import protocol

HERE = os.path.dirname(os.path.abspath(__file__))
# Bytes a client may leave unread before it is cut off; answers wait at half of it.
QUEUE_LIMIT = 8 << 20
# Bytes of requests of one connection waiting for its handler; beyond it the connection is not read.
REQUEST_QUEUE_LIMIT = 1 << 20
# Bytes of unfinished frames of all connections together (one connection may hold a whole frame).
PARTIAL_LIMIT = 2 * protocol.MAX_FRAME
QUIET_EVENTS = {"message", "sent"}
quiet = False
# Called with every event emitted (the command socket's watchers).
listeners = []


def emit(event, **fields):
    fields["event"] = event
    for listener in list(listeners):
        listener(fields)
    if quiet and event in QUIET_EVENTS:
        return
    sys.stdout.write(json.dumps(fields, ensure_ascii=False) + "\n")
    sys.stdout.flush()


class RequestQueue:
    """The requests of one connection that wait for its handler. put() waits while they hold
    more than limit bytes of text, so a client that sends without reading is read no further."""

    def __init__(self, limit):
        self.limit = limit
        self.items = collections.deque()
        self.size = 0
        self.changed = asyncio.Event()

    @staticmethod
    def size_of(request):
        if request is None:
            return 0
        kind, message = request
        return 256 + sum(len(str(key)) + len(str(value)) for key, value in message.items())

    async def put(self, request):
        while self.size >= self.limit:
            self.changed.clear()
            await self.changed.wait()
        self.items.append(request)
        self.size += self.size_of(request)
        self.changed.set()

    async def get(self):
        while not self.items:
            self.changed.clear()
            await self.changed.wait()
        request = self.items.popleft()
        self.size -= self.size_of(request)
        self.changed.set()
        return request


class Connection:
    def __init__(self, server, number, reader, writer):
        self.server = server
        self.number = number
        self.reader = reader
        self.writer = writer
        self.decoder = protocol.Decoder()
        self.partial = 0  # bytes of unfinished frames, counted in the server's total
        self.sign = ""
        self.sent_bytes = 0
        # What goes out waits here for the one writing task: pongs, answers and pushes come from
        # different tasks, and none of them waits for the client to read.
        self.outgoing = collections.deque()  # frames; None: close once what came before is out
        self.queued = 0
        self.closed = False
        self.wakeup = asyncio.Event()
        self.room = asyncio.Event()
        self.room.set()
        self.session = None
        if server.backend is not None:
            peer = writer.get_extra_info("peername") or ("", 0)
            self.session = server.backend.new_session(number, (peer[0], peer[1]))

    def queue_limit(self):
        return max(1, self.server.options["queue_limit"])

    async def send(self, data):
        """Queues an answer; waits while the client leaves half the queue limit unread."""
        while not self.closed and self.queued >= self.queue_limit() // 2:
            self.room.clear()
            await self.room.wait()
        if self.closed:
            raise ConnectionError("connection %d is closed" % self.number)
        self._queue(data)

    def push(self, data):
        """Queues a push without waiting; a client that leaves more than the queue limit unread is
        cut off. False when nothing was queued."""
        if self.closed:
            return False
        if self.queued + len(data) > self.queue_limit():
            self.cut_off("it left %d bytes unread (limit %d)" % (self.queued, self.queue_limit()))
            return False
        self._queue(data)
        return True

    def _queue(self, data):
        self.outgoing.append(data)
        self.queued += len(data)
        self.wakeup.set()

    def close_after_sending(self):
        if not self.closed:
            self.outgoing.append(None)
            self.wakeup.set()

    def cut_off(self, reason):
        if self.closed:
            return
        emit("warning", conn=self.number, sign=self.sign,
             message="client on connection %d cut off: %s" % (self.number, reason))
        self._shut(abort=True)

    def _shut(self, abort):
        if self.closed:
            return
        self.closed = True
        self.outgoing.clear()
        self.queued = 0
        self.room.set()
        self.wakeup.set()
        if abort:
            self.writer.transport.abort()
        else:
            self.writer.close()

    async def write_out(self):
        """Writes the queued frames in order, one at a time, until the connection closes."""
        try:
            while not self.closed:
                if not self.outgoing:
                    self.wakeup.clear()
                    await self.wakeup.wait()
                    continue
                data = self.outgoing[0]
                if data is None or not await self._send(data):
                    break
                if self.closed:
                    break
                self.outgoing.popleft()
                self.queued -= len(data)
                if self.queued < self.queue_limit() // 2:
                    self.room.set()
        except ConnectionError:
            pass
        finally:
            self._shut(abort=False)

    async def _send(self, data):
        """Writes one frame; False once the connection was dropped on purpose."""
        options = self.server.options
        limit = options["drop_after_bytes"]
        if limit and self.sent_bytes + len(data) > limit:
            data = data[: max(0, limit - self.sent_bytes)]
            await self._write(data)
            emit("dropped", conn=self.number, after=limit)
            return False
        await self._write(data)
        return True

    async def _write(self, data):
        if self.server.options["byte_by_byte"]:
            for i in range(len(data)):
                self.writer.write(data[i:i + 1])
                await self.writer.drain()
                await asyncio.sleep(0.0005)
        else:
            self.writer.write(data)
            await self.writer.drain()
        self.sent_bytes += len(data)

    async def send_text(self, entries):
        await self.send(protocol.text_frame(protocol.message_text(self.sign or "server", entries)))
        emit("sent", conn=self.number, kind="text", message=entries)

    async def send_json(self, obj):
        await self.send(protocol.json_frame(obj))
        emit("sent", conn=self.number, kind="json", message=obj)

    def push_text(self, entries):
        if self.push(protocol.text_frame(protocol.message_text(self.sign or "server", entries))):
            emit("sent", conn=self.number, kind="text", message=entries)

    def push_json(self, obj):
        if self.push(protocol.json_frame(obj)):
            emit("sent", conn=self.number, kind="json", message=obj)

    async def run(self):
        emit("connected", conn=self.number)
        writing = asyncio.create_task(self.write_out())
        # Requests are handled in order by a task of their own, so that the reading goes on
        # meanwhile and a ping is answered at once, not after the database work queued before it.
        requests = RequestQueue(REQUEST_QUEUE_LIMIT)
        handler = asyncio.create_task(self.handle(requests))
        try:
            while not self.closed:
                data = await self.reader.read(65536)
                if not data:
                    break
                frames = self.decoder.feed(data)
                if not self.server.count_partial(self, len(self.decoder.buffer)):
                    break
                for kind, payload in frames:
                    if kind == "json":
                        emit("message", conn=self.number, kind="json", message=payload)
                        await requests.put((kind, payload))
                        continue
                    for message in protocol.iter_text(payload):
                        emit("message", conn=self.number, kind="text", message=message)
                        if message.get("FN") == "userSession_trPing":
                            await self.on_ping(message)
                        else:
                            await requests.put((kind, message))
        except (protocol.ProtocolError, ValueError) as error:
            emit("error", conn=self.number, error=str(error))
        except ConnectionError:
            pass
        except Exception as error:  # a fault of the stand-in: told, and only this connection ends
            emit("error", conn=self.number, error="stand-in failure: %r" % error)
        finally:
            self.decoder.buffer = bytearray()
            self.server.count_partial(self, 0)
            # What arrived before the end is still handled, as the peer sent it.
            await requests.put(None)
            await handler
            self.server.connections.pop(self.number, None)
            self.close_after_sending()
            await writing
            emit("disconnected", conn=self.number)
            if self.session is not None and self.session.signed_in:
                await self.server.deliver(self, await self.server.call("disconnect", self.session))

    async def handle(self, requests):
        """Handles the queued requests in order until the end mark; after a failure the
        connection closes and the rest is dropped."""
        failed = False
        while True:
            request = await requests.get()
            if request is None:
                return
            if failed:
                continue
            kind, message = request
            try:
                if kind == "json":
                    await self.on_json(message)
                else:
                    await self.on_text(message)
            except ConnectionError:
                failed = True
            except Exception as error:  # a fault of the stand-in: told, and only this connection ends
                emit("error", conn=self.number, error="stand-in failure: %r" % error)
                self._shut(abort=False)
                failed = True

    async def on_ping(self, message):
        self.sign = message.get("SIGN", self.sign)
        if not self.server.options["withhold_pong"]:
            await self.send_text({"FN": "userSession_saPing", "RES": "10"})

    async def on_text(self, message):
        fn = message.get("FN", "")
        self.sign = message.get("SIGN", self.sign)
        config = self.server.config
        if self.session is not None and fn != "auth_trAuth":
            await self.server.deliver(self, await self.server.call("handle", self.session, message))
            return
        receiver = message.get("RECEIVER", "")
        if fn == "auth_trAuth":
            if await self.signs_in(self.sign, message.get("SID")):
                await self.send_text({"FN": "auth_saAuth", "RES": "10"})
            else:
                await self.send_text({"FN": "auth_saFailed", "RES": "10"})
        elif fn == "userSession_trOpen":
            await self.send_text({
                "FN": "userSession_saOpen", "RES": "10", "RECEIVER": receiver,
                "id": str(self.number), "sign": self.sign,
                "rst_id_owner": config.owner, "rst_id_group": config.group,
                "utc_offset": str(config.utc_offset), "sys_utc_offset": str(config.sys_utc_offset),
                "utc_dt": str(int(time.time() * 1000) + config.sign_in_clock_ahead),
            })
        elif fn == "userSession_trClose":
            await self.send_text({"FN": "userSession_saClose", "RES": "10", "RECEIVER": receiver})

    async def on_json(self, obj):
        if obj.get("method") == "auth.auth":
            params = obj.get("params", {})
            if not isinstance(params, dict) or not all(isinstance(params.get(key, ""), str) for key in ("sign", "sid")):
                await self.send_json({"controller": "auth", "method": "auth", "resCode": 0,
                                      "error": "params must be an object of texts"})
                return
            ok = await self.signs_in(params.get("sign"), params.get("sid"))
            await self.send_json({"controller": "auth", "method": "auth", "resCode": 10 if ok else 0})


    async def signs_in(self, sign, digest):
        if self.session is None:
            return self.server.config.users.get(sign) == digest
        return await self.server.call("sign_in", self.session, sign or "", digest or "")


class Server:
    def __init__(self, config, platform=None):
        self.config = config
        self.backend = platform
        # Every database call runs on this one thread, one at a time.
        self.executor = concurrent.futures.ThreadPoolExecutor(max_workers=1)
        self.options = {"withhold_pong": 0, "byte_by_byte": 0, "drop_after_bytes": 0, "refuse": 0,
                        "queue_limit": QUEUE_LIMIT, "partial_limit": PARTIAL_LIMIT}
        self.connections = {}
        self.partial_total = 0
        self.counter = 0
        self.server = None
        self.port = config.port
        self.hang_sockets = []

    async def call(self, method, *args):
        loop = asyncio.get_running_loop()
        return await loop.run_in_executor(self.executor, getattr(self.backend, method), *args)

    async def deliver(self, sender, outcome):
        """Sends what a request produced: answers, pushes, sign-outs. Pushes never wait for a
        client: one that does not read is cut off instead."""
        for entries in outcome.to_sender:
            await sender.send_text(entries)
        for other in list(self.connections.values()):
            if other.session is None or not other.session.signed_in:
                continue
            for entries, to_sender_too in outcome.pushes:
                if to_sender_too or other is not sender:
                    other.push_text(entries)
        for user in outcome.close_users:
            for other in list(self.connections.values()):
                if other is not sender and other.session is not None and other.session.user_id == user:
                    await self.deliver(other, await self.call("end_session_of", other.session, 4))
                    other.push_text({"FN": "userSession_srClosed", "RECEIVER": "ALL"})
                    other.close_after_sending()

    def count_partial(self, connection, size):
        """Counts the bytes of a connection's unfinished frames in the total of all connections;
        a connection that takes the total over its limit is cut off (False)."""
        grown = size > connection.partial
        self.partial_total += size - connection.partial
        connection.partial = size
        limit = self.options["partial_limit"]
        if not grown or self.partial_total <= limit:
            return True
        connection.cut_off("unfinished frames of all clients would hold %d bytes (limit %d)"
                           % (self.partial_total, limit))
        self.partial_total -= connection.partial
        connection.partial = 0
        connection.decoder.buffer = bytearray()
        return False

    async def start(self):
        self.server = await asyncio.start_server(self.accept, "127.0.0.1", self.port)
        self.port = self.server.sockets[0].getsockname()[1]

    async def accept(self, reader, writer):
        sock = writer.get_extra_info("socket")
        if sock is not None:
            sock.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
        self.counter += 1
        connection = Connection(self, self.counter, reader, writer)
        self.connections[self.counter] = connection
        await connection.run()

    async def set_refuse(self, refuse):
        if refuse and self.server:
            self.server.close()
            await self.server.wait_closed()
            self.server = None
        elif not refuse and not self.server:
            await self.start()

    async def set_hang(self, hang):
        """A listening socket whose accept queue is full: connection attempts get no answer."""
        for sock in self.hang_sockets:
            sock.close()
        self.hang_sockets = []
        if not hang:
            await self.start()
            return
        if self.server:
            self.server.close()
            await self.server.wait_closed()
            self.server = None
        listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        listener.bind(("127.0.0.1", self.port))
        listener.listen(0)
        self.hang_sockets.append(listener)
        for _ in range(2):
            filler = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
            filler.setblocking(False)
            try:
                filler.connect(("127.0.0.1", self.port))
            except BlockingIOError:
                pass
            self.hang_sockets.append(filler)

    async def notify(self, context, value):
        """Raises a platform event; False (an error event) when it could not be raised."""
        import notifications

        if self.backend is None:
            emit("error", error="notify needs --database")
            return False
        try:
            outcome, message, created = await self.call("raise_event", context, value)
        except notifications.EventError as error:
            emit("error", error="event %s not raised: %s" % (context, error))
            return False
        await self.deliver(None, outcome)
        emit("notified", context=context, message=message, notifications=created)
        return True

    def targets(self, which):
        """The connections that CONN names: "all" (none or more), "last" or a number (exactly
        one); ValueError when the one it names is not open."""
        if which == "all":
            return list(self.connections.values())
        if which == "last":
            connection = self.connections[max(self.connections)] if self.connections else None
        else:
            connection = self.connections.get(int(which))
        if connection is None:
            raise ValueError("no connection %s" % which)
        return [connection]

    async def command(self, line):
        words = line.strip().split(" ", 2)
        if not words or not words[0]:
            return
        name = words[0]
        try:
            if name == "quit":
                raise SystemExit(0)
            if name == "set":
                self.options[words[1]] = int(words[2])
                if words[1] == "refuse":
                    await self.set_refuse(int(words[2]))
                elif words[1] == "push_update_time":
                    self.backend.push_update_time = int(words[2]) != 0
                elif words[1] == "lock_refusal_holder":
                    self.backend.lock_refusal_holder = int(words[2]) != 0
                elif words[1] == "sign_in_clock_ahead":
                    self.config.sign_in_clock_ahead = int(words[2])
                    if self.backend:
                        self.backend.sign_in_clock_ahead = int(words[2])
            elif name == "hang":
                await self.set_hang(words[1] == "on")
            elif name == "push-text":
                entries = json_object(words[2])
                for c in self.targets(words[1]):
                    c.push_text(entries)
            elif name == "push-json":
                obj = json_object(words[2])
                for c in self.targets(words[1]):
                    c.push_json(obj)
            elif name == "push-raw":
                for c in self.targets(words[1]):
                    c.push(bytes.fromhex(words[2]))
            elif name == "srclosed":
                for c in self.targets(words[1]):
                    c.push_text({"FN": "userSession_srClosed", "RECEIVER": "ALL"})
            elif name == "mixed":
                for c in self.targets(words[1]):
                    text = {"FN": "userSession_saPing", "RES": "10"}
                    obj = {"controller": "probe", "method": "echo", "note": "a#ENDMSG inside"}
                    if c.push(protocol.text_frame(protocol.message_text(c.sign, text)) + protocol.json_frame(obj)):
                        emit("sent", conn=c.number, kind="mixed", message=[text, obj])
            elif name == "close":
                for c in self.targets(words[1]):
                    c.close_after_sending()
            elif name == "notify":
                if not await self.notify(words[1], words[2] if len(words) > 2 else ""):
                    return
            else:
                emit("error", error="unknown command: " + name)
                return
            emit("done", command=name)
        except (IndexError, ValueError, KeyError) as error:
            emit("error", error="bad command %r: %s" % (line.strip()[:200], error))
        except Exception as error:  # a fault of the stand-in: told, and the stand-in goes on
            emit("error", error="command %r failed: %r" % (line.strip()[:200], error))


def json_object(text):
    """The JSON object that text holds; ValueError for anything else."""
    value = json.loads(text)
    if not isinstance(value, dict):
        raise ValueError("%s is not a JSON object" % text[:200])
    return value


def command_input():
    """stdin when commands can come from it (a pipe, a socket or a terminal), else None: the null
    device or a file cannot be watched by the event loop."""
    try:
        mode = os.fstat(sys.stdin.fileno()).st_mode
        terminal = sys.stdin.isatty()
    except (AttributeError, OSError, ValueError):
        return None
    return sys.stdin if stat.S_ISFIFO(mode) or stat.S_ISSOCK(mode) or terminal else None


async def read_commands(server):
    loop = asyncio.get_running_loop()
    source = command_input()
    if source is None:
        await loop.create_future()  # no commands: serve until stopped
        return
    from commandsocket import CHUNK, LineReader, too_long_event

    reader = asyncio.StreamReader(limit=CHUNK)
    await loop.connect_read_pipe(lambda: asyncio.StreamReaderProtocol(reader), source)
    lines = LineReader(reader)
    while True:
        line = await lines.next()
        if line is None:
            return
        if line is LineReader.TOO_LONG:
            emit(**too_long_event())
            continue
        await server.command(line.decode("utf-8", "replace"))


def parse_args(argv):
    parser = argparse.ArgumentParser(description="Stand-in platform server")
    parser.add_argument("--port", type=int, default=0, help="port on 127.0.0.1 (0: any free port)")
    parser.add_argument("--user", action="append", default=[],
                        help="LOGIN:DIGEST pair accepted at sign-in (MD5 hex of the password)")
    parser.add_argument("--owner", default="2")
    parser.add_argument("--group", default="2")
    parser.add_argument("--utc-offset", type=int, default=180)
    parser.add_argument("--sys-utc-offset", type=int, default=0)
    parser.add_argument("--sign-in-clock-ahead", type=int, default=0, metavar="MS",
                        help="the sign-in answers with a clock this far ahead of the records' stamps"
                             " (negative: behind), as a platform whose clocks drift apart")
    parser.add_argument("--quiet", action="store_true", help="no message and sent events")
    parser.add_argument("--database", action="store_true",
                        help="keep the data in the PostgreSQL database that the PG* variables name")
    parser.add_argument("--dbinit", default=os.environ.get("KORIV_DBINIT", ""),
                        help="database initialiser run on start (default: $KORIV_DBINIT)")
    parser.add_argument("--report-tool", default=os.environ.get("KORIV_REPORT_TOOL", ""),
                        help="koriv-report, which answers report_trCreate (default: $KORIV_REPORT_TOOL)")
    parser.add_argument("--controllers", default=os.path.join(HERE, "controllers.json"),
                        help="controller name to table map")
    parser.add_argument("--min-version", default="", help="older clients get session code 50")
    parser.add_argument("--command-socket", default="",
                        help="a Unix socket that takes the commands too (see standin-command.py)")
    args = parser.parse_args(argv)
    args.users = dict(pair.split(":", 1) for pair in args.user)
    return args


REPORT_TABLES = os.path.join(HERE, "..", "report", "report-tables.sql")


def create_report_tables(connection):
    """The tables that the report SQL reads and no catalogue describes; SystemExit on failure."""
    import psycopg2

    try:
        with open(REPORT_TABLES, encoding="utf-8") as f, connection.cursor() as cursor:
            cursor.execute(f.read())
        connection.commit()
    except (OSError, psycopg2.Error) as error:
        connection.rollback()
        emit("error", error="report tables not created from %s: %s" % (REPORT_TABLES, str(error).strip()))
        raise SystemExit(1)


# Display fields of the report tables that the pages list, which the initialiser cannot describe:
# the payment log's catalogue names no table.
REPORT_TABLE_JOINS = {
    "payment_systems_drivers_payments_logs": {
        "company_name": {"table": "companies", "column": "company_name",
                         "join": "payment_systems_drivers_payments_logs.rst_id_company"},
        "ps_name": {"table": "payment_systems", "column": "name",
                    "join": "payment_systems_drivers_payments_logs.rst_id_payment_system"},
    },
}


def describe_report_tables(description):
    """Adds the joined fields of REPORT_TABLE_JOINS to the initialiser's description."""
    tables = description.setdefault("tables", {})
    for table, joined in REPORT_TABLE_JOINS.items():
        tables.setdefault(table, {}).setdefault("joined", {}).update(joined)
    return description


def open_database(config):
    """Initialises the database, reads its schema and returns the backend; SystemExit on failure."""
    import psycopg2

    import backend
    import schema

    description = None
    if config.dbinit:
        with tempfile.TemporaryDirectory(prefix="koriv-standin.") as folder:
            path = os.path.join(folder, "joined.json")
            try:
                result = subprocess.run([config.dbinit, "--describe", path],
                                        stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
            except OSError as error:
                emit("error", error="database initialiser %s not started: %s" % (config.dbinit, error))
                raise SystemExit(1)
            if result.returncode != 0:
                sys.stderr.write(result.stdout)
                reasons = [line for line in result.stdout.splitlines() if line.startswith("koriv-dbinit:")]
                emit("error", error="database initialiser failed (exit %d): %s"
                     % (result.returncode, " ".join(reasons) or result.stdout.strip()))
                raise SystemExit(1)
            description = schema.load_description(path)
    else:
        emit("warning", message="no database initialiser given: the schema is used as it is")
    try:
        connection = psycopg2.connect("")
    except psycopg2.Error as error:
        emit("error", error="cannot connect to PostgreSQL: %s" % str(error).strip())
        raise SystemExit(1)
    if config.dbinit:
        create_report_tables(connection)
        describe_report_tables(description)
        import options
        try:
            added = options.add_platform_options(connection)
        except psycopg2.Error as error:
            connection.rollback()
            emit("error", error="platform security options not added: %s" % str(error).strip())
            raise SystemExit(1)
        if added:
            emit("options", added=added)
        import notifications
        try:
            types = notifications.add_types(connection)
        except psycopg2.Error as error:
            connection.rollback()
            emit("error", error="notification types not added: %s" % str(error).strip())
            raise SystemExit(1)
        if types:
            emit("notification-types", added=types)
    found = schema.load(connection, description)
    for warning in found.warnings:
        emit("warning", message=warning)
    with open(config.controllers, encoding="utf-8") as f:
        controllers = json.load(f)["controllers"]
    platform = backend.Backend(connection, found, controllers, config.utc_offset, config.sys_utc_offset,
                               config.min_version, report_tool=config.report_tool)
    platform.sign_in_clock_ahead = config.sign_in_clock_ahead
    platform.clear_stale_locks()
    for sign, digest in config.users.items():
        try:
            platform.configure_user(sign, digest)
        except (RuntimeError, psycopg2.Error) as error:
            emit("error", error="user %s not configured: %s" % (sign, str(error).strip()))
            raise SystemExit(1)
    emit("database", tables=len(found.tables), controllers=len(platform.controllers))
    return platform


async def main(argv):
    global quiet
    config = parse_args(argv)
    quiet = config.quiet
    server = Server(config, open_database(config) if config.database else None)
    await server.start()
    commands = await open_command_socket(server, config.command_socket)
    emit("listening", port=server.port)
    try:
        await read_commands(server)
    except SystemExit:
        pass
    finally:
        if commands is not None:
            commands.close()


async def open_command_socket(server, path):
    """The command socket at path (none without a path); SystemExit when it cannot listen."""
    if not path:
        return None
    from commandsocket import CommandSocket

    async def run(line):
        if line.strip().split(" ", 1)[0] == "quit":
            emit("error", error="quit is not taken over the command socket")
            return
        await server.command(line)

    commands = CommandSocket(path, run, listeners.append, listeners.remove)
    try:
        await commands.start()
    except OSError as error:
        emit("error", error="command socket %s: %s" % (path, error))
        raise SystemExit(1)
    return commands


if __name__ == "__main__":
    try:
        asyncio.run(main(sys.argv[1:]))
    except KeyboardInterrupt:
        pass
