#!/usr/bin/env python3
"""The main window's definition, stored as an RCDATA resource that the program reads at start-up."""

from imagecheck import Failed, expect_resource, extract, main, resources

RCDATA = 10
NAME = "TFORM1"
# Line breaks and tabs are the only control characters a text definition has any use for.
ALLOWED_CONTROLS = {"\t", "\n", "\r"}


def check(image, report):
    expect_resource(report, resources(image), RCDATA, NAME)
    data = extract(image, RCDATA, NAME)

    try:
        text = data.decode("utf-8")
    except UnicodeDecodeError as bad:
        raise Failed(f"{NAME} is not UTF-8 text ({bad})")
    report.require(f"{NAME} content", text.strip() != "", "only white space")
    controls = sorted({c for c in text if (ord(c) < 32 or ord(c) == 127) and c not in ALLOWED_CONTROLS})
    report.require(f"{NAME} content", not controls, f"binary, holds control characters {controls!r}")


if __name__ == "__main__":
    main("window_definition", check)
