#!/usr/bin/env python3
"""The main window's definition, read out of the image's RCDATA resource and compared value by value.

The text is parsed here on its own terms, without the program's reader: a definition is
`Name: Class { member* }`, where a member is `Property = value` (dotted for nested properties, as `Font.Height`)
or a nested component; a value is a string in double quotes (UTF-8, with \\" and \\\\ escaped), a whole number,
an identifier, or a set `[a, b]`; `#` starts a comment that runs to the end of the line.
"""

import re

from imagecheck import Failed, expect_resource, extract, main, resources

RCDATA = 10
NAME = "TFORM1"


def integer(value):
    return ("integer", value)


def string(value):
    return ("string", value)


def identifier(value):
    return ("identifier", value)


def members(*names):
    return ("set", list(names))


def button(name, top, caption, tab_order):
    return (name, "TButton", {
        "Left": integer(32), "Top": integer(top), "Width": integer(75), "Height": integer(25),
        "Caption": string(caption), "TabOrder": integer(tab_order), "OnClick": identifier(f"{name}Click"),
    })


FORM = ("Form1", "TForm1", {
    "Left": integer(0),
    "Top": integer(0),
    "Caption": string("Pellacord"),
    "ClientWidth": integer(624),
    "ClientHeight": integer(441),
    "Color": identifier("clBtnFace"),
    "Font.Charset": identifier("DEFAULT_CHARSET"),
    "Font.Color": identifier("clWindowText"),
    "Font.Height": integer(-12),
    "Font.Name": string("Segoe UI"),
    "Font.Style": members(),
    "TextHeight": integer(15),
})

# In the order the definition creates them, which is the order of the form's child windows.
COMPONENTS = [
    button("Button1", 40, "Hallo?", 0),
    button("Button2", 96, "File-Dlg", 1),
    button("Button3", 152, "Fullscreen", 2),
    ("FileOpenDialog1", "TFileOpenDialog", {
        "FavoriteLinks": members(), "FileTypes": members(), "Options": members(),
        # Its place on the design surface only.
        "Left": integer(312), "Top": integer(160),
    }),
]


class Component:
    def __init__(self, name, cls, line):
        self.name, self.cls, self.line = name, cls, line
        self.properties = {}
        self.components = []


class Parser:
    TOKEN = re.compile(r"""
        (?P<space>[ \t\r]+) | (?P<newline>\n) | (?P<comment>\#[^\n]*)
      | (?P<string>"(?:[^"\\\n]|\\.)*")
      | (?P<number>-?[0-9]+)
      | (?P<name>[A-Za-z_][A-Za-z0-9_]*)
      | (?P<punct>[:{}=.\[\],])
    """, re.VERBOSE)

    def __init__(self, text):
        self.tokens = []
        line, pos = 1, 0
        while pos < len(text):
            m = self.TOKEN.match(text, pos)
            if not m:
                raise Failed(f"{NAME} line {line}: unexpected {text[pos]!r}")
            kind = m.lastgroup
            if kind == "newline":
                line += 1
            elif kind not in ("space", "comment"):
                self.tokens.append((kind, m.group(), line))
            pos = m.end()
        self.tokens.append(("end", "", line))
        self.at = 0

    def peek(self):
        return self.tokens[self.at]

    def take(self, kind, text=None):
        token = self.tokens[self.at]
        if token[0] != kind or (text is not None and token[1] != text):
            raise Failed(f"{NAME} line {token[2]}: expected {text or kind}, found {token[1] or 'the end'!r}")
        self.at += 1
        return token

    def document(self):
        root = self.component(self.take("name"))
        self.take("end")
        return root

    def component(self, name_token):
        self.take("punct", ":")
        component = Component(name_token[1], self.take("name")[1], name_token[2])
        self.take("punct", "{")
        while not (self.peek()[0] == "punct" and self.peek()[1] == "}"):
            member = self.take("name")
            if self.peek()[1] == ":":
                component.components.append(self.component(member))
                continue
            path = [member[1]]
            while self.peek()[1] == ".":
                self.take("punct", ".")
                path.append(self.take("name")[1])
            self.take("punct", "=")
            key = ".".join(path)
            if key in component.properties:
                raise Failed(f"{NAME} line {member[2]}: {component.name}.{key} is set twice")
            component.properties[key] = self.value()
        self.take("punct", "}")
        return component

    def value(self):
        kind, text, line = self.peek()
        if kind == "string":
            self.at += 1
            body = text[1:-1]
            if re.search(r"\\[^\"\\]", body):
                raise Failed(f"{NAME} line {line}: unknown escape in {text}")
            return string(re.sub(r"\\(.)", r"\1", body))
        if kind == "number":
            self.at += 1
            return integer(int(text))
        if kind == "name":
            self.at += 1
            return identifier(text)
        self.take("punct", "[")
        items = []
        if self.peek()[1] != "]":
            items.append(self.take("name")[1])
            while self.peek()[1] == ",":
                self.take("punct", ",")
                items.append(self.take("name")[1])
        self.take("punct", "]")
        return members(*items)


def compare(report, component, expected):
    name, cls, properties = expected
    report.expect(f"name of the component at line {component.line}", name, component.name)
    report.expect(f"class of {name}", cls, component.cls)
    report.expect(f"properties of {name}, in any order", sorted(properties), sorted(component.properties))
    for key, value in properties.items():
        if key in component.properties:
            report.expect(f"{name}.{key}", value, component.properties[key])


def check(image, report):
    expect_resource(report, resources(image), RCDATA, NAME)
    data = extract(image, RCDATA, NAME)
    try:
        text = data.decode("utf-8")
    except UnicodeDecodeError as bad:
        raise Failed(f"{NAME} is not UTF-8 text ({bad})")

    form = Parser(text).document()
    compare(report, form, FORM)
    report.expect("components of Form1, in order", [c[0] for c in COMPONENTS], [c.name for c in form.components])
    found = {c.name: c for c in form.components}
    for expected in COMPONENTS:
        component = found.get(expected[0])
        if component is None:
            continue
        compare(report, component, expected)
        report.expect(f"components inside {component.name}", [], [c.name for c in component.components])


if __name__ == "__main__":
    main("window_definition", check)
