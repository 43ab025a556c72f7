"""The update server and the update archives of the updater tests.

  update_fixture.py archive OUT.zip FOLDER KIND   writes an update archive: its files under FOLDER,
      KIND "good" with a loader, "no-loader" without one, "dotdot" with an entry climbing out.
  update_fixture.py serve ROOT                     serves ROOT over HTTP on 127.0.0.1; prints
      {"port": N} once listening, one {"get": PATH} per request, and stops when stdin closes.
      A file with a sibling named FILE.truncate is sent only half: announced whole when that sibling
      says "announced", without a length (the end of the connection ends it) otherwise.

The loader inside a good archive is a shell script: it writes its arguments, one per line, to
loader-ran.txt in the folder given as its second argument (the installed program's folder).
"""

import http.server
import json
import os
import sys
import threading
import zipfile

LOADER = '#!/bin/sh\nprintf "%s\\n" "$@" > "$2/loader-ran.txt"\n'


def write_archive(path, folder, kind):
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as archive:
        archive.writestr(folder + "/", "")
        archive.writestr(folder + "/KorivAdmin.exe", "the new program\n")
        if kind in ("good", "dotdot"):
            loader = zipfile.ZipInfo(folder + "/loader.exe")
            loader.external_attr = 0o100755 << 16
            loader.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(loader, LOADER)
        if kind == "dotdot":
            archive.writestr(folder + "/../../escaped.txt", "outside\n")


class Handler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, format, *args):
        pass

    def do_GET(self):
        print(json.dumps({"get": self.path}), flush=True)
        path = self.translate_path(self.path)
        if os.path.isfile(path) and os.path.exists(path + ".truncate"):
            with open(path, "rb") as f:
                data = f.read()
            with open(path + ".truncate") as f:
                announced = f.read().strip() == "announced"
            self.send_response(200)
            self.send_header("Content-Type", "application/zip")
            if announced:
                self.send_header("Content-Length", str(len(data)))
            self.end_headers()
            self.wfile.write(data[: len(data) // 2])
            self.wfile.flush()
            self.close_connection = True
            return
        super().do_GET()


def serve(root):
    handler = lambda *args, **kwargs: Handler(*args, directory=root, **kwargs)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    print(json.dumps({"port": server.server_address[1]}), flush=True)
    sys.stdin.read()
    server.shutdown()


if __name__ == "__main__":
    if sys.argv[1] == "archive":
        write_archive(*sys.argv[2:5])
    elif sys.argv[1] == "serve":
        serve(sys.argv[2])
    else:
        sys.exit("unknown command " + sys.argv[1])
