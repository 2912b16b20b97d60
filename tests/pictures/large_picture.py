#!/usr/bin/python3
"""A photograph's size at test time: a 9248×6936 JPEG (64 megapixels, made
here with Pillow and numpy, never kept) that a phone took upright, EXIF
orientation 6. Its 8×8 blocks are flat greys, at quality 100, so that every
decoder must give its levels exactly. Checks that the decoder takes it whole
(the grey picture equal to numpy's: the levels turned a quarter clockwise,
then reduced by 19 to 366×487 as the lesson reduces), that dct-block gives
the same blocks of it as of that reference saved as a PNG, and that a header
claiming one pixel more than the limit gets dct-block's one-line refusal
with its size.

Usage: large_picture.py PICTURE_GREY DCT_BLOCK"""

import os
import struct
import subprocess
import sys
import tempfile
import zlib

import numpy as np
from PIL import Image

sys.dont_write_bytecode = True  # no cache files beside the sources
import reference  # noqa: E402

WIDTH, HEIGHT = 9248, 6936
PIXELS_MAX = 1 << 26


def flat_blocks():
    by, bx = np.mgrid[0:HEIGHT // 8, 0:WIDTH // 8]
    blocks = ((bx * 7 + by * 13 + (bx * by) % 17) % 256).astype(np.uint8)
    return np.kron(blocks, np.ones((8, 8), dtype=np.uint8))


def reduced(levels, max_side=512):
    """ReducedToFit's rule: means of k×k squares, half up, cut at the edges."""
    height, width = levels.shape
    k = -(-max(width, height) // max_side)
    out_h, out_w = -(-height // k), -(-width // k)
    padded = np.zeros((out_h * k, out_w * k), dtype=np.int64)
    padded[:height, :width] = levels
    sums = padded.reshape(out_h, k, out_w, k).sum(axis=(1, 3))
    rows = np.minimum(k, height - np.arange(out_h) * k)
    cols = np.minimum(k, width - np.arange(out_w) * k)
    counts = rows[:, None] * cols[None, :]
    return ((2 * sums + counts) // (2 * counts)).astype(np.uint8)


def chunk(name, data):
    return struct.pack(">I", len(data)) + name + data + struct.pack(">I", zlib.crc32(name + data))


def main():
    decoder, dct_block = sys.argv[1:3]
    failures = []
    with tempfile.TemporaryDirectory() as scratch:
        levels = flat_blocks()
        photo = os.path.join(scratch, "photo.jpg")
        exif = Image.Exif()
        exif[0x0112] = 6
        Image.fromarray(levels, "L").save(photo, quality=100, exif=exif.tobytes())
        with Image.open(photo) as decoded:
            assert np.array_equal(np.asarray(decoded), levels), "Pillow does not decode it exactly"

        upright = reduced(np.rot90(levels, k=-1))
        assert upright.shape == (487, 366)
        expected = os.path.join(scratch, "expected.png")
        Image.fromarray(upright, "L").save(expected)

        read = subprocess.run([decoder, photo], capture_output=True)
        if read.returncode != 0:
            failures.append("the decoder refused it: " + read.stdout.decode().strip())
        elif reference.parse_pgm(read.stdout) != (366, 487, upright.tobytes()):
            failures.append("the decoder's grey picture is not numpy's")

        # The corners, partial blocks at the right and bottom, and the middle.
        for block in ("0,0", "45,0", "0,60", "45,60", "22,30"):
            runs = [subprocess.run([dct_block, "--image", f, "--block", block, "--json"],
                                   capture_output=True) for f in (photo, expected)]
            if runs[0].returncode != 0 or runs[0].stdout != runs[1].stdout:
                failures.append("block %s: %r, the reference %r" % (
                    block, runs[0].stdout + runs[0].stderr, runs[1].stdout))

        # One pixel over the limit, from the header alone.
        side = 8193
        assert side * side > PIXELS_MAX >= (side - 1) ** 2
        huge = os.path.join(scratch, "huge.png")
        with open(huge, "wb") as f:
            f.write(b"\x89PNG\r\n\x1a\n" +
                    chunk(b"IHDR", struct.pack(">IIBBBBB", side, side, 8, 0, 0, 0, 0)))
        tool = subprocess.run([dct_block, "--image", huge, "--block", "0,0"], capture_output=True)
        line = "dct-block: '--image %s': is 8193×8193 pixels, more than the %d that are read\n" % (
            huge, PIXELS_MAX)
        if tool.returncode != 2 or tool.stdout or tool.stderr.decode() != line:
            failures.append("too large: status %d, said %r" % (tool.returncode, tool.stderr))

    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
