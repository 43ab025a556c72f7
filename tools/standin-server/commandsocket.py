"""The stand-in's commands over a Unix socket, for a stand-in whose stdin is closed (run.sh).

Each connection sends command lines, as on stdin; for each line the socket answers with the
outcome events of that command ("done", "notified" or "error"), one JSON line each, then an empty
line. Every line gets an answer: one longer than LINE_LIMIT is read to its end and refused, and a
command that fails inside the stand-in is answered with an "error". standin-command.py is the
client.
"""

import asyncio
import json
import os

import protocol

OUTCOMES = ("done", "notified", "error")
# The longest command line: a whole frame as push-raw's hex, with the command's words.
LINE_LIMIT = 2 * protocol.MAX_FRAME + 4096
# What one read of a stream takes at most.
CHUNK = 1 << 20


class LineReader:
    """The lines of a stream, each up to limit bytes. next() gives a line without its newline,
    TOO_LONG for a longer one (read to its end and dropped), None at the end of the stream.
    Costs: a line's bytes are held once and scanned once."""

    TOO_LONG = object()

    def __init__(self, reader, limit=LINE_LIMIT):
        self.reader = reader
        self.limit = limit
        self.buffer = bytearray()
        self.scanned = 0  # the buffer holds no newline before this
        self.dropping = False  # the rest of a line over the limit is being read and dropped

    async def next(self):
        while True:
            end = self.buffer.find(b"\n", self.scanned)
            if end >= 0:
                line = bytes(self.buffer[:end])
                del self.buffer[:end + 1]
                self.scanned = 0
                if self.dropping or len(line) > self.limit:
                    self.dropping = False
                    return self.TOO_LONG
                return line
            if len(self.buffer) > self.limit:
                self.dropping = True
                self.buffer.clear()
            self.scanned = len(self.buffer)
            data = await self.reader.read(CHUNK)
            if not data:
                return self._last()
            self.buffer += data

    def _last(self):
        """What the stream ended with: a line without a newline, or nothing."""
        line, dropping = bytes(self.buffer), self.dropping
        self.buffer.clear()
        self.scanned = 0
        self.dropping = False
        if dropping:
            return self.TOO_LONG
        return line if line else None


def too_long_event(limit=LINE_LIMIT):
    return {"event": "error", "error": "the command line is longer than %d bytes" % limit}


class CommandSocket:
    """Listens on path; run(line) runs one command and returns the events it emitted.
    watch(listener) and unwatch(listener) hook into the stand-in's events."""

    def __init__(self, path, run, watch, unwatch):
        self.path = path
        self.run = run
        self.watch = watch
        self.unwatch = unwatch
        self.server = None
        # One command at a time, so that each gets only its own outcome.
        self.turn = asyncio.Lock()

    async def start(self):
        if os.path.exists(self.path):
            os.unlink(self.path)
        self.server = await asyncio.start_unix_server(self.serve, path=self.path, limit=CHUNK)
        os.chmod(self.path, 0o600)

    def close(self):
        if self.server is not None:
            self.server.close()
        if os.path.exists(self.path):
            os.unlink(self.path)

    async def serve(self, reader, writer):
        lines = LineReader(reader)
        try:
            while True:
                line = await lines.next()
                if line is None:
                    break
                if line is LineReader.TOO_LONG:
                    events = [too_long_event()]
                else:
                    events = await self.outcome(line.decode("utf-8", "replace"))
                for event in events:
                    writer.write((json.dumps(event, ensure_ascii=False) + "\n").encode("utf-8"))
                writer.write(b"\n")
                await writer.drain()
        except (ConnectionError, SystemExit):
            pass
        finally:
            writer.close()

    async def outcome(self, line):
        events = []

        def listener(event):
            if event.get("event") in OUTCOMES:
                events.append(dict(event))

        async with self.turn:
            self.watch(listener)
            try:
                await self.run(line)
            except Exception as error:  # a fault of the stand-in: answered, the socket goes on
                events.append({"event": "error", "error": "stand-in failure: %r" % error})
            finally:
                self.unwatch(listener)
        return events or [{"event": "error", "error": "the command did nothing"}]
