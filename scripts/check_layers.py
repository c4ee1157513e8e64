#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Checks what the include roots of the layers in src/ cannot stop.

Each layer is built with an include path that holds only its own folder and
those of the layers below it (src/CMakeLists.txt), so an include against the
layers does not build. Two ways around that remain, and this script looks
for them:

- a header of Qt Gui or Qt Widgets in a widget-free layer: Qt Core's include
  path is the folder that holds every Qt module, so <QtWidgets/QWidget>
  compiles anywhere;
- an include that climbs out of its folder with "..", which reaches any
  folder of src/.

Prints every breach and exits with status 1 when there is one. The test
`layers` runs it with the widget-free layers named in src/CMakeLists.txt and
Qt's include folders from the build:

    check_layers.py SRC-FOLDER --widget-free LAYER... --qt-include FOLDER...

A FOLDER argument may hold several folders separated by ";" (as CMake passes
a list); the folders named QtGui and QtWidgets among them give the headers
that the widget-free layers must not include.
"""
import argparse
import os
import re
import sys

GUI_MODULES = ("QtGui", "QtWidgets")
INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^>"]+)[>"]', re.M)


def gui_headers(include_args):
    """Every name by which a header of Qt Gui or Qt Widgets can be included."""
    folders = {}
    for arg in include_args:
        for folder in arg.split(";"):
            name = os.path.basename(os.path.normpath(folder)) if folder else ""
            if name in GUI_MODULES and os.path.isdir(folder):
                folders[name] = folder
    missing = [m for m in GUI_MODULES if m not in folders]
    if missing:
        sys.exit(f"check_layers.py: no include folder of {', '.join(missing)} among --qt-include")
    names = set()
    for module, folder in folders.items():
        headers = set(os.listdir(folder))
        names |= headers | {f"{module}/{h}" for h in headers} | {module}
    return names


def sources(folder):
    for name in sorted(os.listdir(folder)):
        if name.endswith((".h", ".cpp")):
            yield name, open(os.path.join(folder, name), encoding="utf-8").read()


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("src")
    parser.add_argument("--widget-free", nargs="+", required=True, metavar="LAYER")
    parser.add_argument("--qt-include", nargs="+", required=True, metavar="FOLDER")
    args = parser.parse_args()

    forbidden = gui_headers(args.qt_include)
    problems = []
    checked = 0
    for layer in sorted(os.listdir(args.src)):
        folder = os.path.join(args.src, layer)
        if not os.path.isdir(folder):
            continue
        for name, text in sources(folder):
            checked += 1
            for header in INCLUDE.findall(text):
                where = f"{layer}/{name}: #include {header}"
                if ".." in header.split("/"):
                    problems.append(f'{where}: includes name the layer folder, without ".."')
                elif layer in args.widget_free and header in forbidden:
                    problems.append(f"{where}: {layer}/ must stay free of Qt Gui and Qt Widgets")
    for layer in args.widget_free:
        if not os.path.isdir(os.path.join(args.src, layer)):
            problems.append(f"{layer}/: a widget-free layer without a folder")
    for p in problems:
        print(p)
    if problems:
        return 1
    print(f"layers: {checked} files, no climbing include, "
          f"no Qt Gui or Widgets header in {', '.join(args.widget_free)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
