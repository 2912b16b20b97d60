#!/usr/bin/env python3
"""Runs the dct-block examples that Markdown files show and compares what they print.

An example is an indented line "$ build/bin/dct-block ..." followed, in the same indented
block, by the lines it prints; a shown line "..." stands for one or more lines left out.
Each command runs in bash, in a fresh folder where build/bin/dct-block is the program given.
Each file given must show at least one example.

    doc_examples.py PROGRAM FILE.md...
"""
import os
import re
import subprocess
import sys
import tempfile

INDENT = "    "
PROMPT = INDENT + "$ "
PROGRAM = "build/bin/dct-block"


def examples(text):
    """The (command, shown lines) of each example, in order."""
    lines = text.splitlines()
    found = []
    for i, line in enumerate(lines):
        if line.startswith(PROMPT + PROGRAM):
            shown = []
            for following in lines[i + 1:]:
                if not following.startswith(INDENT) or following.startswith(PROMPT):
                    break
                shown.append(following[len(INDENT):])
            found.append((line[len(PROMPT):], shown))
    return found


def matches(shown, printed):
    pattern = "".join("(?:.*\n)+?" if line.strip() == "..." else re.escape(line) + "\n"
                      for line in shown)
    return re.fullmatch(pattern, printed) is not None


def check(path, program):
    """The number of examples in the file at path that do not print as shown."""
    with open(path, encoding="utf-8") as document:
        found = examples(document.read())
    if not found:
        print(f"{path} shows no example of {PROGRAM}")
        return 1
    failures = 0
    with tempfile.TemporaryDirectory() as folder:
        os.makedirs(os.path.join(folder, os.path.dirname(PROGRAM)))
        os.symlink(os.path.abspath(program), os.path.join(folder, PROGRAM))
        for command, shown in found:
            run = subprocess.run(["bash", "-o", "pipefail", "-c", command], cwd=folder,
                                 capture_output=True, text=True, check=False)
            if run.returncode == 0 and not run.stderr and matches(shown, run.stdout):
                print(f"as shown: {command}")
                continue
            failures += 1
            print(f"NOT as shown: {command}\n--- {path} shows:\n" + "\n".join(shown) +
                  f"\n--- it printed (status {run.returncode}):\n{run.stdout}{run.stderr}")
    return failures


def main(program, *paths):
    return 1 if sum(check(path, program) for path in paths) else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
