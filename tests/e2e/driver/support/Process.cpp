#include "Process.h"

#include <stdexcept>
#include <vector>

#include "Text.h"
#include "WineHost.h"

namespace e2e {

namespace {

std::runtime_error LastError(const std::string& what) {
  return std::runtime_error(what + ": " + DescribeError(GetLastError()));
}

UniqueHandle OpenNul() {
  SECURITY_ATTRIBUTES security{sizeof security, nullptr, TRUE};
  UniqueHandle nul(CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &security,
                               OPEN_EXISTING, 0, nullptr));
  if (!nul) throw LastError("cannot open NUL");
  return nul;
}

DWORD Milliseconds(std::chrono::milliseconds timeout) { return static_cast<DWORD>(timeout.count()); }

} // namespace

Process Process::Launch(const std::wstring& program, const LaunchOptions& options) {
  const UniqueHandle nul = OpenNul();
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = nul.get();
  startup.hStdOutput = nul.get();
  startup.hStdError = nul.get();
  if (options.showCommand) {
    startup.dwFlags |= STARTF_USESHOWWINDOW;
    startup.wShowWindow = *options.showCommand;
  }
  std::wstring commandLine = L"\"" + program + L"\"";
  if (!options.arguments.empty()) commandLine += L" " + options.arguments;
  PROCESS_INFORMATION info{};
  // Handles are inherited only for the NUL standard handles; the driver opens nothing else inheritable.
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                      &info)) {
    throw LastError("cannot start " + ToUtf8(program));
  }
  const UniqueHandle thread(info.hThread);
  return Process(UniqueHandle(info.hProcess), info.dwProcessId);
}

Process::~Process() {
  if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) Terminate();
}

bool Process::WaitForExit(std::chrono::milliseconds timeout) const {
  return WaitForSingleObject(process_.get(), Milliseconds(timeout)) == WAIT_OBJECT_0;
}

std::optional<DWORD> Process::ExitCode() const {
  if (!WaitForExit(std::chrono::milliseconds(0))) return std::nullopt;
  DWORD code = 0;
  if (!GetExitCodeProcess(process_.get(), &code)) throw LastError("cannot read the exit code");
  return code;
}

bool Process::WaitUntilIdle(std::chrono::milliseconds timeout) const {
  return WaitForInputIdle(process_.get(), Milliseconds(timeout)) == 0;
}

void Process::Terminate() const noexcept {
  TerminateProcess(process_.get(), 255);
  WaitForSingleObject(process_.get(), 10000);
}

std::wstring ResolveProgramPath(const std::wstring& argument) {
  // A Unix path, as a test runner on the host passes it; a Windows path never starts with "/".
  const std::wstring path = argument.starts_with(L'/') ? WindowsPathOfUnixPath(argument) : argument;
  const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) throw LastError("bad path " + ToUtf8(path));
  std::vector<wchar_t> full(size);
  GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
  std::wstring result(full.data());
  if (GetFileAttributesW(result.c_str()) == INVALID_FILE_ATTRIBUTES) throw LastError("no program at " + ToUtf8(result));
  return result;
}

} // namespace e2e
