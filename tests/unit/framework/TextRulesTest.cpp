#include <gtest/gtest.h>

#include <cwctype>

#include "TextRules.h"

namespace {

void LowerAscii(std::wstring& text) {
  for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
}

// A text rule's input and what it gives.
struct TextCase {
  const wchar_t* input;
  const wchar_t* expected;
};

TEST(FileNameFromPath, IsWhatFollowsTheLastBackslash) {
  const TextCase cases[] = {
      {L"C:\\Programs\\Pellacord.exe", L"Pellacord.exe"},
      {L"\\\\server\\share\\dir.with.dots\\probe.exe", L"probe.exe"},
      {L"Bare.exe", L"Bare.exe"},
      {L"C:\\folder\\", L""},
      {L"", L""},
  };
  for (const auto& c : cases) EXPECT_EQ(std::wstring(FileNameFromPath(c.input)), c.expected) << c.input;
}

TEST(DefaultTitle, IsFileNameCutAtFirstDotWithTheRestLowered) {
  const TextCase cases[] = {
      {L"C:\\Programs\\ABC.EXE", L"Abc"},
      {L"C:\\abc.exe", L"abc"},
      {L"D:\\x\\a.b.c.exe", L"a"},
      {L"\\\\server\\share\\Pellacord.exe", L"Pellacord"},
      {L"C:\\dir.with.dots\\MixedCase.Exe", L"Mixedcase"},
      {L"C:\\noextension", L"noextension"},
      {L"Bare.exe", L"Bare"},
      {L"C:\\.hidden", L""},
      {L"", L""},
  };
  for (const auto& c : cases) EXPECT_EQ(DefaultTitleFromPath(c.input, LowerAscii), c.expected) << c.input;
}

TEST(DefaultTitle, LeavesTheFirstCharacterAsItIs) {
  EXPECT_EQ(DefaultTitleFromPath(L"C:\\aBC.exe", LowerAscii), L"abc");
  EXPECT_EQ(DefaultTitleFromPath(L"C:\\1ABC.exe", LowerAscii), L"1abc");
}

TEST(ErrorText, GetsAPeriodOnlyAfterCharactersAboveIt) {
  const TextCase cases[] = {
      {L"Integer overflow", L"Integer overflow."},
      {L"Done.", L"Done."},
      {L"Stop!", L"Stop!"},
      {L"Really?", L"Really?."},
      {L"Note:", L"Note:."},
      {L"Count 7", L"Count 7."},
      {L"a, b,", L"a, b,"},
      {L"dash -", L"dash -"},
      {L"(aside)", L"(aside)"},
      {L"trailing ", L"trailing "},
      {L"line\n", L"line\n"},
      {L"slash/", L"slash/."},
      {L"", L""},
  };
  for (const auto& c : cases) EXPECT_EQ(WithClosingPeriod(c.input), c.expected) << c.input;
}

TEST(StartupErrorText, FollowsTheLastResortFormat) {
  EXPECT_EQ(StartupErrorText(L"EResNotFound", L"Pellacord.exe", L"0040A1B2", L"Resource TForm1 not found"),
            L"Exception EResNotFound in module Pellacord.exe at 0040A1B2.\r\nResource TForm1 not found.\r\n");
  // Only a final "." is left alone here: unlike the error box, "!" gets the period too.
  EXPECT_EQ(StartupErrorText(L"E", L"m.exe", L"00000000", L"Stop!"),
            L"Exception E in module m.exe at 00000000.\r\nStop!.\r\n");
  EXPECT_EQ(StartupErrorText(L"E", L"m.exe", L"00000000", L"Done."),
            L"Exception E in module m.exe at 00000000.\r\nDone.\r\n");
  EXPECT_EQ(StartupErrorText(L"E", L"m.exe", L"00000000", L""), L"Exception E in module m.exe at 00000000.\r\n\r\n");
}

TEST(StartupErrorText, PrintsAddressesWithAllDigitsOfAPointer) {
  EXPECT_EQ(FormatAddress(0x401000, 4), L"00401000");
  EXPECT_EQ(FormatAddress(0xDEADBEEF, 4), L"DEADBEEF");
  EXPECT_EQ(FormatAddress(0x140001A2Bu, 8), L"0000000140001A2B");
}

} // namespace
