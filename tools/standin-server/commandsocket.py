"""The stand-in's commands over a Unix socket, for a stand-in whose stdin is closed (run.sh).

Each connection sends command lines, as on stdin; for each line the socket answers with the
outcome events of that command ("done", "notified" or "error"), one JSON line each, then an empty
line. standin-command.py is the client.
"""

import asyncio
import json
import os

OUTCOMES = ("done", "notified", "error")


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
        self.server = await asyncio.start_unix_server(self.serve, path=self.path)
        os.chmod(self.path, 0o600)

    def close(self):
        if self.server is not None:
            self.server.close()
        if os.path.exists(self.path):
            os.unlink(self.path)

    async def serve(self, reader, writer):
        try:
            while True:
                line = await reader.readline()
                if not line:
                    break
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
            finally:
                self.unwatch(listener)
        return events or [{"event": "error", "error": "the command did nothing"}]
