#!/usr/bin/env python3
"""The folders of ui/ as layers: from the `#include "ui/..."` lines of every source file
under ui/, each folder includes only folders below it (no loop between folders), and no
two files include each other, whatever the path between them (a header and its source
counted as one), and only `main.cpp` and the main window's own files lie in ui/ itself, the
rest in the folder of its job. Prints the folders' graph; exits 1 with what is wrong."""

import collections
import os
import re
import sys

INCLUDE = re.compile(r'\s*#include "(ui/[^"]+)"')


def unit(path):
    return os.path.splitext(path)[0]


def read_graph(root):
    folders = collections.defaultdict(set)
    files = collections.defaultdict(set)
    for top, _, names in os.walk(os.path.join(root, "ui")):
        for name in names:
            if not name.endswith((".h", ".cpp")):
                continue
            path = os.path.relpath(os.path.join(top, name), root)
            with open(os.path.join(root, path), encoding="utf-8") as source:
                for line in source:
                    match = INCLUDE.match(line)
                    if not match:
                        continue
                    target = match.group(1)
                    if unit(target) != unit(path):
                        files[unit(path)].add(unit(target))
                    if os.path.dirname(path) != os.path.dirname(target):
                        folders[os.path.dirname(path)].add(os.path.dirname(target))
    return folders, files


def find_loop(graph):
    state = {}

    def visit(node, path):
        state[node] = "open"
        path.append(node)
        for nxt in sorted(graph.get(node, ())):
            if state.get(nxt) == "open":
                return path[path.index(nxt):] + [nxt]
            if nxt not in state:
                loop = visit(nxt, path)
                if loop:
                    return loop
        path.pop()
        state[node] = "done"
        return None

    for node in sorted(graph):
        if node not in state:
            loop = visit(node, [])
            if loop:
                return loop
    return None


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else "."
    folders, files = read_graph(root)
    if not files:
        print("no includes found under", os.path.join(root, "ui"))
        return 1
    for folder in sorted(folders):
        print(folder, "->", ", ".join(sorted(folders[folder])))
    failed = 0
    top = os.path.join(root, "ui")
    for name in sorted(os.listdir(top)):
        if name.endswith((".h", ".cpp")) and unit(name) not in ("main", "main_window"):
            print("a source file directly in ui/:", name)
            failed = 1
    for kind, graph in (("folders", folders), ("files", files)):
        loop = find_loop(graph)
        if loop:
            print("a loop between %s: %s" % (kind, " -> ".join(loop)))
            failed = 1
    return failed


if __name__ == "__main__":
    sys.exit(main())
