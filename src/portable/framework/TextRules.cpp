#include "TextRules.h"

#include <cstdint>

std::wstring_view FileNameFromPath(std::wstring_view path) noexcept {
  // The system's module paths use "\\" alone, so "/" is part of a name here.
  const std::size_t slash = path.find_last_of(L'\\');
  return slash == std::wstring_view::npos ? path : path.substr(slash + 1);
}

std::wstring DefaultTitleFromPath(std::wstring_view modulePath, void (*lower)(std::wstring&)) {
  std::wstring_view name = FileNameFromPath(modulePath);
  name = name.substr(0, name.find(L'.'));
  if (name.empty()) return {};
  std::wstring rest{name.substr(1)};
  lower(rest);
  return name.front() + rest;
}

std::wstring WithClosingPeriod(std::wstring text) {
  if (!text.empty() && text.back() > L'.') text += L'.';
  return text;
}

std::wstring StartupErrorText(std::wstring_view className, std::wstring_view moduleName, std::wstring_view address,
                              std::wstring_view message) {
  std::wstring text = L"Exception ";
  text.append(className).append(L" in module ").append(moduleName).append(L" at ").append(address);
  text.append(L".\r\n").append(message);
  // Not the error box's rule: this report is the runtime's last resort, for failures before the application
  // object reports anything, and only a final "." keeps it from adding one ("Stop!" becomes "Stop!.").
  if (!message.empty() && message.back() != L'.') text += L'.';
  text += L"\r\n";
  return text;
}

std::wstring FormatAddress(std::uintptr_t address, std::size_t pointerSize) {
  static constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
  std::wstring text(pointerSize * 2, L'0');
  for (auto digit = text.rbegin(); digit != text.rend(); ++digit, address >>= 4) *digit = kDigits[address & 0xF];
  return text;
}
