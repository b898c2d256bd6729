#include "SystemError.h"

#include <memory>

#include "Decimal.h"
#include "Exceptions.h"

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
  if (text.empty()) text = L"system error " + DecimalText(code);
  return what + L": " + text;
}

void RaiseLastOSError(std::initializer_list<std::wstring_view> what) {
  const DWORD code = GetLastError();
  std::wstring text;
  for (const std::wstring_view part : what) text.append(part);
  throw EOSError(OSErrorMessage(text, code));
}
