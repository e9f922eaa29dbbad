#!/usr/bin/env python3
"""Writes the bad-input corpus: files that a designer might drop on Pixmora by
mistake, or that stretch its decoders. Usage: make_corpus.py FOLDER

Every case is made here from nothing (Python's standard library and
ImageMagick's convert); nothing is downloaded. The file cases.txt lists each
case as: name<TAB>relative path<TAB>expectation, where the expectation is
"picture" (the case decodes and must compose), "undecodable" (it must be
refused cleanly, naming the picture) or "unencodable" (it decodes, but no
encoder writes its format, so it cannot be the picture whose format the
output takes)."""
import os
import random
import shutil
import struct
import subprocess
import sys
import zlib


def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def png(width, height, bit_depth, colour_type, rows, palette=None):
    data = b"\x89PNG\r\n\x1a\n"
    data += png_chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, bit_depth, colour_type, 0, 0, 0))
    if palette:
        data += png_chunk(b"PLTE", b"".join(bytes(c) for c in palette))
    raw = b"".join(b"\x00" + row for row in rows)
    data += png_chunk(b"IDAT", zlib.compress(raw))
    return data + png_chunk(b"IEND", b"")


def convert(*args):
    subprocess.run(["convert", *args], check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def main():
    out = os.path.abspath(sys.argv[1])
    # Made afresh every time: a test that failed may have left the folder changed.
    shutil.rmtree(out, ignore_errors=True)
    os.makedirs(out)
    rng = random.Random(20261211)
    cases = []

    def write(name, path, data, expectation):
        full = os.path.join(out, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, "wb") as f:
            f.write(data)
        cases.append((name, path, expectation))

    def made(name, path, expectation, *convert_args):
        full = os.path.join(out, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        convert(*convert_args, full)
        cases.append((name, path, expectation))

    # A good JPEG and PNG to cut short.
    made("good-jpeg", "good.jpg", "picture", "-size", "96x64", "plasma:fractal", "-seed", "3")
    with open(os.path.join(out, "good.jpg"), "rb") as f:
        good_jpeg = f.read()
    rgb_rows = [bytes(rng.randrange(256) for _ in range(64 * 3)) for _ in range(48)]
    good_png = png(64, 48, 8, 2, rgb_rows)

    write("zero-bytes", "empty.jpg", b"", "undecodable")
    write("truncated-jpeg", "truncated.jpg", good_jpeg[: len(good_jpeg) // 3], "undecodable")
    write("truncated-png", "truncated.png", good_png[: len(good_png) // 2], "undecodable")
    write("random-bytes", "random.png", bytes(rng.randrange(256) for _ in range(4096)), "undecodable")
    write("text-as-jpeg", "notes.jpg", "这不是图片。 This is not a picture.\n".encode("utf-8") * 20, "undecodable")
    # A header that declares 100000 x 100000 pixels over a few bytes of data.
    huge = b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", struct.pack(">IIBBBBB", 100000, 100000, 8, 2, 0, 0, 0))
    huge += png_chunk(b"IDAT", zlib.compress(b"\x00" * 301)) + png_chunk(b"IEND", b"")
    write("huge-header-png", "huge.png", huge, "undecodable")
    made("animated-gif", "animated.gif", "picture",
         "-delay", "20", "-size", "40x30", "xc:red", "xc:green", "xc:blue", "-loop", "0")
    made("multipage-tiff", "pages.tiff", "picture", "-size", "50x40", "xc:orange", "xc:purple")
    made("cmyk-jpeg", "cmyk.jpg", "picture", "-size", "80x60", "gradient:cyan-yellow", "-colorspace", "CMYK")
    write("png-16-bit", "deep.png",
          png(32, 24, 16, 2, [bytes(rng.randrange(256) for _ in range(32 * 6)) for _ in range(24)]), "picture")
    write("png-grayscale", "gray.png", png(40, 20, 8, 0, [bytes(range(40)) for _ in range(20)]), "picture")
    write("png-paletted", "palette.png",
          png(30, 30, 8, 3, [bytes(y % 4 for _ in range(30)) for y in range(30)],
              palette=[(255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 255)]), "picture")
    made("jpeg-exif-orientation", "rotated.jpg", "picture",
         "-size", "60x30", "gradient:white-black", "-orient", "RightTop")
    made("icon", "app.ico", "unencodable", "-size", "32x32", "xc:teal")
    os.makedirs(os.path.join(out, "folder.png"), exist_ok=True)
    cases.append(("directory", "folder.png", "undecodable"))
    made("spaces-and-chinese", os.path.join("照片 文件夹", "我的 图片 (1).png"), "picture",
         "-size", "50x50", "gradient:red-blue")
    deep = os.path.join(*(["很长的目录名称_" + "x" * 40] * 6))
    made("path-over-260", os.path.join(deep, "长路径图片.png"), "picture", "-size", "20x20", "xc:white")

    with open(os.path.join(out, "cases.txt"), "w", encoding="utf-8") as f:
        for name, path, expectation in cases:
            f.write(f"{name}\t{path}\t{expectation}\n")


if __name__ == "__main__":
    main()
