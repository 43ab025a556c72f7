#!/usr/bin/env python3
"""Tells a running stand-in one command through its command socket (--command-socket).

    standin-command.py SOCKET COMMAND [ARGUMENT...]

for instance a driver's change request, which every signed-in operator receives as a notification:

    standin-command.py build/run/standin.sock notify driver.update '{"data": {"sign": "D001", "phone": "+380501112233"}}'

The command's words are joined by spaces, as on the stand-in's stdin (see standin.py). Prints the
outcome events, one JSON line each; exits 0 when the command was done, 1 when it was refused, 2
when the stand-in could not be reached.
"""

import json
import socket
import sys

TIMEOUT = 30


def tell(path, line):
    """The outcome events of one command line; OSError when the socket cannot be reached."""
    with socket.socket(socket.AF_UNIX, socket.SOCK_STREAM) as connection:
        connection.settimeout(TIMEOUT)
        connection.connect(path)
        connection.sendall((line.replace("\n", " ") + "\n").encode("utf-8"))
        received = b""
        while not received.endswith(b"\n\n"):
            data = connection.recv(65536)
            if not data:
                break
            received += data
    return [json.loads(text) for text in received.decode("utf-8").splitlines() if text.strip()]


def main(argv):
    if len(argv) < 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    try:
        events = tell(argv[0], " ".join(argv[1:]))
    except OSError as error:
        print("standin-command: the stand-in at %s cannot be reached: %s" % (argv[0], error), file=sys.stderr)
        return 2
    for event in events:
        print(json.dumps(event, ensure_ascii=False))
    return 0 if events and all(event.get("event") != "error" for event in events) else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
