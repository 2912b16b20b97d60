#!/usr/bin/python3
"""Makes the picture corpus: small files of odd sizes (13×9, so that blocks
are partial) of every kind the decoder reads, and damaged, cut and foreign
ones it refuses; writes corpus/, the grey picture expected of each readable
file in expected/ (as reference.py works it out, with Pillow), and
manifest.json, which says of each file what must come of it.

Tools, all from Debian: python3-pil (Pillow) for most files, python3-png
(pypng) for 16-bit colour and interlaced PNGs, cjpeg from
libjpeg-turbo-progs for the arithmetic-coded, RGB and restart-marker JPEGs.
Run it with /usr/bin/python3 from anywhere; it replaces what it made before."""

import io
import json
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import zlib

import png
from PIL import Image, ImageCms, PngImagePlugin

sys.dont_write_bytecode = True  # no cache files beside the sources
import reference  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
CORPUS = os.path.join(HERE, "corpus")
EXPECTED = os.path.join(HERE, "expected")
W, H = 13, 9

manifest = []


def colour(x, y):
    """A smooth ramp with an edge through it: what photographs have."""
    edge = 90 if x + 2 * y > 14 else 0
    return ((x * 17 + y * 5 + edge) % 256, (y * 26 + x * 3) % 256, (200 - x * 9 - edge) % 256)


def rgb_image():
    image = Image.new("RGB", (W, H))
    image.putdata([colour(x, y) for y in range(H) for x in range(W)])
    return image


def save(name, data):
    with open(os.path.join(CORPUS, name), "wb") as f:
        f.write(data)


def encoded(image, fmt, **options):
    out = io.BytesIO()
    image.save(out, fmt, **options)
    return out.getvalue()


def readable(name, data, tolerance, note):
    """A file the decoder reads: its grey picture is Pillow's within
    `tolerance` levels (0 for the lossless formats, 1 for JPEG)."""
    save(name, data)
    width, height, levels = reference.reference_grey(os.path.join(CORPUS, name))
    reference.write_pgm(os.path.join(EXPECTED, name + ".pgm"), width, height, levels)
    manifest.append({"file": name, "expect": "read", "width": width, "height": height,
                     "tolerance": tolerance, "expected": "expected/" + name + ".pgm",
                     "what": note})


def refused(name, data, kind, fmt, note, **extra):
    """A file the decoder refuses, and the kind of refusal."""
    save(name, data)
    entry = {"file": name, "expect": "refused", "kind": kind, "format": fmt, "what": note}
    entry.update(extra)
    manifest.append(entry)


def chunk(name, data):
    body = name + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def png_file(ihdr, rows, before=b"", raw=None):
    data = raw if raw is not None else b"".join(b"\0" + bytes(r) for r in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + before +
            chunk(b"IDAT", zlib.compress(data, 9)) + chunk(b"IEND", b""))


def ihdr(width, height, depth, colour_type, interlace=0):
    return struct.pack(">IIBBBBB", width, height, depth, colour_type, 0, 0, interlace)


def exif_bytes(orientation):
    exif = Image.Exif()
    exif[0x0112] = orientation
    return exif.tobytes()


def adobe_rgb_profile():
    """An ICC v2 RGB profile with Adobe RGB (1998)'s primaries (adapted to
    D50) and gamma 563/256, as the real one has them."""
    def s15(v):
        return struct.pack(">i", round(v * 65536))

    def xyz(x, y, z):
        return b"XYZ \0\0\0\0" + s15(x) + s15(y) + s15(z)

    text = b"Adobe RGB (1998)"
    desc = (b"desc\0\0\0\0" + struct.pack(">I", len(text) + 1) + text + b"\0" +
            b"\0" * 8 + b"\0" * 3 + b"\0" * 67)
    curve = b"curv\0\0\0\0" + struct.pack(">IH", 1, 0x0233) + b"\0\0"
    tags = [(b"desc", desc), (b"cprt", b"text\0\0\0\0No copyright, test profile\0"),
            (b"wtpt", xyz(0.9642, 1.0, 0.82491)), (b"rXYZ", xyz(0.60974, 0.31111, 0.01947)),
            (b"gXYZ", xyz(0.20528, 0.62567, 0.06087)), (b"bXYZ", xyz(0.14919, 0.06322, 0.74457)),
            (b"rTRC", curve), (b"gTRC", curve), (b"bTRC", curve)]
    offset = 128 + 4 + 12 * len(tags)
    table, data = b"", b""
    for name, body in tags:
        body += b"\0" * (-len(body) % 4)
        table += name + struct.pack(">II", offset + len(data), len(body))
        data += body
    size = offset + len(data)
    header = (struct.pack(">I", size) + b"none" + bytes([2, 0x10, 0, 0]) + b"mntrRGB XYZ " +
              struct.pack(">6H", 2000, 1, 1, 0, 0, 0) + b"acsp" + b"\0" * 24 +
              struct.pack(">I", 0) + s15(0.9642) + s15(1.0) + s15(0.82491) + b"\0" * 48)
    assert len(header) == 128
    return header + struct.pack(">I", len(tags)) + table + data


