#!/usr/bin/env python3
"""skip-summary.py <junit.xml>: lists the tests that ctest reported as skipped, each with the reason its
output gives (a line "skipped: <reason>" from the driver, or the harness's own "wine-run: SKIPPED: <reason>").
A skip without a stated reason is listed as such. Prints nothing when no test was skipped."""
import re
import sys
import xml.etree.ElementTree as ElementTree

REASON = re.compile(r"^(?:skipped|wine-run: SKIPPED): (.+)$", re.MULTILINE)


def main(path):
    skips = []
    for case in ElementTree.parse(path).getroot().iter("testcase"):
        if case.find("skipped") is None:
            continue
        output = case.findtext("system-out") or ""
        reasons = REASON.findall(output)
        skips.append((case.get("name"), reasons[-1] if reasons else "no reason given"))
    if skips:
        print(f"\n{len(skips)} tests skipped, with their reasons:")
        for name, reason in skips:
            print(f"  {name}: {reason}")


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: skip-summary.py <junit.xml>")
    main(sys.argv[1])
