#!/usr/bin/env python3
"""comctl32-as-windows.py <comctl32.dll>: makes Wine's side-by-side common controls look as Windows' do to a
program that reads their version: file version 6.10 in the version resource, and no mark of a Wine builtin
library, so that Wine loads the file as a native one (with WINEDLLOVERRIDES comctl32=n,b) and the version
read from the loaded image is the patched one. Changes the file in place; safe to run twice."""

import struct
import sys

SIGNATURE = struct.pack("<I", 0xFEEF04BD)
# dwFileVersionMS: major 6 in the high word, minor 10 in the low.
VERSION_6_10 = struct.pack("<I", 0x0006000A)
BUILTIN_MARK = b"Wine builtin DLL"
BUILTIN_MARK_OFFSET = 0x40


def main(path):
    with open(path, "rb") as file:
        image = bytearray(file.read())
    signature = image.find(SIGNATURE)
    if signature < 0 or image.find(SIGNATURE, signature + 1) >= 0:
        sys.exit(f"{path}: not exactly one VS_FIXEDFILEINFO")
    # dwSignature, dwStrucVersion, then dwFileVersionMS.
    image[signature + 8 : signature + 12] = VERSION_6_10
    mark = image[BUILTIN_MARK_OFFSET : BUILTIN_MARK_OFFSET + len(BUILTIN_MARK)]
    if mark == BUILTIN_MARK:
        image[BUILTIN_MARK_OFFSET : BUILTIN_MARK_OFFSET + len(BUILTIN_MARK)] = bytes(len(BUILTIN_MARK))
    with open(path, "wb") as file:
        file.write(image)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: comctl32-as-windows.py <comctl32.dll>")
    main(sys.argv[1])
