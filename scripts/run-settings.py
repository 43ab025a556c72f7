#!/usr/bin/env python3
"""Points the program's settings (KorivAdmin.ini, Qt's INI format) at the local stand-in for run.sh
and keeps everything else in the file as Qt wrote it.

    scripts/run-settings.py FILE PORT LOGIN

It sets only: the host named "Local stand-in" (127.0.0.1, PORT) in the "hosts" array, added after
the hosts already there when missing; "auth/current_host" (that host's place) and "auth/login";
"updating/checkOnStartup" false. Every other line (the language, the scale, other hosts, window
states...) stays as it is, byte for byte, in its place.
"""

import os
import sys
import tempfile

HOST_NAME = "Local stand-in"
HOST_ADDRESS = "127.0.0.1"


class IniFile:
    """The file's lines by section, in order; keys are Qt's (escaped) INI keys."""

    def __init__(self, text):
        self.sections = [["", []]]  # [name, lines]; lines before the first header in ""
        for line in text.splitlines():
            stripped = line.strip()
            if stripped.startswith("[") and stripped.endswith("]"):
                self.sections.append([stripped[1:-1], []])
            else:
                self.sections[-1][1].append(line)

    def _lines(self, section, create=False):
        for name, lines in self.sections:
            if name == section:
                return lines
        if not create:
            return None
        self.sections.append([section, []])
        return self.sections[-1][1]

    def get(self, section, key):
        for line in self._lines(section) or []:
            name, sep, value = line.partition("=")
            if sep and name.strip() == key:
                return _unquote(value.strip())
        return None

    def set(self, section, key, value):
        """Replaces the key's line, or adds it after the section's last key."""
        lines = self._lines(section, create=True)
        entry = "%s=%s" % (key, value)
        for i, line in enumerate(lines):
            name, sep, _ = line.partition("=")
            if sep and name.strip() == key:
                lines[i] = entry
                return
        last = max([i for i, line in enumerate(lines) if line.strip()] or [-1])
        lines.insert(last + 1, entry)

    def text(self):
        out = []
        for index, (name, lines) in enumerate(self.sections):
            if index > 0:
                if out and out[-1].strip():
                    out.append("")
                out.append("[%s]" % name)
            out.extend(lines)
        while out and not out[-1].strip():
            out.pop()
        return "\n".join(out) + "\n"


def _unquote(value):
    if len(value) >= 2 and value[0] == value[-1] == '"':
        return value[1:-1].replace('\\"', '"').replace("\\\\", "\\")
    return value


def point_at_standin(ini, port, login):
    """Sets what run.sh needs; returns the stand-in host's place (from 0)."""
    try:
        size = int(ini.get("hosts", "size") or "0")
    except ValueError:
        size = 0
    place = None
    for index in range(1, size + 1):
        if ini.get("hosts", "%d\\name" % index) == HOST_NAME:
            place = index
            break
    if place is None:
        place = size + 1
        ini.set("hosts", "%d\\name" % place, HOST_NAME)
        ini.set("hosts", "size", str(place))
    ini.set("hosts", "%d\\address" % place, HOST_ADDRESS)
    ini.set("hosts", "%d\\port" % place, str(port))
    ini.set("auth", "current_host", str(place - 1))
    ini.set("auth", "login", login)
    ini.set("updating", "checkOnStartup", "false")
    return place - 1


def main(argv):
    if len(argv) != 3:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    path, port, login = argv
    try:
        with open(path, encoding="utf-8") as f:
            text = f.read()
    except FileNotFoundError:
        text = ""
    ini = IniFile(text)
    point_at_standin(ini, int(port), login)
    folder = os.path.dirname(os.path.abspath(path))
    os.makedirs(folder, exist_ok=True)
    # Written beside it and renamed: an interrupted run leaves the old file whole.
    handle, temporary = tempfile.mkstemp(dir=folder, prefix=".KorivAdmin.")
    with os.fdopen(handle, "w", encoding="utf-8") as f:
        f.write(ini.text())
    os.replace(temporary, path)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
