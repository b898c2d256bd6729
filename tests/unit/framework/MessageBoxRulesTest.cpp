#include <gtest/gtest.h>

#include "MessageBoxRules.h"

namespace {

TEST(MessageBoxRoute, TaskDialogOnlyWithEverythingItNeeds) {
  const MessageBoxRouteInputs usual{10, true, 6, 10, true, true};
  const struct {
    const char* name;
    MessageBoxRouteInputs inputs;
    bool taskDialog;
  } cases[] = {
      {"Windows 10, common controls 6.10", usual, true},
      {"Vista, common controls 6.0", {6, true, 6, 0, true, true}, true},
      {"Windows XP", {5, true, 6, 0, true, true}, false},
      {"common controls 5.82", {10, true, 5, 82, true, true}, false},
      {"no common controls found", {10, true, 0, 0, true, true}, false},
      {"latest dialogs switched off", {10, false, 6, 10, true, true}, false},
      {"styled form, style engine draws dialogs", {10, true, 6, 10, true, false}, false},
      {"styled form, style engine leaves dialogs", {10, true, 6, 10, false, false}, true},
  };
  for (const auto& c : cases) EXPECT_EQ(UseTaskDialogRoute(c.inputs), c.taskDialog) << c.name;
}

TEST(MessageBoxPosition, CentresOnTheWorkAreaWithHalvesTruncatedTowardZero) {
  const struct {
    const char* name;
    TRect work;
    std::int32_t width, height, x, y;
    TPoint expected;
  } cases[] = {
      {"primary with a taskbar below", {0, 0, 1280, 984}, 300, 151, -1, -1, {490, 416}},
      {"work area offset by a bar", {48, 32, 1280, 984}, 301, 150, -1, -1, {513, 433}},
      {"monitor left of the primary", {-1920, 0, 0, 1040}, 300, 150, -1, -1, {-1110, 445}},
      {"box wider than the work area", {0, 0, 200, 200}, 301, 100, -1, -1, {-50, 50}},
      {"odd negative remainder", {0, 0, 100, 100}, 103, 100, -1, -1, {-1, 0}},
      {"explicit coordinates are kept", {0, 0, 1280, 984}, 300, 150, 10, -2, {10, -2}},
      {"only x centred", {0, 0, 1280, 984}, 300, 150, -1, 7, {490, 7}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MessageBoxPosition(c.work, c.width, c.height, c.x, c.y), c.expected) << c.name;
  }
}

TEST(MessageBoxClipboardText, HoldsCaptionTextAndButtonsBetweenRules) {
  EXPECT_EQ(MessageBoxClipboardText(L"Pellacord", L"Alles klar", {L"OK"}), L"---------------------------\r\n"
                                                                           L"Pellacord\r\n"
                                                                           L"---------------------------\r\n"
                                                                           L"Alles klar\r\n"
                                                                           L"---------------------------\r\n"
                                                                           L"OK   \r\n"
                                                                           L"---------------------------\r\n");
  EXPECT_EQ(MessageBoxClipboardText(L"T", L"Two\r\nlines", {L"&Yes", L"&No"}),
            L"---------------------------\r\nT\r\n---------------------------\r\nTwo\r\nlines\r\n"
            L"---------------------------\r\nYes   No   \r\n---------------------------\r\n");
}

} // namespace
