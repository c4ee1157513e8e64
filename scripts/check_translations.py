#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Checks that a translation is complete for the sources as they are now.

    check_translations.py LUPDATE TS-FILE SOURCE-FOLDER [LUPDATE-OPTION...]

lupdate reads the sources into a copy of the .ts file (the file itself is
left alone), and the copy must then hold no text that is unfinished (a new
text of the sources, or one whose wording changed), none that vanished from
the sources, and no empty translation. Each translation must also keep the
numbered arguments of its source (%1, %2, %n), so that no value is lost or
shown twice, and must have no Japanese character left. Prints every fault
and exits with 1 when there is one; `cmake --build ... --target
update_translations` brings the .ts file up to date.
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

JAPANESE = re.compile("[\u3000-\u303f\u3040-\u30ff\u4e00-\u9fff\uff00-\uffef]")
ARGUMENT = re.compile(r"%(?:L?n|[1-9])")


def arguments(text):
    return sorted(set(ARGUMENT.findall(text.replace("%L", "%"))))


def faults(ts_path):
    found = []
    for context in ET.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            where = f"{name}: {source!r}"
            kind = translation.get("type") if translation is not None else "missing"
            if kind in ("unfinished", "vanished", "obsolete", "missing"):
                found.append(f"{where} is {kind}")
                continue
            forms = [f.text or "" for f in translation.iter("numerusform")]
            if message.get("numerus") != "yes":
                forms = [translation.text or ""]
            for form in forms:
                if not form.strip():
                    found.append(f"{where} has an empty translation")
                elif JAPANESE.search(form):
                    found.append(f"{where} keeps Japanese in {form!r}")
                elif arguments(form) != arguments(source):
                    found.append(f"{where} has the arguments {arguments(form)} in {form!r}, "
                                 f"not {arguments(source)}")
    return found


def main(argv):
    if len(argv) < 4:
        print(__doc__, file=sys.stderr)
        return 2
    lupdate, ts, sources, options = argv[1], Path(argv[2]), argv[3], argv[4:]
    with tempfile.TemporaryDirectory() as work:
        copy = Path(work) / ts.name
        shutil.copyfile(ts, copy)
        run = subprocess.run([lupdate, "-silent", *options, sources, "-ts", str(copy)],
                             capture_output=True, text=True)
        if run.returncode != 0:
            print(run.stdout + run.stderr, file=sys.stderr)
            return 1
        found = faults(copy)
    for fault in found:
        print(fault)
    if found:
        print(f"{len(found)} faults in {ts}; build the target update_translations and translate "
              "what is new", file=sys.stderr)
        return 1
    print(f"{ts.name}: every text translated")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
