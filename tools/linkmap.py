"""Reading the linker's map of the image (ld -Map): which archive members were taken and why, and how many bytes
each input file put into the sections that the image file carries.

Used by tools/image_map.py, which writes docs/image-map.md, and by the image-size check in tests/resources.
"""

import os
import re
import struct
from collections import defaultdict

# Output sections that take room in the file; .bss and the debugging sections take none (the image is stripped).
FILE_SECTIONS = {".text", ".data", ".rdata", ".eh_frame", ".pdata", ".xdata", ".idata", ".CRT", ".tls", ".rsrc",
                 ".reloc"}

_MEMBER = re.compile(r"^(\S.*)\((.+)\)$")
_OUTPUT = re.compile(r"^(\.[\w$.]+)(?:\s+0x[0-9a-f]+\s+0x[0-9a-f]+)?\s*$")
_INPUT = re.compile(r"^ (\S+)\s+0x([0-9a-f]+)\s+0x([0-9a-f]+)\s+(\S.*)$")
_INPUT_NAME_ONLY = re.compile(r"^ (\S+)\s*$")
_INPUT_CONTINUED = re.compile(r"^\s+0x([0-9a-f]+)\s+0x([0-9a-f]+)\s+(\S.*)$")


class LinkMap:
    def __init__(self, path):
        with open(path, encoding="utf-8", errors="replace") as f:
            lines = f.read().splitlines()
        # Archive member "archive(member)" -> (the file that asked for it, the symbol it asked for).
        self.taken = {}
        # Input file as the map names it -> bytes in the file's sections, and by output section.
        self.bytes = defaultdict(int)
        self.by_section = defaultdict(lambda: defaultdict(int))
        # Output section -> bytes between its input sections (alignment).
        self.fill = defaultdict(int)
        self._read_members(lines)
        self._read_memory_map(lines)

    def _read_members(self, lines):
        try:
            start = lines.index("Archive member included to satisfy reference by file (symbol)") + 1
        except ValueError:
            return
        member = None
        for line in lines[start:]:
            if line.startswith(("Discarded input sections", "Allocating common symbols", "Memory Configuration")):
                break
            if not line.strip():
                continue
            if not line[0].isspace():
                member = line.strip()
            elif member:
                reason = line.strip()
                m = re.match(r"^(\S+)(?: \(symbol from plugin\))? \((.*)\)$", reason)
                self.taken[member] = (m.group(1), m.group(2)) if m else (reason, "")
                member = None

    def _read_memory_map(self, lines):
        try:
            start = lines.index("Linker script and memory map") + 1
        except ValueError:
            return
        output = None
        pending = None
        for line in lines[start:]:
            m = _OUTPUT.match(line)
            if m:
                output, pending = m.group(1), None
                continue
            if output not in FILE_SECTIONS:
                continue
            if line.startswith(" *fill*"):
                self.fill[output] += int(line.split()[2], 16)
                continue
            m = _INPUT.match(line)
            if m:
                self._add(output, m.group(4), int(m.group(3), 16))
                pending = None
                continue
            m = _INPUT_NAME_ONLY.match(line)
            if m and not line.startswith(" *"):
                pending = m.group(1)
                continue
            m = _INPUT_CONTINUED.match(line)
            if m and pending:
                self._add(output, m.group(3), int(m.group(2), 16))
            pending = None

    def _add(self, output, source, size):
        if size == 0:
            return
        source = source.strip()
        self.bytes[source] += size
        self.by_section[source][output] += size

    def members(self):
        """Every archive member taken, as "archive(member)" with the archive's path shortened to its file name."""
        return [short_name(member) for member in self.taken]


def short_name(source):
    """"/long/path/libstdc++.a(random.o)" -> "libstdc++.a(random.o)"; a plain file keeps only its name."""
    m = _MEMBER.match(source)
    if m and m.group(1).endswith(".a"):
        return f"{os.path.basename(m.group(1))}({m.group(2)})"
    return os.path.basename(source)


def file_sections(image):
    """The image's sections as (name, bytes in the file), read from its PE section table."""
    with open(image, "rb") as f:
        data = f.read()
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    count = struct.unpack_from("<H", data, pe + 6)[0]
    optional_size = struct.unpack_from("<H", data, pe + 20)[0]
    table = pe + 24 + optional_size
    sections = []
    for i in range(count):
        entry = table + 40 * i
        name = data[entry:entry + 8].rstrip(b"\0").decode("ascii", errors="replace")
        raw_size = struct.unpack_from("<I", data, entry + 16)[0]
        sections.append((name, raw_size))
    return sections


def machine(image):
    """"32-bit (i686)" or "64-bit (x86-64)", from the image's file header."""
    with open(image, "rb") as f:
        data = f.read(4096)
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    value = struct.unpack_from("<H", data, pe + 4)[0]
    return {0x14C: "32-bit (i686)", 0x8664: "64-bit (x86-64)"}.get(value, f"machine 0x{value:X}")
