#!/usr/bin/python3
"""Checks the program's picture decoder on the corpus, file by file, as
manifest.json says: a readable file gives the grey picture that Pillow's
decoding gives (reference.py, worked out anew and equal to the one kept in
expected/), exactly for PNG and within a level for JPEG; a refused file is
refused by the decoder for the reason listed, and by dct-block --image in
one line on standard error that names the file and the reason, with status
2 and nothing on standard output.

Usage: check_corpus.py PICTURE_GREY DCT_BLOCK"""

import json
import os
import shutil
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True  # no cache files beside the sources
import reference  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))

# How dct-block words each kind of refusal, after "'--image FILE': ".
WORDING = {
    "empty": "is empty",
    "not-a-picture": "is not a picture that can be read",
    "unsupported": "which is not read",
    "truncated": "file cut short",
    "damaged": "is a damaged ",
    "too-large": "pixels, more than the 67108864 that are read",
}


def run(command):
    return subprocess.run(command, capture_output=True)


def check_read(entry, path, decoder):
    width, height, levels = reference.reference_grey(path)
    with open(os.path.join(HERE, entry["expected"]), "rb") as f:
        kept = reference.parse_pgm(f.read())
    if kept != (width, height, levels):
        return "expected/ no longer holds what Pillow gives: remake the corpus"
    if (width, height) != (entry["width"], entry["height"]):
        return "the manifest's size is not Pillow's"
    result = run([decoder, path])
    if result.returncode != 0:
        return "refused: " + result.stdout.decode(errors="replace").strip()
    got_w, got_h, got = reference.parse_pgm(result.stdout)
    if (got_w, got_h) != (width, height):
        return "read as %d×%d, Pillow %d×%d" % (got_w, got_h, width, height)
    worst = max(abs(a - b) for a, b in zip(got, levels))
    if worst > entry["tolerance"]:
        return "a level %d away from Pillow's (at most %d)" % (worst, entry["tolerance"])
    return None


def check_refused(entry, path, decoder, dct_block, shown_name=None):
    result = run([decoder, path])
    words = result.stdout.decode().split()
    if result.returncode != 1 or words[:3] != ["refused", entry["kind"], entry["format"]]:
        return "decoder said: %r" % result.stdout
    if words[3] != entry.get("variant", "none"):
        return "decoder gave the variant " + words[3]
    if "size" in entry and words[4] != "%dx%d" % tuple(entry["size"]):
        return "decoder gave the size " + words[4]
    tool = run([dct_block, "--image", path, "--block", "0,0"])
    err = tool.stderr.decode()
    head = "dct-block: '--image %s': " % (shown_name or path)
    if tool.returncode != 2 or tool.stdout or err.count("\n") != 1 or not err.endswith("\n"):
        return "dct-block: status %d, printed %r, said %r" % (tool.returncode, tool.stdout, err)
    if not err.startswith(head) or WORDING[entry["kind"]] not in err:
        return "dct-block said: " + err.strip()
    if "size" in entry and "%d×%d" % tuple(entry["size"]) not in err:
        return "dct-block does not give the size: " + err.strip()
    return None


def main():
    decoder, dct_block = sys.argv[1:3]
    with open(os.path.join(HERE, "manifest.json"), encoding="utf-8") as f:
        entries = json.load(f)["files"]
    failures = []
    for entry in entries:
        path = os.path.join(HERE, "corpus", entry["file"])
        if entry["expect"] == "read":
            fault = check_read(entry, path, decoder)
        else:
            fault = check_refused(entry, path, decoder, dct_block)
        if fault:
            failures.append("%s (%s): %s" % (entry["file"], entry["what"], fault))
    # A name that is no UTF-8 text is escaped in dct-block's line.
    refused = next(e for e in entries if e["expect"] == "refused" and e["kind"] == "truncated")
    with tempfile.TemporaryDirectory() as scratch:
        odd = os.path.join(scratch.encode(), b"caf\xe9.png")
        shutil.copy(os.path.join(HERE, "corpus", refused["file"]), odd)
        fault = check_refused(refused, odd, decoder, dct_block,
                              shown_name=scratch + "/caf\\xE9.png")
        if fault:
            failures.append("a name in Latin-1: " + fault)
    for failure in failures:
        print(failure)
    print("%d files, %d failures" % (len(entries), len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
