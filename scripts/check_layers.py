#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Checks that the folders under src/ stay layers.

Each folder may include its own headers and those of the folders it is
allowed to use; the graph of folders has no cycle; and the widget-free
folders include no header of Qt Widgets or Qt Gui. Prints every breach and
exits with status 1 when there is one.

    python3 scripts/check_layers.py [src-folder]
"""
import os
import re
import sys

# What each folder may include besides itself, from the bottom up.
ALLOWED = {
    "core": set(),
    "calc": {"core"},
    "gui": {"core"},
    "entry": {"gui", "core"},
    "dialogs": {"gui", "core"},
    "mainwindow": {"gui", "core"},
    "sides": {"gui", "core"},
    "app": {"calc", "entry", "dialogs", "mainwindow", "sides", "gui", "core"},
}
WIDGET_FREE = {"core", "calc"}
QT_INCLUDE = "/usr/include/x86_64-linux-gnu/qt6"
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)


def qt_headers(module):
    """The headers of a Qt module, with and without the module's folder."""
    folder = os.path.join(QT_INCLUDE, module)
    names = set(os.listdir(folder)) if os.path.isdir(folder) else set()
    return names | {module + "/" + n for n in names} | {module}


def find_cycle(graph):
    state = {}

    def visit(node, path):
        state[node] = "open"
        for nxt in sorted(graph.get(node, ())):
            if state.get(nxt) == "open":
                return path + [node, nxt]
            if nxt not in state:
                found = visit(nxt, path + [node])
                if found:
                    return found
        state[node] = "done"
        return None

    for node in sorted(graph):
        if node not in state:
            found = visit(node, [])
            if found:
                return found
    return None


def main():
    src = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "src")
    gui_headers = qt_headers("QtWidgets") | qt_headers("QtGui")
    problems = []
    graph = {}
    for folder in sorted(os.listdir(src)):
        path = os.path.join(src, folder)
        if not os.path.isdir(path):
            continue
        if folder not in ALLOWED:
            problems.append(f"{folder}/: a folder that is no known layer")
            continue
        for name in sorted(os.listdir(path)):
            if not name.endswith((".h", ".cpp")):
                continue
            text = open(os.path.join(path, name), encoding="utf-8").read()
            for kind, header in INCLUDE.findall(text):
                where = f"{folder}/{name}: #include {header}"
                if kind == '"':
                    if "/" not in header or header.startswith(".."):
                        problems.append(f"{where}: project headers are included as folder/file.h")
                        continue
                    target = header.split("/")[0]
                    if target != folder:
                        graph.setdefault(folder, set()).add(target)
                        if target not in ALLOWED.get(folder, set()):
                            problems.append(f"{where}: {folder}/ may not use {target}/")
                elif folder in WIDGET_FREE and header in gui_headers:
                    problems.append(f"{where}: {folder}/ must stay free of widgets")
    cycle = find_cycle(graph)
    if cycle:
        problems.append("the folders include each other in a cycle: " + " -> ".join(cycle))
    for p in problems:
        print(p)
    if problems:
        return 1
    print(f"layers: {sum(len(v) for v in graph.values())} edges between {len(graph)} folders, no cycle")
    return 0


if __name__ == "__main__":
    sys.exit(main())
