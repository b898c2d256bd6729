#!/usr/bin/env python3
"""The application manifest embedded in the image, read back with wrestool and examined with xmllint."""

import os
import re
import subprocess
import tempfile

from imagecheck import Failed, expect_resource, extract, main, resources, run, tool

ASM_V1 = "urn:schemas-microsoft-com:asm.v1"
ASM_V3 = "urn:schemas-microsoft-com:asm.v3"
SETTINGS_2005 = "http://schemas.microsoft.com/SMI/2005/WindowsSettings"
SETTINGS_2016 = "http://schemas.microsoft.com/SMI/2016/WindowsSettings"
COMPATIBILITY = "urn:schemas-microsoft-com:compatibility.v1"


def element(ns, name, attrs=None, text=None, children=()):
    return {"ns": ns, "name": name, "attrs": attrs or {}, "text": text, "children": list(children)}


# The whole element tree, in document order. Windows ignores an element in the wrong namespace, so each
# element's namespace is part of what must hold, as are the exact attribute sets and child counts.
SUPPORTED_OS = [
    "{e2011457-1546-43c5-a5fe-008deee3d3f0}",
    "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
    "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
    "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",
    "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",
]
EXPECTED = element(ASM_V1, "assembly", {"manifestVersion": "1.0"}, children=[
    element(ASM_V3, "application", children=[
        element(ASM_V3, "windowsSettings", children=[
            element(SETTINGS_2005, "dpiAware", text="true/pm"),
            element(SETTINGS_2016, "dpiAwareness", text="PerMonitorV2"),
        ]),
    ]),
    element(ASM_V1, "dependency", children=[
        element(ASM_V1, "dependentAssembly", children=[
            element(ASM_V1, "assemblyIdentity", {
                "type": "win32",
                "name": "Microsoft.Windows.Common-Controls",
                "version": "6.0.0.0",
                "publicKeyToken": "6595b64144ccf1df",
                "language": "*",
                "processorArchitecture": "*",
            }),
        ]),
    ]),
    element(ASM_V3, "trustInfo", children=[
        element(ASM_V3, "security", children=[
            element(ASM_V3, "requestedPrivileges", children=[
                element(ASM_V3, "requestedExecutionLevel", {"level": "asInvoker", "uiAccess": "false"}),
            ]),
        ]),
    ]),
    element(COMPATIBILITY, "compatibility", children=[
        element(COMPATIBILITY, "application", children=[
            element(COMPATIBILITY, "supportedOS", {"Id": os_id}) for os_id in SUPPORTED_OS
        ]),
    ]),
])

# What xmllint --debug reports about the XML declaration.
DECLARATION = [("version", "1.0"), ("encoding", "UTF-8"), ("standalone", "true")]


def check(image, report):
    expect_resource(report, resources(image), 24, 1)
    data = extract(image, 24, 1)

    try:
        data.decode("utf-8")
        problem = None
    except UnicodeDecodeError as bad:
        problem = f"not UTF-8 ({bad})"
    report.require("manifest bytes", problem is None, problem)

    xmllint = tool("xmllint", package="libxml2-utils")
    with tempfile.TemporaryDirectory() as scratch:
        path = os.path.join(scratch, "manifest.xml")
        with open(path, "wb") as out:
            out.write(data)

        wellformed = subprocess.run([xmllint, "--noout", path], capture_output=True, text=True)
        if wellformed.returncode != 0:
            raise Failed(f"manifest is not well-formed XML: {wellformed.stderr.strip()}")

        debug = run([xmllint, "--debug", path])
        declared = dict(re.findall(r"^(version|encoding|standalone)=(.*)$", debug, re.MULTILINE))
        # Encoding names are case-insensitive in XML.
        if "encoding" in declared:
            declared["encoding"] = declared["encoding"].upper()
        for key, expected in DECLARATION:
            report.expect(f"XML declaration {key} (as xmllint --debug reports it)", expected, declared.get(key, "absent"))

        def xpath(expression):
            done = subprocess.run([xmllint, "--xpath", expression, path], capture_output=True, text=True)
            if done.returncode != 0:
                raise Failed(f"xmllint --xpath {expression!r} failed: {done.stderr.strip()}")
            return done.stdout[:-1] if done.stdout.endswith("\n") else done.stdout

        compare_element(report, xpath, "/*", "/assembly", EXPECTED)


def compare_element(report, xpath, at, shown, expected):
    """Compares the element at XPath `at` with the expected tree; `shown` names it in messages."""
    report.expect(f"{shown} namespace", expected["ns"], xpath(f"namespace-uri({at})"))
    report.expect(f"{shown} local name", expected["name"], xpath(f"local-name({at})"))

    report.expect(f"{shown} attribute names", sorted(expected["attrs"]),
                  sorted(xpath(f"local-name(({at}/@*)[{i}])") for i in range(1, int(xpath(f"count({at}/@*)")) + 1)))
    for attr, value in expected["attrs"].items():
        present = xpath(f"count({at}/@*[local-name()='{attr}' and namespace-uri()=''])") == "1"
        if report.require(f"{shown}/@{attr}", present, "missing"):
            report.expect(f"{shown}/@{attr}", value, xpath(f"string({at}/@{attr})"))

    if expected["text"] is not None:
        report.expect(f"{shown} text", expected["text"], xpath(f"string({at})"))

    count = int(xpath(f"count({at}/*)"))
    children = expected["children"]
    names = [xpath(f"local-name({at}/*[{i}])") for i in range(1, count + 1)]
    report.expect(f"{shown} element children in order", [c["name"] for c in children], names)
    # Descend wherever the right element stands at its place, so one misplaced element hides nothing else.
    for i, (child, name) in enumerate(zip(children, names), start=1):
        if child["name"] == name:
            compare_element(report, xpath, f"{at}/*[{i}]", f"{shown}/{name}[{i}]", child)


if __name__ == "__main__":
    main("manifest", check)
