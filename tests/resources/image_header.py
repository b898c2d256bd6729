#!/usr/bin/env python3
"""The PE header of the shipped image, as objdump reads it, and the DLLs it imports."""

import fnmatch
import re

from imagecheck import Failed, main, run, tool

# objdump -p field name -> required value, read as hexadecimal where objdump prints hex.
HEADER_FIELDS = [
    ("Magic", 0x10B),  # PE32
    ("Subsystem", 2),  # Windows GUI
    ("MajorSubsystemVersion", 6),
    ("MinorSubsystemVersion", 0),
    ("MajorOSystemVersion", 6),
    ("MinorOSystemVersion", 0),
    ("DllCharacteristics", 0x8140),  # dynamic base, NX compatible, terminal-server aware; nothing else
    ("SizeOfStackReserve", 0x100000),
    ("SizeOfStackCommit", 0x4000),
    ("SizeOfHeapReserve", 0x100000),
    ("SizeOfHeapCommit", 0x1000),
]

# objdump prints the minor/major versions in decimal and everything else in hex.
DECIMAL_FIELDS = {"MajorSubsystemVersion", "MinorSubsystemVersion", "MajorOSystemVersion", "MinorOSystemVersion"}

# File characteristics bit -> whether it must be set.
CHARACTERISTICS = [
    (0x0002, "executable image", True),
    (0x0100, "32-bit machine", True),
    (0x0020, "large address aware", False),
    (0x2000, "DLL", False),
]

# A DLL of the compiler's runtime among the imports means the runtime was not linked statically.
RUNTIME_DLLS = ["libstdc++*", "libgcc*", "libwinpthread*"]


def check(image, report):
    objdump = tool("i686-w64-mingw32-objdump", "objdump", package="binutils-mingw-w64-i686")

    summary = run([objdump, "-f", image])
    report.expect("object file format", "pei-i386", _match(r"file format (\S+)", summary, "file format"))
    report.expect("architecture (machine 0x14C)", "i386", _match(r"architecture: ([^,\s]+)", summary, "architecture"))

    private = run([objdump, "-p", image])
    fields = {}
    for line in private.splitlines():
        m = re.match(r"^(\w+)\s+([0-9A-Fa-fx]+)\b", line)
        if m and m.group(1) not in fields:
            fields[m.group(1)] = m.group(2)

    for name, expected in HEADER_FIELDS:
        if name not in fields:
            report.fail(f"{name}: not in objdump -p output")
            continue
        report.expect(name, expected, int(fields[name], 10 if name in DECIMAL_FIELDS else 16))

    if "Characteristics" not in fields:
        raise Failed("Characteristics: not in objdump -p output")
    characteristics = int(fields["Characteristics"], 16)
    for bit, meaning, wanted in CHARACTERISTICS:
        report.expect(f"Characteristics 0x{characteristics:04X} bit 0x{bit:04X} ({meaning})",
                      "set" if wanted else "clear", "set" if characteristics & bit else "clear")

    dlls = re.findall(r"^\s*DLL Name: (\S+)", private, re.MULTILINE)
    # An image with no import table at all would mean objdump's output changed shape, not a static runtime.
    if not dlls:
        raise Failed("objdump lists no imported DLL")
    for dll in dlls:
        runtime = [p for p in RUNTIME_DLLS if fnmatch.fnmatch(dll.lower(), p)]
        report.require(f"imported DLL {dll}", not runtime,
                       f"matches {runtime[0] if runtime else ''}, the compiler's runtime must be linked statically")


def _match(pattern, text, what):
    m = re.search(pattern, text)
    if not m:
        raise Failed(f"{what}: not in objdump -f output")
    return m.group(1)


if __name__ == "__main__":
    main("image_header", check)
