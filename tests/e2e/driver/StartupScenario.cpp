// The test program: the box of a failed start-up and exit code 1.

#include <optional>
#include <string>
#include <string_view>

#include "MainWindow.h"
#include "ProbeWindow.h"
#include "support/MessageBoxQuery.h"
#include "support/WindowQuery.h"

namespace e2e {

namespace {

struct StartupCase {
  const char* name;
  std::wstring_view option;
  std::wstring_view exceptionClass;
  // As shown, with the period rule applied.
  std::wstring_view message;
};

constexpr StartupCase cases[] = {
    {"form without definition", L"--startup=undefined", L"EResNotFound", L"Resource TUndefinedForm not found."},
    {"handler not published", L"--startup=misbound", L"EReadError", L"Invalid property value."},
};

// Two hexadecimal digits per byte of a code address of the process.
int AddressDigits(const Process& process) {
  BOOL emulated = FALSE;
  if (IsWow64Process(process.Handle(), &emulated) && emulated) return 8;
  return static_cast<int>(sizeof(void*)) * 2;
}

// The address differs from build to build: one in the expected form becomes a placeholder, anything else
// stays and fails the comparison.
std::wstring MaskAddress(const std::wstring& text, int digits) {
  constexpr std::wstring_view before = L" at ";
  constexpr std::wstring_view after = L".\r\n";
  const std::size_t start = text.find(before);
  if (start == std::wstring::npos) return text;
  const std::size_t first = start + before.size();
  const std::size_t end = first + static_cast<std::size_t>(digits);
  if (text.size() < end || text.compare(end, after.size(), after) != 0) return text;
  for (std::size_t i = first; i < end; ++i) {
    const wchar_t c = text[i];
    if (!((c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'F'))) return text;
  }
  return text.substr(0, first) + L"<address>" + text.substr(end);
}

// Line breaks spelt out, so that a failure prints on one line.
std::wstring Visible(std::wstring_view text) {
  std::wstring visible;
  for (const wchar_t c : text) {
    if (c == L'\r') {
      visible += L"\\r";
    } else if (c == L'\n') {
      visible += L"\\n";
    } else {
      visible += c;
    }
  }
  return visible;
}

void RunCase(Checker& check, const std::wstring& program, const StartupCase& startupCase) {
  const Process process = Process::Launch(program, {SW_SHOWNORMAL, std::wstring(startupCase.option)});
  const HWND box = RequireDialog(check, process, "the start-up error box appears");

  check.Equal(std::wstring(L"Application Error"), Text(box), "caption of the box");
  check.Equal<HWND>(nullptr, Owner(box), "owner of the box");
  const std::wstring expected = L"Exception " + std::wstring(startupCase.exceptionClass) + L" in module " +
                                std::wstring(probeModule) + L" at <address>.\r\n" + std::wstring(startupCase.message) +
                                L"\r\n";
  const std::optional<std::wstring> text = MessageBoxText(box);
  check.Equal(Visible(expected), text ? Visible(MaskAddress(*text, AddressDigits(process))) : L"(no text control)",
              "text of the box, address as " + std::to_string(AddressDigits(process)) + " upper-case hex digits");
  for (HWND window : TopLevelWindows(process.Id())) {
    if (window != box && IsWindowVisible(window)) check.Fail("no other visible window", "none", Describe(window));
  }
  const HWND ok = CheckErrorBoxControls(check, box);

  check.Require(true, PostMessageW(ok, BM_CLICK, 0, 0) != FALSE, "BM_CLICK posted to OK");
  check.Equal(true, process.WaitForExit(exitTimeout), "process exits after OK");
  check.Equal(std::optional<DWORD>(1), process.ExitCode(), "exit code");
}

} // namespace

void StartupScenario(Checker& check, const std::wstring& program) {
  // Each case starts a process of its own.
  for (const StartupCase& startupCase : cases) {
    check.RunCase(startupCase.name, [&] { RunCase(check, program, startupCase); });
  }
}

} // namespace e2e
