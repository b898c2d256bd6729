#include "HostCommand.h"

#include <windows.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "Handle.h"
#include "Text.h"
#include "Wait.h"
#include "WineHost.h"

namespace e2e {

namespace {

// Runs the command given after the status file's path, then writes its exit status whole under another name
// first, so that the driver never reads half a file.
constexpr wchar_t statusShell[] =
    LR"(status=$1; shift; "$@"; code=$?; echo "$code" >"$status.part"; mv -f "$status.part" "$status")";

// A name in the temporary directory that is ours until the object goes; the file itself is made by the
// host command.
class StatusFile {
public:
  StatusFile() {
    wchar_t directory[MAX_PATH]{};
    wchar_t file[MAX_PATH]{};
    if (GetTempPathW(MAX_PATH, directory) == 0 || GetTempFileNameW(directory, L"cmd", 0, file) == 0) {
      throw std::runtime_error("no temporary file: " + DescribeError(GetLastError()));
    }
    path_ = file;
    // GetTempFileName created it; its appearance is the signal, so it must not exist yet.
    DeleteFileW(path_.c_str());
  }
  StatusFile(const StatusFile&) = delete;
  StatusFile& operator=(const StatusFile&) = delete;
  ~StatusFile() {
    DeleteFileW(path_.c_str());
    DeleteFileW((path_ + L".part").c_str());
  }

  const std::wstring& Path() const noexcept { return path_; }

private:
  std::wstring path_;
};

std::string ReadWhole(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

std::wstring QuoteArgument(const std::wstring& argument) {
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    // Backslashes are literal unless a quote follows them: then each is doubled and the quote escaped.
    quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  // The closing quote follows, so trailing backslashes are doubled too.
  quoted.append(2 * backslashes, L'\\');
  return quoted + L"\"";
}

int RunHostCommand(const std::vector<std::wstring>& arguments, std::chrono::milliseconds timeout) {
  if (arguments.empty()) throw std::invalid_argument("RunHostCommand: no program");
  const StatusFile statusFile;
  std::wstring commandLine =
      L"/bin/sh -c " + QuoteArgument(statusShell) + L" sh " + QuoteArgument(UnixPathOfWindowsPath(statusFile.Path()));
  for (const std::wstring& argument : arguments) commandLine += L" " + QuoteArgument(argument);

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    throw std::runtime_error("cannot run " + ToUtf8(commandLine) + ": " + DescribeError(GetLastError()));
  }
  const UniqueHandle process(info.hProcess);
  const UniqueHandle thread(info.hThread);

  std::string status;
  if (!WaitFor(timeout, [&] { return !(status = ReadWhole(statusFile.Path())).empty(); })) {
    throw std::runtime_error("no exit status from " + ToUtf8(commandLine));
  }
  try {
    return std::stoi(status);
  } catch (const std::exception&) {
    throw std::runtime_error("unreadable exit status \"" + status + "\" from " + ToUtf8(commandLine));
  }
}

} // namespace e2e
