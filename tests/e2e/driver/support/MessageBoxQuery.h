#pragma once
// A message box of another process as the user sees it: its text, its icon and its buttons. Under Wine the
// box is a plain dialog whose parts are child windows that user32 reads from outside.

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace e2e {

inline constexpr std::wstring_view dialogClass = L"#32770";

// The process's top-level dialog windows, shown or not.
std::vector<HWND> DialogWindows(DWORD processId);

// The text of the box: its Static with id 0xFFFF; nothing when it has none.
std::optional<std::wstring> MessageBoxText(HWND box);
// Its visible Static with SS_ICON; null when it has none.
HWND IconControl(HWND box);

// Which of the system's standard icons the control shows on screen ("error", "warning", "information",
// "question", "application"), or "unknown". Another process's icon handle cannot be read under Wine, so the
// control's pixels on screen are compared with the driver's own drawing of each icon where that is opaque.
std::wstring SystemIconShown(HWND control);

} // namespace e2e
