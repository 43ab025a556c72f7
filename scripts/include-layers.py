#!/usr/bin/env python3
"""Folder-to-folder include arrows of a library.

For each library root given (the folder whose subfolders are the library's folders, such as
libgui/src/gui), every quoted #include of a header of another folder of the same library is an
arrow from the including folder to the included one. The script prints the arrows, the pairs of
folders that include each other, and, with --order, the arrows that run against the order of
folders written in that file: a numbered list, bottom folder first, each item starting with the
folder name in backquotes ("1. `core/` ...").

With --check it fails (exit status 1) when a pair of folders includes each other, when more than
--max-against arrows run against the order, or when a folder is missing from the order.
"""

import argparse
import os
import re
import sys
from collections import defaultdict

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
ORDER_ITEM = re.compile(r'^\s*\d+\.\s+`([A-Za-z0-9_]+)/?`')
SOURCES = ('.h', '.hpp', '.cpp', '.cc')


def folder_of(root, path):
    """The library folder holding path (its first component under root), or None."""
    rel = os.path.relpath(os.path.normpath(path), root)
    if rel.startswith('..'):
        return None
    parts = rel.split(os.sep)
    return parts[0] if len(parts) > 1 else None


def included_path(root, source, name):
    """Where an include of a source file points: next to the file, or from the include root."""
    beside = os.path.join(os.path.dirname(source), name)
    if os.path.exists(beside):
        return beside
    prefix = os.path.basename(os.path.normpath(root)) + '/'
    if name.startswith(prefix):
        return os.path.join(root, name[len(prefix):])
    return None


def arrows_of(root):
    """{(from, to): number of includes} for the folders of the library at root."""
    arrows = defaultdict(int)
    for directory, _, files in os.walk(root):
        for file in sorted(files):
            if not file.endswith(SOURCES):
                continue
            source = os.path.join(directory, file)
            origin = folder_of(root, source)
            if origin is None:
                continue
            with open(source, encoding='utf-8', errors='replace') as lines:
                for line in lines:
                    match = INCLUDE.match(line)
                    if not match:
                        continue
                    target = included_path(root, source, match.group(1))
                    destination = folder_of(root, target) if target else None
                    if destination and destination != origin:
                        arrows[(origin, destination)] += 1
    return arrows


def read_order(path):
    with open(path, encoding='utf-8') as lines:
        return [m.group(1) for m in map(ORDER_ITEM.match, lines) if m]


def report(root, arrows, order, max_against):
    """Prints the library's arrows; returns the list of problems found."""
    problems = []
    print(f'{root}: {len(arrows)} arrows')
    for (origin, destination), count in sorted(arrows.items()):
        print(f'  {origin} -> {destination} ({count})')
    mutual = sorted((a, b) for (a, b) in arrows if a < b and (b, a) in arrows)
    print(f'  mutual pairs: {len(mutual)}')
    for a, b in mutual:
        print(f'    {a} <-> {b}')
        problems.append(f'{a} and {b} include each other')
    if order is None:
        return problems
    rank = {folder: i for i, folder in enumerate(order)}
    folders = {f for pair in arrows for f in pair}
    folders.update(e for e in os.listdir(root) if os.path.isdir(os.path.join(root, e)))
    for folder in sorted(folders - rank.keys()):
        problems.append(f'folder {folder} is not in the order')
    against = sorted(p for p in arrows if p[0] in rank and p[1] in rank and rank[p[1]] > rank[p[0]])
    print(f'  against the order: {len(against)}')
    for origin, destination in against:
        print(f'    {origin} -> {destination}')
    if len(against) > max_against:
        problems.append(f'{len(against)} arrows run against the order (at most {max_against})')
    return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument('roots', nargs='+', help='library source roots, such as libgui/src/gui')
    parser.add_argument('--order', help='file with the numbered list of folders, bottom first')
    parser.add_argument('--max-against', type=int, default=0, help='arrows allowed against the order')
    parser.add_argument('--check', action='store_true', help='fail on the problems found')
    args = parser.parse_args()
    order = read_order(args.order) if args.order else None
    if order is not None and not order:
        sys.exit(f'{args.order}: no numbered list of folders found')
    problems = []
    for root in args.roots:
        if not os.path.isdir(root):
            sys.exit(f'{root}: no such folder')
        problems += [f'{root}: {p}' for p in report(root, arrows_of(root), order, args.max_against)]
    for problem in problems:
        print(f'problem: {problem}', file=sys.stderr)
    if args.check and problems:
        sys.exit(1)


if __name__ == '__main__':
    main()
