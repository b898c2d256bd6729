#include <gtest/gtest.h>

#include "Exceptions.h"
#include "RaisedMessage.h"
#include "WindowDefinition.h"

namespace {

using Kind = PropertyValue::Kind;

TEST(WindowDefinition, ReadsPropertiesAndComponentsInOrder) {
  const ObjectDefinition form = ParseWindowDefinition("# the main window\n"
                                                      "Form1: TForm1 {\n"
                                                      "  Caption = \"Gr\xC3\xBC\xC3\x9F \\\"Gott\\\" \\\\\"\n"
                                                      "  ClientWidth = 624\n"
                                                      "  Font.Height = -12\n"
                                                      "  Color = clBtnFace # trailing comment\n"
                                                      "  Font.Style = [ fsBold , fsItalic ]\n"
                                                      "  Options = []\n"
                                                      "  Button1: TButton {\n"
                                                      "    OnClick = Button1Click\n"
                                                      "  }\n"
                                                      "  Dialog1:TFileOpenDialog{Left=312 Top=160}\n"
                                                      "}\n");

  EXPECT_EQ(form.name, L"Form1");
  EXPECT_EQ(form.className, L"TForm1");
  ASSERT_EQ(form.properties.size(), 6u);

  EXPECT_EQ(form.properties[0].name, L"Caption");
  EXPECT_EQ(form.properties[0].value.kind, Kind::String);
  EXPECT_EQ(form.properties[0].value.text, L"Gr\u00FC\u00DF \"Gott\" \\");
  EXPECT_EQ(form.properties[0].line, 3);

  EXPECT_EQ(form.properties[1].value.kind, Kind::Integer);
  EXPECT_EQ(form.properties[1].value.integer, 624);
  EXPECT_EQ(form.properties[2].name, L"Font.Height");
  EXPECT_EQ(form.properties[2].value.integer, -12);
  EXPECT_EQ(form.properties[3].value.kind, Kind::Identifier);
  EXPECT_EQ(form.properties[3].value.text, L"clBtnFace");
  EXPECT_EQ(form.properties[4].value.kind, Kind::Set);
  EXPECT_EQ(form.properties[4].value.items, (std::vector<std::wstring>{L"fsBold", L"fsItalic"}));
  EXPECT_TRUE(form.properties[5].value.items.empty());

  ASSERT_EQ(form.components.size(), 2u);
  EXPECT_EQ(form.components[0].name, L"Button1");
  EXPECT_EQ(form.components[0].className, L"TButton");
  EXPECT_EQ(form.components[0].line, 9);
  EXPECT_EQ(form.components[0].properties.at(0).value.text, L"Button1Click");
  EXPECT_EQ(form.components[1].className, L"TFileOpenDialog");
  EXPECT_EQ(form.components[1].properties.size(), 2u);
}

TEST(WindowDefinition, ReadsTheExtremesOfA32BitInteger) {
  const ObjectDefinition form = ParseWindowDefinition("F: T { A = 2147483647 B = -2147483648 }");
  EXPECT_EQ(form.properties.at(0).value.integer, INT32_MAX);
  EXPECT_EQ(form.properties.at(1).value.integer, INT32_MIN);
}

TEST(WindowDefinition, MalformedTextIsAnErrorNamingItsLine) {
  const struct {
    const char* text;
    const wchar_t* message;
  } cases[] = {
      {"", L"line 1: expected a component name"},
      {"Form1 TForm1 {}", L"line 1: expected \":\""},
      {"Form1: {}", L"line 1: expected a class name"},
      {"Form1: TForm1 {\n  Caption = \"open\n}", L"line 2: unterminated string"},
      {"Form1: TForm1 {\n  Width = 12", L"line 2: missing \"}\""},
      {"Form1: TForm1 {\n\n  Width 12\n}", L"line 3: expected \"=\""},
      {"Form1: TForm1 {\n  Width = 2147483648\n}", L"line 2: number out of range"},
      {"Form1: TForm1 {\n  Width = -\n}", L"line 2: expected a digit"},
      {"Form1: TForm1 {\n  Width = 99999999999999999999999\n}", L"line 2: number out of range"},
      {"Form1: TForm1 {\n  Set = [a,]\n}", L"line 2: expected a set member"},
      {"Form1: TForm1 {\n  Set = [a b]\n}", L"line 2: expected \"]\""},
      {"Form1: TForm1 {\n  Text = \"a\\n\"\n}", L"line 2: unknown escape in string"},
      {"Form1: TForm1 {\n  Text = \"\xC3\"\n}", L"line 2: string is not valid UTF-8"},
      {"Form1: TForm1 {\n  Text = \"\xED\xA0\x80\"\n}", L"line 2: string is not valid UTF-8"},
      {"Form1: TForm1 {\n  Text = \"\xC0\xAF\"\n}", L"line 2: string is not valid UTF-8"},
      {"Form1: TForm1 {\n  Font. = 1\n}", L"line 2: expected a property name after \".\""},
      {"Form1: TForm1 {}\nForm2: TForm2 {}", L"line 2: text after the end of the definition"},
      {"Form1: TForm1 {\n  @ = 1\n}", L"line 2: expected a property or component name"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RaisedMessage<EParserError>([&] { ParseWindowDefinition(c.text); }),
              std::wstring(L"Window definition, ") + c.message)
        << c.text;
  }
}

TEST(WindowDefinition, DeepNestingIsRefusedNotRecursedInto) {
  std::string text;
  for (int i = 0; i < 100000; ++i) text += "A: T {";
  EXPECT_THROW(ParseWindowDefinition(text), EParserError);
}

} // namespace
