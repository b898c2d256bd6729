#pragma once
// The clipboard of the Wine session, which the driver shares with the program under test.

#include <optional>
#include <string>

namespace e2e {

// Empties the clipboard, so that text found there later was put there since; throws when it cannot.
void ClearClipboard();

// The clipboard's Unicode text; nothing when it holds none or is open in another process.
std::optional<std::wstring> ClipboardText();

} // namespace e2e
