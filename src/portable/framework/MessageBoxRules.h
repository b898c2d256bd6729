#pragma once
// The message box's parts that need no Windows: the buttons both of its routes are given, which route it takes,
// where a box is centred and what Ctrl+C copies from it.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Types.h"

struct DialogButton {
  int modalResult;
  std::wstring caption;
};

// What decides between the system's task dialog and the framework's own message form.
struct MessageBoxRouteInputs {
  std::uint32_t windowsMajor = 0;
  bool useLatestCommonDialogs = true;
  std::uint32_t commonControlsMajor = 0; // file version of the loaded common-controls library
  std::uint32_t commonControlsMinor = 0;
  bool dialogsStyleHooked = true; // the style engine draws dialogs
  bool activeFormHasSystemStyle = true;
};

bool UseTaskDialogRoute(const MessageBoxRouteInputs& inputs) noexcept;

// Where a box of the given size goes: a requested coordinate of exactly -1 is centred on the work area
// (CentredIn), any other is taken as it is.
TPoint MessageBoxPosition(const TRect& workArea, std::int32_t boxWidth, std::int32_t boxHeight, std::int32_t x,
                          std::int32_t y) noexcept;

// What Ctrl+C copies from a message box: caption, text and button captions between rules of dashes.
std::wstring MessageBoxClipboardText(std::wstring_view caption, std::wstring_view message,
                                     const std::vector<std::wstring>& buttonCaptions);
