#include "Clipboard.h"

#include <windows.h>

#include <stdexcept>

#include "Text.h"

namespace e2e {

namespace {

// Open while it lives; another process may hold the clipboard for a moment, so opening is allowed to fail.
class OpenedClipboard {
public:
  OpenedClipboard() : open_(OpenClipboard(nullptr) != FALSE) {}
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
  ~OpenedClipboard() {
    if (open_) CloseClipboard();
  }

  explicit operator bool() const noexcept { return open_; }

private:
  bool open_;
};

// The memory stays the clipboard's; it is locked only while it is copied.
class LockedText {
public:
  explicit LockedText(HANDLE memory) : memory_(memory), text_(static_cast<const wchar_t*>(GlobalLock(memory))) {}
  LockedText(const LockedText&) = delete;
  LockedText& operator=(const LockedText&) = delete;
  ~LockedText() {
    if (text_ != nullptr) GlobalUnlock(memory_);
  }

  const wchar_t* get() const noexcept { return text_; }

private:
  HANDLE memory_;
  const wchar_t* text_;
};

} // namespace

void ClearClipboard() {
  const OpenedClipboard clipboard;
  if (!clipboard) throw std::runtime_error("cannot open the clipboard: " + DescribeError(GetLastError()));
  if (!EmptyClipboard()) throw std::runtime_error("cannot empty the clipboard: " + DescribeError(GetLastError()));
}

std::optional<std::wstring> ClipboardText() {
  const OpenedClipboard clipboard;
  if (!clipboard) return std::nullopt;
  const HANDLE memory = GetClipboardData(CF_UNICODETEXT);
  if (memory == nullptr) return std::nullopt;
  const LockedText text(memory);
  if (text.get() == nullptr) return std::nullopt;
  return std::wstring(text.get());
}

} // namespace e2e
