#include "SystemError.h"

#include <memory>

namespace {

struct LocalFreer {
  void operator()(wchar_t* text) const noexcept { LocalFree(text); }
};

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
  if (text.empty()) text = L"system error " + std::to_wstring(code);
  return what + L": " + text;
}
