"""scripts/run-settings.py over settings files as Qt writes them: what run.sh needs is set, the
rest stays byte for byte, and a second start reuses the stand-in's host."""

import os
import runpy
import subprocess
import tempfile
import types
import unittest

SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts", "run-settings.py")
# The script's functions and classes, read without running its main.
run_settings = types.SimpleNamespace(**runpy.run_path(SCRIPT, run_name="run_settings"))

# Written by QSettings: escaped keys, quoted values, byte arrays, a %-encoded key.
QT_WRITTEN = r"""[General]
%U0444=1

[MainWindow]
state=@ByteArray(\0\0\0\xff\0\0\0\0\xfd\0\0\0\x1=)

[hosts]
1\address=office.example
1\name="Office, main"
1\port=40300
2\address=127.0.0.1
2\name=Local stand-in
2\port=40301
size=2

[i18n]
lang=uk

[auth]
autosave=true
current_host=0
login=clerk
"""


class RunSettings(unittest.TestCase):
    def apply(self, text, port, login="admin"):
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "Koriv", "KorivAdmin.ini")
            if text is not None:
                os.makedirs(os.path.dirname(path))
                with open(path, "w", encoding="utf-8") as f:
                    f.write(text)
            subprocess.run(["/usr/bin/python3", "-B", SCRIPT, path, str(port), login], check=True)
            with open(path, encoding="utf-8") as f:
                return f.read()

    def test_a_first_start_writes_what_run_sh_needs(self):
        ini = run_settings.IniFile(self.apply(None, 40300))
        self.assertEqual([ini.get("hosts", k) for k in ("size", "1\\name", "1\\address", "1\\port")],
                         ["1", "Local stand-in", "127.0.0.1", "40300"])
        self.assertEqual((ini.get("auth", "current_host"), ini.get("auth", "login")), ("0", "admin"))
        self.assertEqual(ini.get("updating", "checkOnStartup"), "false")

    def test_qt_written_settings_keep_everything_else(self):
        text = self.apply(QT_WRITTEN, 45555)
        ini = run_settings.IniFile(text)
        # The stand-in's host is found again by its name, not added twice; it becomes the chosen one.
        self.assertEqual((ini.get("hosts", "size"), ini.get("hosts", "2\\port")), ("2", "45555"))
        self.assertEqual((ini.get("auth", "current_host"), ini.get("auth", "login")), ("1", "admin"))
        unchanged = [line for line in QT_WRITTEN.splitlines()
                     if line.strip() and line not in ("2\\port=40301", "current_host=0", "login=clerk")]
        self.assertEqual([line for line in text.splitlines() if line in unchanged], unchanged)
        self.assertIn("[updating]\ncheckOnStartup=false", text)
        self.assertEqual(ini.get("hosts", "1\\name"), "Office, main")

    def test_a_host_list_without_the_stand_in_gets_it_added(self):
        text = self.apply("[hosts]\n1\\address=office.example\n1\\name=Office\n1\\port=1\nsize=1\n", 40300)
        ini = run_settings.IniFile(text)
        self.assertEqual([ini.get("hosts", k) for k in ("size", "2\\name", "2\\port", "1\\name")],
                         ["2", "Local stand-in", "40300", "Office"])
        self.assertEqual(ini.get("auth", "current_host"), "1")
        again = run_settings.IniFile(self.apply(text, 40302))
        self.assertEqual((again.get("hosts", "size"), again.get("hosts", "2\\port")), ("2", "40302"))


if __name__ == "__main__":
    unittest.main()
