"""Shared plumbing for the checks of the built image: running the extraction tools and reporting.

Every value a check compares comes from a tool's reading of the image, so a wrong resource script, manifest
or link flag shows up here even when the sources agree with themselves.
"""

import os
import re
import shutil
import subprocess
import sys


class Failed(Exception):
    """A value the rest of a check depends on could not be read; the check stops there."""


class Report:
    """Collects expected-vs-actual comparisons and ends the process with a verdict."""

    def __init__(self, name):
        self.name = name
        self.checked = 0
        self.failures = []

    def expect(self, what, expected, actual):
        self.checked += 1
        if expected != actual:
            self.fail(f"{what}: expected {fmt(expected)}, got {fmt(actual)}")
            return False
        return True

    def require(self, what, ok, problem):
        """For a property with no single expected value: fails with what and the problem when ok is false."""
        self.checked += 1
        if not ok:
            self.fail(f"{what}: {problem}")
        return ok

    def fail(self, message):
        self.failures.append(message)
        print(f"FAIL {message}")

    def finish(self):
        if self.failures:
            print(f"{self.name}: FAILED with {len(self.failures)} problem(s); {self.checked} value(s) compared")
            sys.exit(1)
        if self.checked == 0:
            print(f"{self.name}: nothing was checked")
            sys.exit(1)
        print(f"{self.name}: all {self.checked} values as expected")
        sys.exit(0)


def fmt(value):
    if isinstance(value, int) and not isinstance(value, bool) and value >= 16:
        return f"{value} (0x{value:X})"
    return repr(value)


def main(name, check):
    """Runs check(image, report) for the image named on the command line."""
    if len(sys.argv) != 2:
        print(f"usage: {os.path.basename(sys.argv[0])} PATH/TO/Pellacord.exe")
        sys.exit(2)
    image = sys.argv[1]
    report = Report(f"{name} of {image}")
    try:
        if not os.path.isfile(image):
            raise Failed(f"image not found: {image} (build it first)")
        check(image, report)
    except Failed as stop:
        report.fail(str(stop))
    report.finish()


def tool(*candidates, package):
    for candidate in candidates:
        path = shutil.which(candidate)
        if path:
            return path
    raise Failed(f"{' or '.join(candidates)} not found; install the {package} package")


def run(argv, binary=False):
    done = subprocess.run(argv, capture_output=True)
    if done.returncode != 0:
        raise Failed(f"{' '.join(argv)} exited {done.returncode}: {done.stderr.decode(errors='replace').strip()}")
    return done.stdout if binary else done.stdout.decode("utf-8", errors="replace")


def wrestool():
    return tool("wrestool", package="icoutils")


_LISTED = re.compile(r"^--type=(\S+) --name=(\S+) --language=(\S+) ")


def resources(image):
    """Every resource of the image as (type, name, language) strings, in directory order."""
    listed = []
    for line in run([wrestool(), "-l", image]).splitlines():
        m = _LISTED.match(line)
        if m:
            listed.append(tuple(part.strip("'") for part in m.groups()))
    if not listed:
        raise Failed(f"wrestool lists no resources in {image}")
    return listed


def expect_resource(report, listed, rtype, name, languages=("1033",)):
    """Checks the resource exists under exactly the given languages; stops the check if it is absent."""
    found = [lang for (t, n, lang) in listed if t == str(rtype) and n == str(name)]
    if not found:
        raise Failed(f"no resource of type {rtype} named {name} in the image")
    report.expect(f"languages of resource type {rtype} name {name}", list(languages), found)


def extract(image, rtype, name, raw=True):
    argv = [wrestool(), "-x", f"--type={rtype}", f"--name={name}", image]
    if raw:
        argv.insert(2, "--raw")
    data = run(argv, binary=True)
    if not data:
        raise Failed(f"wrestool extracted nothing for type {rtype} name {name}")
    return data
