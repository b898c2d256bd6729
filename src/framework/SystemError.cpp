#include "SystemError.h"

#include <memory>

namespace {

struct LocalFreer {
  void operator()(wchar_t* text) const noexcept { LocalFree(text); }
};

// By hand: std::to_wstring would bring the C runtime's whole printf family into the image.
std::wstring Decimal(DWORD value) {
  std::wstring digits;
  do {
    digits.insert(digits.begin(), static_cast<wchar_t>(L'0' + value % 10));
    value /= 10;
  } while (value != 0);
  return digits;
}

} // namespace

std::wstring OSErrorMessage(const std::wstring& what, DWORD code) {
  wchar_t* buffer = nullptr;
  const DWORD length =
      FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  const std::unique_ptr<wchar_t, LocalFreer> owned(buffer);
  std::wstring text(buffer ? buffer : L"", buffer ? length : 0);
  // The system's texts end in a line break, which the error box would show as an empty line.
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) text.pop_back();
  if (text.empty()) text = L"system error " + Decimal(code);
  return what + L": " + text;
}
