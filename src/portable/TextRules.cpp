#include "TextRules.h"

#include <cstdint>

std::wstring DefaultTitleFromPath(std::wstring_view modulePath, void (*lower)(std::wstring&)) {
  const std::size_t slash = modulePath.find_last_of(L'\\');
  std::wstring_view name = slash == std::wstring_view::npos ? modulePath : modulePath.substr(slash + 1);
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
