#!/usr/bin/env python3
"""The program's icon: the MAINICON group and its twelve images, as wrestool and icotool read them."""

import os
import re
import struct
import tempfile

from imagecheck import Failed, expect_resource, extract, main, resources, run, tool

GROUP = "MAINICON"
PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"
# Bits per pixel -> the PNG IHDR bit depth per channel and colour type that give it (6 is RGBA).
PNG_FORMAT = {32: (8, 6)}

# Resource id, size in pixels, bits per pixel, storage; in the group's order.
IMAGES = [
    (1, 64, 8, "dib"),
    (2, 48, 8, "dib"),
    (3, 32, 8, "dib"),
    (4, 24, 8, "dib"),
    (5, 16, 8, "dib"),
    (6, 256, 32, "png"),
    (7, 128, 32, "dib"),
    (8, 64, 32, "dib"),
    (9, 48, 32, "dib"),
    (10, 32, 32, "dib"),
    (11, 24, 32, "dib"),
    (12, 16, 32, "dib"),
]


def check(image, report):
    listed = resources(image)

    # The shell shows the first group icon of an image as the image's icon.
    groups = [name for (rtype, name, _) in listed if rtype == "14"]
    report.expect("first group icon resource", GROUP, groups[0] if groups else None)
    expect_resource(report, listed, 14, GROUP)
    images = [(name, lang) for (rtype, name, lang) in listed if rtype == "3"]
    report.expect("names of the icon image resources (type 3)", [str(i) for i, *_ in IMAGES], [n for n, _ in images])
    report.expect("languages of the icon image resources", {"1033"}, {lang for _, lang in images})

    check_icotool_listing(image, report)
    sizes = check_group_directory(image, report)
    check_images(image, report, sizes)


def check_icotool_listing(image, report):
    """The group as wrestool rebuilds it into an .ico, listed by icotool."""
    icotool = tool("icotool", package="icoutils")
    with tempfile.TemporaryDirectory() as scratch:
        ico = os.path.join(scratch, "group.ico")
        with open(ico, "wb") as out:
            out.write(extract(image, "group_icon", GROUP, raw=False))
        listing = run([icotool, "-l", ico])
    entries = []
    for line in listing.splitlines():
        fields = dict(re.findall(r"--([\w-]+)=(\S+)", line))
        if "index" in fields:
            entries.append((int(fields["index"]), int(fields["width"]), int(fields["height"]),
                            int(fields["bit-depth"])))
    report.expect("icotool -l: number of images", len(IMAGES), len(entries))
    listed = {index: rest for index, *rest in entries}
    for n, (_, size, bits, _) in enumerate(IMAGES, start=1):
        report.expect(f"icotool -l: image {n} width, height, bit depth", [size, size, bits], listed.get(n, "absent"))


def check_group_directory(image, report):
    """The raw GRPICONDIR: header, then one 14-byte entry per image. Returns the id -> bytes-in-resource map."""
    data = extract(image, "group_icon", GROUP)
    if len(data) < 6:
        raise Failed(f"GRPICONDIR is only {len(data)} bytes")
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    report.expect("GRPICONDIR idReserved", 0, reserved)
    report.expect("GRPICONDIR idType (icon)", 1, kind)
    report.expect("GRPICONDIR idCount", len(IMAGES), count)
    if not report.expect("GRPICONDIR size", 6 + 14 * count, len(data)):
        raise Failed("GRPICONDIR entries cannot be read")

    sizes = {}
    for n, (rid, size, bits, _) in enumerate(IMAGES):
        if n >= count:
            break
        width, height, colors, zero, planes, bitcount, in_res, entry_id = struct.unpack_from("<BBBBHHIH", data, 6 + 14 * n)
        what = f"GRPICONDIR entry {n + 1}"
        # A byte holds sizes up to 255; 0 stands for 256.
        report.expect(f"{what} nId", rid, entry_id)
        report.expect(f"{what} bWidth", size % 256, width)
        report.expect(f"{what} bHeight", size % 256, height)
        report.expect(f"{what} wBitCount", bits, bitcount)
        report.expect(f"{what} wPlanes", 1, planes)
        report.expect(f"{what} bReserved", 0, zero)
        report.expect(f"{what} bColorCount (0 for 256 colours or more)", 0, colors)
        sizes[entry_id] = in_res
    return sizes


def check_images(image, report, sizes):
    """Each RT_ICON resource: its length agrees with the group, and its header with the size and depth."""
    for rid, size, bits, storage in IMAGES:
        data = extract(image, 3, rid)
        what = f"icon image {rid}"
        if rid in sizes:
            report.expect(f"{what} length against its GRPICONDIR dwBytesInRes", sizes[rid], len(data))
        is_png = data.startswith(PNG_SIGNATURE)
        if not report.expect(f"{what} storage", storage, "png" if is_png else "dib"):
            continue
        if is_png and len(data) >= 26:
            # IHDR is the first chunk, right after the signature and its own length and type.
            width, height, depth, colour = struct.unpack_from(">IIBB", data, 16)
            report.expect(f"{what} PNG width x height", (size, size), (width, height))
            report.expect(f"{what} PNG bit depth and colour type", PNG_FORMAT.get(bits), (depth, colour))
        elif not is_png and len(data) >= 40:
            header_size, width, height, planes, bitcount = struct.unpack_from("<IiiHH", data, 0)
            report.expect(f"{what} BITMAPINFOHEADER biSize", 40, header_size)
            # The height counts the colour bitmap and the AND mask together.
            report.expect(f"{what} biWidth x biHeight", (size, 2 * size), (width, height))
            report.expect(f"{what} biPlanes", 1, planes)
            report.expect(f"{what} biBitCount", bits, bitcount)
        else:
            report.fail(f"{what}: only {len(data)} bytes, too short for its header")


if __name__ == "__main__":
    main("icon_group", check)
