#!/usr/bin/env python3
"""Every translation is complete: lupdate run over today's sources into a copy of each .ts file finds no text
that is new, unfinished, empty or no longer used, and every translation keeps its source's placeholders (%1, %n)
and at most one keyboard accelerator (&)."""
import argparse
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(?:n|L?[1-9])")


def accelerators(text):
    return len(re.findall(r"&(?!&)(?=\S)", text.replace("&&", "")))


def problems(ts_path):
    found = []
    for context in ET.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            where = f"{ts_path.name}: {name}: {source!r}"
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "missing"
            if kind in ("unfinished", "vanished", "obsolete", "missing"):
                found.append(f"{where}: {kind}")
                continue
            forms = [f.text or "" for f in translation.iter("numerusform")] or [translation.text or ""]
            for text in forms:
                if not text.strip():
                    found.append(f"{where}: empty translation")
                elif set(PLACEHOLDER.findall(text)) != set(PLACEHOLDER.findall(source)):
                    found.append(f"{where}: placeholders differ in {text!r}")
                elif accelerators(source) != accelerators(text):
                    found.append(f"{where}: keyboard accelerators differ in {text!r}")
    return found


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lupdate", required=True)
    parser.add_argument("--sources", required=True, help="file listing the sources lupdate reads, one a line")
    parser.add_argument("--option", action="append", default=[], help="one lupdate option word")
    parser.add_argument("ts", nargs="+")
    args = parser.parse_args()

    failures = []
    with tempfile.TemporaryDirectory() as tmp:
        for ts in map(pathlib.Path, args.ts):
            copy = pathlib.Path(tmp) / ts.name
            shutil.copy(ts, copy)
            # Without -no-obsolete: a text the sources no longer have stays, marked vanished, and fails.
            options = [o for o in args.option if o != "-no-obsolete"]
            run = subprocess.run([args.lupdate, *options, "@" + args.sources, "-ts", str(copy)],
                                 capture_output=True, text=True)
            if run.returncode != 0:
                failures.append(f"{ts.name}: lupdate failed: {run.stderr.strip()}")
                continue
            failures += problems(copy)
    for f in failures:
        print(f)
    if failures:
        print(f"{len(failures)} translation problem(s); see docs/translating.md", file=sys.stderr)
        return 1
    print(f"{len(args.ts)} translation(s) complete")
    return 0


if __name__ == "__main__":
    sys.exit(main())
