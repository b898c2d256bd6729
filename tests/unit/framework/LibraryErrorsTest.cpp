#include <gtest/gtest.h>

#include <algorithm>
#include <cstdarg>
#include <cstddef>
#include <iterator>
#include <string>

#include "Exceptions.h"
#include "LibraryErrorFormat.h"
#include "LibraryErrors.h"
#include "RaisedMessage.h"

namespace {

// The formatter's text and length, into a buffer of `size` bytes.
struct Filled {
  std::string text;
  std::size_t length;
};

Filled Format(std::size_t size, const char* format, ...) {
  char buffer[128];
  std::fill(std::begin(buffer), std::end(buffer), '#');
  va_list arguments;
  va_start(arguments, format);
  const std::size_t length = FormatLibraryErrorText(buffer, size, format, arguments);
  va_end(arguments);
  return {std::string(buffer), length};
}

TEST(FormatLibraryErrorText, FillsInTheLibrarysFormats) {
  const Filled at = Format(128, "%s: __pos (which is %zu) > this->size() (which is %zu)", "basic_string::substr",
                           std::size_t{42}, std::size_t{0});
  EXPECT_EQ(at.text, "basic_string::substr: __pos (which is 42) > this->size() (which is 0)");
  EXPECT_EQ(at.length, at.text.size());
  EXPECT_EQ(Format(128, "at: __n (which is %zu) >= this->size() (which is %zu)", ~std::size_t{0}, std::size_t{7}).text,
            "at: __n (which is " + std::to_string(~std::size_t{0}) + ") >= this->size() (which is 7)");
  EXPECT_EQ(Format(128, "100%% of %s", "nothing").text, "100% of nothing");
}

TEST(FormatLibraryErrorText, LeavesWhatItDoesNotKnowAndAbsentTextsReadable) {
  EXPECT_EQ(Format(128, "%d and %z and %").text, "%d and %z and %");
  EXPECT_EQ(Format(128, "%s!", static_cast<const char*>(nullptr)).text, "(null)!");
  EXPECT_EQ(Format(128, nullptr).text, "");
  EXPECT_EQ(Format(128, "").length, 0u);
}

TEST(FormatLibraryErrorText, CutsToTheBufferAndAlwaysTerminates) {
  const Filled cut = Format(8, "%s: %zu", "vector::_M_range_check", std::size_t{12345});
  EXPECT_EQ(cut.text, "vector:");
  EXPECT_EQ(cut.length, 7u);
  EXPECT_EQ(Format(8, "%zu", std::size_t{123456789}).text, "1234567");
  EXPECT_EQ(Format(1, "anything").text, "");
}

TEST(RaiseLibraryError, RaisesTheFrameworksErrorWithTheLibrarysText) {
  EXPECT_EQ(RaisedMessage<ELibraryError>([] { RaiseLibraryError("vector::reserve"); }), L"vector::reserve");
  EXPECT_EQ(RaisedMessage<ELibraryError>([] { RaiseLibraryError(nullptr); }), L"");
  try {
    RaiseLibraryError("basic_string::_M_create");
  } catch (const Exception& error) {
    // The report shows any of the framework's errors; this one names its own class at start-up.
    EXPECT_EQ(std::wstring(error.ClassName()), L"ELibraryError");
    EXPECT_EQ(error.ToString(), L"basic_string::_M_create");
  }
}

TEST(RaiseOutOfMemory, RaisesOutOfMemoryThatNeedsNoMemory) {
  EXPECT_EQ(RaisedMessage<EOutOfMemory>([] { RaiseOutOfMemory(); }), L"Out of memory");
  const EOutOfMemory first;
  const EOutOfMemory second;
  EXPECT_EQ(first.ToString(), L"Out of memory");
  EXPECT_EQ(std::wstring(first.ClassName()), L"EOutOfMemory");
  // The text is the one static copy, not a string made for each error.
  EXPECT_EQ(first.Message().data(), second.Message().data());
}

} // namespace
