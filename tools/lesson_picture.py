#!/usr/bin/python3
"""Makes data/lesson/camera-256.pgm, the lesson's built-in picture, from the
512x512 grey photograph camera.png that scikit-image ships in skimage/data/
(Debian: python3-skimage; the photograph is CC0, see docs/pictures.md).

Each pixel of the result is the mean of a 2x2 square of the original, rounded
half up: (a + b + c + d + 2) // 4. Written as a binary PGM (P5, maxval 255),
which the build embeds as it is.

    apt-get download python3-skimage && dpkg-deb -x python3-skimage_*.deb x
    tools/lesson_picture.py x/usr/lib/python3/dist-packages/skimage/data/camera.png \
        data/lesson/camera-256.pgm

Needs Python 3 and Pillow (Debian: python3-pil) to read the PNG."""
import sys

from PIL import Image

SIDE = 512


def reduce_half(pixels, side):
    """The mean of each 2x2 square, rounded half up, row by row."""
    out = bytearray()
    for y in range(0, side, 2):
        for x in range(0, side, 2):
            total = (pixels[y * side + x] + pixels[y * side + x + 1] +
                     pixels[(y + 1) * side + x] + pixels[(y + 1) * side + x + 1])
            out.append((total + 2) // 4)
    return out


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: lesson_picture.py camera.png OUTPUT.pgm")
    image = Image.open(sys.argv[1])
    if image.mode != "L" or image.size != (SIDE, SIDE):
        sys.exit(f"{sys.argv[1]}: expected a {SIDE}x{SIDE} grey image, "
                 f"found {image.size[0]}x{image.size[1]} {image.mode}")
    half = SIDE // 2
    levels = reduce_half(image.tobytes(), SIDE)
    with open(sys.argv[2], "wb") as out:
        out.write(b"P5\n%d %d\n255\n" % (half, half))
        out.write(levels)


if __name__ == "__main__":
    main()
