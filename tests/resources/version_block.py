#!/usr/bin/env python3
"""The version resource of the image, extracted raw by wrestool and decoded by its documented layout.

Every block is: WORD wLength, WORD wValueLength, WORD wType (1 text, 0 binary), a NUL-terminated UTF-16LE key,
padding to 32 bits, the value (wValueLength bytes, or UTF-16 characters for text), padding to 32 bits, then child
blocks up to wLength.
"""

import re
import struct

from imagecheck import Failed, expect_resource, extract, main, resources

# VS_FIXEDFILEINFO, in field order.
FIXED_FIELDS = [
    ("dwSignature", 0xFEEF04BD),
    ("dwStrucVersion", 0x00010000),
    ("dwFileVersionMS", 0x00010000),  # 1.0
    ("dwFileVersionLS", 0x00000000),  # .0.0
    ("dwProductVersionMS", 0x00010000),
    ("dwProductVersionLS", 0x00000000),
    ("dwFileFlagsMask", 0x3F),
    ("dwFileFlags", 0),
    ("dwFileOS", 0x4),  # 32-bit Windows
    ("dwFileType", 0x1),  # application
    ("dwFileSubtype", 0),
    ("dwFileDateMS", 0),
    ("dwFileDateLS", 0),
]

STRING_TABLE = "040904E4"  # US English, Windows Latin-1

# Key -> required value, in the order the table must list them; a callable value is a rule on the text.
STRINGS = [
    ("FileDescription", "Pellacord"),
    ("FileVersion", "1.0.0.0"),
    ("ProgramID", lambda text: re.fullmatch(r"[^.]+\.[^.]+\.Pellacord", text) is not None),
    ("ProductName", "Pellacord"),
    ("ProductVersion", "1.0.0.0"),
]

TRANSLATION = [0x0409, 0x04E4]


class Block:
    def __init__(self, key, wtype, value, children):
        self.key, self.wtype, self.value, self.children = key, wtype, value, children


def align(offset):
    return (offset + 3) & ~3


def parse(data, offset, end, where):
    """Decodes the block at offset, which must lie wholly before end."""
    if offset + 6 > end:
        raise Failed(f"in {where or '/'}: block header at offset {offset} runs past the parent's end ({end})")
    length, value_length, wtype = struct.unpack_from("<HHH", data, offset)
    stop = offset + length
    if length < 6 or stop > end:
        raise Failed(f"in {where or '/'}: block at offset {offset} has wLength {length}, past the parent's end ({end})")

    cursor = offset + 6
    chars = []
    while True:
        if cursor + 2 > stop:
            raise Failed(f"in {where or '/'}: key of the block at offset {offset} is not NUL-terminated within it")
        (unit,) = struct.unpack_from("<H", data, cursor)
        cursor += 2
        if unit == 0:
            break
        chars.append(unit)
    key = struct.pack(f"<{len(chars)}H", *chars).decode("utf-16-le", errors="replace")
    where = f"{where}/{key}"

    cursor = align(cursor)
    size = value_length * 2 if wtype == 1 else value_length
    if cursor + size > stop:
        raise Failed(f"{where}: value of {size} bytes runs past the block's end (wLength {length})")
    value = data[cursor:cursor + size]
    cursor = align(cursor + size)

    children = []
    while cursor < stop:
        child, cursor = parse(data, cursor, stop, where)
        children.append(child)
        cursor = align(cursor)
    return Block(key, wtype, value, children), stop


def check(image, report):
    expect_resource(report, resources(image), 16, 1)
    data = extract(image, 16, 1)

    root, used = parse(data, 0, len(data), "")
    report.expect("VS_VERSIONINFO wLength against the resource size", len(data), used)
    report.expect("root key", "VS_VERSION_INFO", root.key)
    report.expect("root wType (binary)", 0, root.wtype)
    report.expect("VS_FIXEDFILEINFO size", 4 * len(FIXED_FIELDS), len(root.value))
    if len(root.value) == 4 * len(FIXED_FIELDS):
        values = struct.unpack(f"<{len(FIXED_FIELDS)}I", root.value)
        for (name, expected), actual in zip(FIXED_FIELDS, values):
            report.expect(f"VS_FIXEDFILEINFO.{name}", expected, actual)

    if not report.expect("children of VS_VERSION_INFO", ["StringFileInfo", "VarFileInfo"],
                         [c.key for c in root.children]):
        return
    string_info, var_info = root.children

    report.expect("string tables in StringFileInfo", [STRING_TABLE], [t.key for t in string_info.children])
    # A lone table under the wrong name still has its strings checked, so that one fault hides no other.
    if len(string_info.children) == 1:
        table = string_info.children[0]
        report.expect(f"keys of string table {table.key} in order", [k for k, _ in STRINGS],
                      [s.key for s in table.children])
        found = {s.key: s for s in table.children}
        for key, expected in STRINGS:
            if key not in found:
                continue
            entry = found[key]
            report.expect(f"{key} wType (text)", 1, entry.wtype)
            raw = entry.value.decode("utf-16-le", errors="replace")
            report.require(f"{key} value", raw.endswith("\0"), f"{raw!r} is not NUL-terminated")
            text = raw[:-1] if raw.endswith("\0") else raw
            if callable(expected):
                report.require(f"{key} value", expected(text),
                               f"{text!r} is not three non-empty dot-separated parts ending in 'Pellacord'")
            else:
                report.expect(f"{key} value", expected, text)

    if report.expect("children of VarFileInfo", ["Translation"], [v.key for v in var_info.children]):
        translation = var_info.children[0]
        report.expect("Translation wType (binary)", 0, translation.wtype)
        report.expect("Translation value", TRANSLATION,
                      list(struct.unpack(f"<{len(translation.value) // 2}H", translation.value)))


if __name__ == "__main__":
    main("version_block", check)
