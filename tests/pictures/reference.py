"""The grey picture that the program must make of a picture file, worked out
without the program: the samples stored in the file as Pillow reads them
(pypng's for 16-bit colour PNGs, which Pillow cuts to their high byte), turned
upright by the EXIF orientation as Pillow's ImageOps.exif_transpose turns
them, then the program's own rules restated: JPEG's grey weights in whole
numbers, 16-bit samples to the nearest level, transparency over white, and
the reduction to at most 512 a side. The rules are shared by design; what is
checked is that the program decodes as Pillow does.

Needs Debian's python3-pil and python3-png (run with /usr/bin/python3)."""


import png
from PIL import Image, ImageOps

LESSON_SIDE_MAX = 512


def grey_level(red, green, blue):
    return (299 * red + 587 * green + 114 * blue + 500) // 1000


def over_white(level, alpha):
    return (level * alpha + 255 * (255 - alpha) + 127) // 255


def eight_bits(sample):
    return (sample * 255 + 32767) // 65535


def reduced_to_fit(width, height, levels, max_side=LESSON_SIDE_MAX):
    longest = max(width, height)
    if longest <= max_side:
        return width, height, bytes(levels)
    k = (longest + max_side - 1) // max_side
    out_w, out_h = (width + k - 1) // k, (height + k - 1) // k
    out = bytearray()
    for y in range(out_h):
        for x in range(out_w):
            total = count = 0
            for sy in range(y * k, min(height, (y + 1) * k)):
                row = sy * width
                for sx in range(x * k, min(width, (x + 1) * k)):
                    total += levels[row + sx]
                    count += 1
            out.append((2 * total + count) // (2 * count))
    return out_w, out_h, bytes(out)


def png_depth_and_colour(path):
    with open(path, "rb") as f:
        head = f.read(26)
    if head[:8] != b"\x89PNG\r\n\x1a\n":
        return None
    return head[24], head[25]


def _sixteen_bit_colour(path):
    reader = png.Reader(filename=path)
    width, height, rows, info = reader.asDirect()
    assert info["bitdepth"] == 16
    planes = info["planes"]
    grey = info["greyscale"]
    alpha = info["alpha"]
    levels = []
    for row in rows:
        for x in range(width):
            p = [eight_bits(v) for v in row[x * planes:(x + 1) * planes]]
            r, g, b = (p[0], p[0], p[0]) if grey else (p[0], p[1], p[2])
            a = p[-1] if alpha else 255
            levels.append(over_white(grey_level(r, g, b), a))
    return width, height, levels


def _with_pillow(path):
    image = Image.open(path)
    image.load()
    image = ImageOps.exif_transpose(image)
    width, height = image.size
    if image.mode in ("I", "I;16", "I;16B") and "transparency" not in image.info:
        levels = [eight_bits(v) for v in image.getdata()]
    elif image.mode in ("L", "1") and "transparency" not in image.info:
        levels = list(image.convert("L").getdata())
    else:
        levels = [over_white(grey_level(r, g, b), a)
                  for r, g, b, a in image.convert("RGBA").getdata()]
    return width, height, levels


def reference_grey(path):
    """(width, height, levels) of the upright, grey, reduced picture."""
    kind = png_depth_and_colour(path)
    if kind is not None and kind[0] == 16 and kind[1] != 0:
        with Image.open(path) as image:
            assert image.getexif().get(0x0112) is None, "no orientation for pypng's files"
        width, height, levels = _sixteen_bit_colour(path)
    else:
        width, height, levels = _with_pillow(path)
    return reduced_to_fit(width, height, levels)


def write_pgm(path, width, height, levels):
    with open(path, "wb") as f:
        f.write(b"P5\n%d %d\n255\n" % (width, height) + bytes(levels))


def parse_pgm(data):
    """(width, height, levels) of a binary PGM as the program prints it."""
    parts = data.split(b"\n", 3)
    assert parts[0] == b"P5" and parts[2] == b"255", data[:20]
    width, height = (int(v) for v in parts[1].split())
    levels = parts[3]
    assert len(levels) == width * height
    return width, height, levels