def cjpeg(image, *options):
    with tempfile.TemporaryDirectory() as scratch:
        source = os.path.join(scratch, "in.ppm")
        image.save(source)
        return subprocess.run(["cjpeg", *options, source], check=True,
                              capture_output=True).stdout


def strip_segment(data, marker):
    """The JPEG without its segments of one marker."""
    out, at = bytearray(data[:2]), 2
    while at < len(data):
        m = data[at + 1]
        if m == 0xDA:
            out += data[at:]
            break
        length = struct.unpack(">H", data[at + 2:at + 4])[0]
        if m != marker:
            out += data[at:at + 2 + length]
        at += 2 + length
    return bytes(out)


def make_readable():
    image = rgb_image()
    grey = image.convert("L")
    rgba = image.copy()
    rgba.putalpha(Image.linear_gradient("L").resize((W, H)))

    readable("png-rgb-13x9.png", encoded(image, "PNG"), 0, "RGB, 8 bits")
    readable("png-grey-13x9.png", encoded(grey, "PNG"), 0, "grey, 8 bits")
    readable("png-grey-alpha-13x9.png", encoded(rgba.convert("LA"), "PNG"), 0, "grey and alpha")
    readable("png-rgba-13x9.png", encoded(rgba, "PNG"), 0, "RGB and alpha from 0 to 255")
    clear = image.copy()
    clear.putalpha(0)
    readable("png-fully-transparent-13x9.png", encoded(clear, "PNG"), 0,
             "every pixel transparent: white")
    readable("png-1bit-13x9.png", encoded(grey.point(lambda v: 255 * (v > 100)).convert("1"),
                                          "PNG"), 0, "grey, 1 bit")
    palette = image.quantize(5)
    readable("png-palette-13x9.png", encoded(palette, "PNG"), 0, "a palette of 5 colours")
    readable("png-palette-trns-13x9.png",
             encoded(palette, "PNG", transparency=bytes([0, 128, 255, 60])), 0,
             "a palette with alphas (tRNS)")
    readable("png-grey-trns-13x9.png", encoded(grey, "PNG", transparency=grey.getpixel((3, 3))),
             0, "grey with one transparent level (tRNS)")
    readable("png-grey16-13x9.png",
             encoded(Image.frombytes("I;16", (W, H), b"".join(
                 struct.pack("<H", (x * 5003 + y * 7001 + 129) % 65536)
                 for y in range(H) for x in range(W))), "PNG"), 0,
             "grey, 16 bits: rounded, not cut to the high byte")
    for name, planes, mode in (("png-rgb16-13x9.png", 3, "RGB"),
                               ("png-rgba16-13x9.png", 4, "RGBA")):
        rows = [[(x * 4099 + y * 911 + p * 12345 + 129) % 65536 for x in range(W)
                 for p in range(planes)] for y in range(H)]
        out = io.BytesIO()
        png.Writer(W, H, greyscale=False, alpha=planes == 4, bitdepth=16).write(out, rows)
        readable(name, out.getvalue(), 0, mode + ", 16 bits, read with pypng")
    out = io.BytesIO()
    png.Writer(W, H, greyscale=False, interlace=True).write(
        out, [[v for x in range(W) for v in colour(x, y)] for y in range(H)])
    readable("png-interlaced-13x9.png", out.getvalue(), 0, "RGB, Adam7 interlacing")
    for name, value in (("png-gamma-0.6-13x9.png", 60000), ("png-gamma-1.0-13x9.png", 100000)):
        info = PngImagePlugin.PngInfo()
        info.add(b"gAMA", struct.pack(">I", value))
        readable(name, encoded(image, "PNG", pnginfo=info), 0,
                 "gAMA %g: the stored values, no gamma applied" % (value / 100000))
    info = PngImagePlugin.PngInfo()
    info.add(b"cHRM", struct.pack(">8I", 31270, 32900, 64000, 33000, 30000, 60000, 15000, 6000))
    readable("png-chrm-13x9.png", encoded(image, "PNG", pnginfo=info), 0,
             "cHRM: the stored values, no colour conversion")
    readable("png-exif-orientation-6-13x9.png", encoded(image, "PNG", exif=exif_bytes(6)), 0,
             "eXIf orientation 6: a quarter turn clockwise")
    wide = Image.new("L", (1100, 7))
    wide.putdata([(x * 7 + y * 31) % 256 for y in range(7) for x in range(1100)])
    readable("png-1100x7-exif-orientation-8.png", encoded(wide, "PNG", exif=exif_bytes(8)), 0,
             "turned upright to 7×1100, then reduced by 3 to 3×367")
    readable("png-after-iend-13x9.png", encoded(image, "PNG") + b"trailing bytes", 0,
             "bytes after IEND are ignored")

    readable("jpeg-baseline-13x9.jpg", encoded(image, "JPEG", quality=90), 1,
             "baseline, 4:2:0")
    readable("jpeg-444-13x9.jpg", encoded(image, "JPEG", quality=90, subsampling=0), 1,
             "baseline, 4:4:4")
    readable("jpeg-422-13x9.jpg", encoded(image, "JPEG", quality=90, subsampling=1), 1,
             "baseline, 4:2:2")
    readable("jpeg-progressive-13x9.jpg", encoded(image, "JPEG", quality=90, progressive=True),
             1, "progressive")
    readable("jpeg-grey-13x9.jpg", encoded(grey, "JPEG", quality=90), 1, "one component")
    # littleCMS dates the profile it makes: a fixed date (and no profile ID,
    # which hashes it) keep the file the same from one run to the next.
    srgb = bytearray(ImageCms.ImageCmsProfile(ImageCms.createProfile("sRGB")).tobytes())
    srgb[24:36] = struct.pack(">6H", 2000, 1, 1, 0, 0, 0)
    srgb[84:100] = bytes(16)
    srgb = bytes(srgb)
    readable("jpeg-icc-srgb-13x9.jpg", encoded(image, "JPEG", quality=90, icc_profile=srgb), 1,
             "an sRGB ICC profile, not applied")
    readable("jpeg-adobe-rgb-13x9.jpg",
             encoded(image, "JPEG", quality=90, icc_profile=adobe_rgb_profile()), 1,
             "an Adobe RGB (1998) ICC profile, not applied")
    cmyk = Image.merge("CMYK", [image.getchannel(0), image.getchannel(1), image.getchannel(2),
                                 grey.point(lambda v: v // 3)])
    readable("jpeg-cmyk-13x9.jpg", encoded(cmyk, "JPEG", quality=90), 1,
             "CMYK with Adobe's marker (stored inverted)")
    readable("jpeg-rgb-13x9.jpg", cjpeg(image, "-rgb", "-quality", "90"), 1,
             "RGB components (ids R, G, B; Adobe's transform 0)")
    readable("jpeg-restart-13x9.jpg", cjpeg(image, "-restart", "1B", "-quality", "90"), 1,
             "a restart marker after every MCU")
    readable("jpeg-after-eoi-13x9.jpg", encoded(image, "JPEG", quality=90) + b"\0\0junk", 1,
             "bytes after EOI are ignored")
    for n in range(1, 9):
        readable("jpeg-exif-orientation-%d-13x9.jpg" % n,
                 encoded(image, "JPEG", quality=90, exif=exif_bytes(n)), 1,
                 "EXIF orientation %d" % n)


def make_refused():
    image = rgb_image()
    good_png = encoded(image, "PNG")
    good_jpeg = encoded(image, "JPEG", quality=90)

    refused("png-cut-13x9.png", good_png[:len(good_png) // 2], "truncated", "png",
            "cut in half")
    refused("png-no-iend-13x9.png", good_png[:-12], "truncated", "png", "without IEND")
    damaged = bytearray(good_png)
    damaged[60] ^= 0x20
    refused("png-crc-13x9.png", bytes(damaged), "damaged", "png",
            "a byte of IDAT changed: its CRC-32 fails")
    refused("png-index-beyond-palette-4x1.png",
            png_file(ihdr(4, 1, 2, 3), [[0b00011011]],
                     chunk(b"PLTE", bytes([0, 0, 0, 90, 90, 90, 255, 255, 255]))),
            "damaged", "png", "index 3 of a palette of 3 entries")
    refused("png-too-large-10000x10000.png",
            b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr(10000, 10000, 8, 2)), "too-large", "png",
            "a header claiming 10000×10000 pixels", size=[10000, 10000])

    refused("jpeg-cut-13x9.jpg", good_jpeg[:len(good_jpeg) // 2], "truncated", "jpeg",
            "cut in half")
    refused("jpeg-no-eoi-13x9.jpg", good_jpeg[:-2], "truncated", "jpeg", "without EOI")
    at = good_jpeg.index(b"\xff\xc4")
    refused("jpeg-bad-marker-13x9.jpg", good_jpeg[:at + 1] + b"\x02" + good_jpeg[at + 2:],
            "damaged", "jpeg", "a Huffman table's marker made a reserved one")
    refused("jpeg-arithmetic-13x9.jpg", cjpeg(image, "-arithmetic"), "unsupported", "jpeg",
            "arithmetic coding", variant="arithmetic")
    cmyk = Image.merge("CMYK", image.split() + (image.convert("L"),))
    refused("jpeg-cmyk-without-adobe-13x9.jpg",
            strip_segment(encoded(cmyk, "JPEG", quality=90), 0xEE), "unsupported", "jpeg",
            "four components and no Adobe marker", variant="unclear-colours")
    sof = good_jpeg.index(b"\xff\xc0")
    refused("jpeg-too-large-9248x7300.jpg",
            good_jpeg[:sof + 5] + struct.pack(">HH", 7300, 9248) + good_jpeg[sof + 9:],
            "too-large", "jpeg", "a frame claiming 9248×7300 pixels", size=[9248, 7300])

    refused("webp-13x9.webp", encoded(image, "WEBP", lossless=True), "unsupported", "webp",
            "WebP, recognised and not read")
    refused("heic-like.heic", struct.pack(">I", 24) + b"ftypheic\0\0\0\0mif1heic",
            "unsupported", "heic", "the start of a HEIC file")
    refused("avif-like.avif", struct.pack(">I", 24) + b"ftypavif\0\0\0\0mif1avif",
            "unsupported", "avif", "the start of an AVIF file")
    refused("gif-13x9.gif", encoded(image.quantize(8), "GIF"), "unsupported", "gif", "GIF")
    refused("bmp-13x9.bmp", encoded(image, "BMP"), "unsupported", "bmp", "BMP")
    refused("tiff-13x9.tif", encoded(image, "TIFF"), "unsupported", "tiff", "TIFF")
    refused("not-a-picture.txt", b"1 2 3\n", "not-a-picture", "unknown", "a table of numbers")
    refused("empty.png", b"", "empty", "unknown", "no bytes at all")


def main():
    for folder in (CORPUS, EXPECTED):
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(folder)
    make_readable()
    make_refused()
    with open(os.path.join(HERE, "manifest.json"), "w") as f:
        json.dump({"about": "What must come of each file in corpus/: read, as its grey picture "
                            "in expected/ within `tolerance` levels, or refused, by `kind`.",
                   "files": manifest}, f, indent=1, ensure_ascii=False)
        f.write("\n")


if __name__ == "__main__":
    main()
