"""scripts/include-layers.py on small library trees: arrows, mutual pairs, the written order."""

import os
import subprocess
import sys
import tempfile
import textwrap
import unittest

SCRIPT = os.path.join(os.environ.get('KORIV_SOURCE_DIR', os.path.join(os.path.dirname(__file__), '..', '..')),
                      'scripts', 'include-layers.py')


class IncludeLayersTest(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.root = os.path.join(self.dir.name, 'lib')

    def tearDown(self):
        self.dir.cleanup()

    def write(self, path, text=''):
        full = os.path.join(self.root, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, 'w', encoding='utf-8') as file:
            file.write(text)

    def order(self, *folders):
        path = os.path.join(self.dir.name, 'README.md')
        with open(path, 'w', encoding='utf-8') as file:
            file.write('Folders:\n\n' + ''.join(f'{i}. `{f}/` what it holds\n' for i, f in enumerate(folders, 1)))
        return path

    def run_script(self, *args):
        return subprocess.run([sys.executable, '-B', SCRIPT, *args, self.root], capture_output=True, text=True)

    def test_arrows_by_prefixed_and_relative_includes(self):
        self.write('base/a.h')
        self.write('top/b.cpp', textwrap.dedent('''\
            #include "b.h"
            #include "lib/base/a.h"
            #include "../base/a.h"
            #include "other/lib/x.h"
            #include <lib/base/a.h>
            '''))
        self.write('top/b.h', '#include "lib/base/a.h"\n')
        result = self.run_script()
        self.assertEqual(result.returncode, 0, result.stderr)
        # Three quoted includes of base from top; the own folder, another library and <...> don't count.
        self.assertIn('1 arrows', result.stdout)
        self.assertIn('top -> base (3)', result.stdout)
        self.assertIn('mutual pairs: 0', result.stdout)

    def test_mutual_pair_fails_the_check(self):
        self.write('a/a.h', '#include "lib/b/b.h"\n')
        self.write('b/b.cpp', '#include "lib/a/a.h"\n')
        self.write('b/b.h')
        self.assertEqual(self.run_script().returncode, 0)
        result = self.run_script('--check')
        self.assertEqual(result.returncode, 1)
        self.assertIn('a <-> b', result.stdout)
        self.assertIn('a and b include each other', result.stderr)

    def test_arrows_against_the_order_are_counted_and_limited(self):
        self.write('low/l.h', '#include "lib/high/h.h"\n')
        self.write('mid/m.h', '#include "lib/high/h.h"\n')
        self.write('high/h.h')
        readme = self.order('low', 'mid', 'high')
        result = self.run_script('--order', readme, '--check', '--max-against', '2')
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertIn('against the order: 2', result.stdout)
        result = self.run_script('--order', readme, '--check', '--max-against', '1')
        self.assertEqual(result.returncode, 1)
        self.assertIn('2 arrows run against the order (at most 1)', result.stderr)
        # Written the other way round, the same arrows follow the order.
        result = self.run_script('--order', self.order('high', 'mid', 'low'), '--check')
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertIn('against the order: 0', result.stdout)

    def test_folder_missing_from_the_order_fails_the_check(self):
        self.write('low/l.h')
        self.write('stray/s.h', '#include "lib/low/l.h"\n')
        result = self.run_script('--order', self.order('low'), '--check')
        self.assertEqual(result.returncode, 1)
        self.assertIn('folder stray is not in the order', result.stderr)

    def test_order_file_without_a_list_is_an_error(self):
        self.write('low/l.h')
        path = os.path.join(self.dir.name, 'empty.md')
        with open(path, 'w', encoding='utf-8') as file:
            file.write('no list here\n')
        result = self.run_script('--order', path)
        self.assertNotEqual(result.returncode, 0)
        self.assertIn('no numbered list of folders found', result.stderr)


if __name__ == '__main__':
    unittest.main()
