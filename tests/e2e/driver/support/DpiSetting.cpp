#include "DpiSetting.h"

#include <stdexcept>

#include "Handle.h"
#include "Text.h"

namespace e2e {

namespace {

constexpr wchar_t desktopKey[] = L"Control Panel\\Desktop";
constexpr wchar_t logPixels[] = L"LogPixels";

UniqueRegKey OpenDesktopKey() {
  HKEY key = nullptr;
  const LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, desktopKey, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                                         nullptr, &key, nullptr);
  if (status != ERROR_SUCCESS) {
    throw std::runtime_error("cannot open HKCU\\Control Panel\\Desktop: " +
                             DescribeError(static_cast<unsigned long>(status)));
  }
  return UniqueRegKey(key);
}

void SetLogPixels(HKEY key, DWORD value) {
  const LSTATUS status =
      RegSetValueExW(key, logPixels, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  if (status != ERROR_SUCCESS) {
    throw std::runtime_error("cannot set LogPixels: " + DescribeError(static_cast<unsigned long>(status)));
  }
}

} // namespace

ScopedLogPixels::ScopedLogPixels(DWORD dotsPerInch) {
  const UniqueRegKey key = OpenDesktopKey();
  DWORD value = 0;
  DWORD type = 0;
  DWORD size = sizeof value;
  if (RegQueryValueExW(key.get(), logPixels, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) == ERROR_SUCCESS &&
      type == REG_DWORD) {
    previous_ = value;
  }
  SetLogPixels(key.get(), dotsPerInch);
}

ScopedLogPixels::~ScopedLogPixels() {
  try {
    const UniqueRegKey key = OpenDesktopKey();
    if (previous_) {
      SetLogPixels(key.get(), *previous_);
    } else {
      RegDeleteValueW(key.get(), logPixels);
    }
  } catch (const std::exception&) {
    // The next session start writes 96 again; nothing better can be done from a destructor.
  }
}

} // namespace e2e
