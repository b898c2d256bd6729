#pragma once
// A window definition: the text that describes a form and its components.
//
//   # comment to the end of the line
//   Form1: TForm1 {
//     Caption = "Pellacord"       strings in double quotes, \" and \\ escaped, UTF-8
//     ClientWidth = 624           integers, optionally negative
//     Color = clBtnFace           identifiers: named values and handler names
//     Font.Style = []             sets of identifiers
//     Button1: TButton {          a component owned by the form
//       OnClick = Button1Click
//     }
//   }

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct PropertyValue {
  enum class Kind { Integer, String, Identifier, Set };
  Kind kind = Kind::Integer;
  std::int64_t integer = 0;
  std::wstring text;               // String and Identifier
  std::vector<std::wstring> items; // Set
};

struct PropertyEntry {
  std::wstring name; // dotted for nested properties: "Font.Height"
  PropertyValue value;
  int line = 0;
};

struct ObjectDefinition {
  std::wstring name;
  std::wstring className;
  std::vector<PropertyEntry> properties;
  std::vector<ObjectDefinition> components;
  int line = 0;
};

// Parses a whole definition; raises EParserError naming the line of the first fault.
ObjectDefinition ParseWindowDefinition(std::string_view utf8Text);
