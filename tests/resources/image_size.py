"""Checks that the shipped image stays small: at most 256 KiB, and free of the standard library's exception-text
chain, read from the linker's map that the build writes beside the image and from the image's own bytes.

The chain: the library's throw helpers (functexcept.o) raise std::logic_error and its kin, whose message is the
copy-on-write std::string (cow-stdexcept.o, cow-string-inst.o), which brings std::random_device (random.o), which
brings std::string (string-inst.o): some 90 KB. The program defines the helpers itself (src/framework/
LibraryThrows.cpp); a new use of a standard exception with a text, or a helper it does not define, brings the
chain back.
"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))

import imagecheck  # noqa: E402
import linkmap  # noqa: E402

LIMIT = 256 * 1024

CHAIN = ["functexcept.o", "snprintf_lite.o", "stdexcept.o", "cxx11-stdexcept.o", "cow-stdexcept.o",
         "cow-string-inst.o", "sso_string.o", "random.o", "string-inst.o"]

# What the chain's types ask for by name, in the map's reasons.
CHAIN_SYMBOLS = ["logic_error", "runtime_error", "random_device"]

# What the chain leaves in the file whether or not symbols survive: type-info names and the random device's texts.
CHAIN_TEXTS = [b"St11logic_error", b"St13runtime_error", b"random_device"]


def check(image, report):
    size = os.path.getsize(image)
    report.require("file size", size <= LIMIT, f"{size:,} bytes, more than {LIMIT:,} (256 KiB)")

    map_path = os.path.join(os.path.dirname(image), "Pellacord.map")
    if not os.path.isfile(map_path):
        raise imagecheck.Failed(f"no link map beside the image: {map_path}")
    if os.path.getmtime(map_path) + 60 < os.path.getmtime(image):
        raise imagecheck.Failed(f"the link map is older than the image: {map_path}")
    mapped = linkmap.LinkMap(map_path)
    if not mapped.taken:
        raise imagecheck.Failed(f"the link map lists no archive members: {map_path}")

    taken = {linkmap.short_name(member): reason for member, reason in mapped.taken.items()}
    for member in CHAIN:
        name = f"libstdc++.a({member})"
        reason = taken.get(name)
        report.require(name, reason is None,
                       f"linked in, for {reason[1]} asked by {linkmap.short_name(reason[0])}" if reason else "")
    for symbol in CHAIN_SYMBOLS:
        askers = [f"{name} for {why[1]}" for name, why in taken.items() if symbol in why[1]]
        report.require(f"members taken for {symbol}", not askers, "; ".join(askers))

    with open(image, "rb") as f:
        data = f.read()
    for text in CHAIN_TEXTS:
        report.require(f"bytes {text.decode()} in the image", text not in data, "found")


if __name__ == "__main__":
    imagecheck.main("image size", check)
