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

TEST(MessageBoxPosition, CentresOnlyTheCoordinatesRequestedAsMinusOne) {
  const TRect work{48, 32, 1280, 984};
  const struct {
    const char* name;
    std::int32_t x, y;
    TPoint expected;
  } cases[] = {
      {"both centred", -1, -1, {513, 433}},
      {"explicit coordinates are kept", 10, -2, {10, -2}},
      {"only x centred", -1, 7, {513, 7}},
      {"only y centred", 0, -1, {0, 433}},
  };
  for (const auto& c : cases) EXPECT_EQ(MessageBoxPosition(work, 301, 150, c.x, c.y), c.expected) << c.name;
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
