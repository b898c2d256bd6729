#include "Keyboard.h"

#include <windows.h>

#include <chrono>
#include <fstream>
#include <stdexcept>
#include <string>

#include "Handle.h"
#include "Text.h"
#include "Wait.h"
#include "WineHost.h"

namespace e2e {

namespace {

constexpr std::chrono::milliseconds pressTimeout = 10s;

std::wstring HelperScript() {
  wchar_t path[MAX_PATH]{};
  const DWORD length = GetEnvironmentVariableW(L"PELLACORD_PRESS_KEYS", path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) throw std::runtime_error("PELLACORD_PRESS_KEYS is not set");
  return path;
}

// An empty file whose name is ours until the object deletes it.
class TemporaryFile {
public:
  TemporaryFile() {
    wchar_t directory[MAX_PATH]{};
    wchar_t file[MAX_PATH]{};
    if (GetTempPathW(MAX_PATH, directory) == 0 || GetTempFileNameW(directory, L"key", 0, file) == 0) {
      throw std::runtime_error("no temporary file: " + DescribeError(GetLastError()));
    }
    path_ = file;
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() { DeleteFileW(path_.c_str()); }

  const std::wstring& Path() const noexcept { return path_; }

private:
  std::wstring path_;
};

std::string ReadWhole(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

void PressKeys(const std::wstring& windowCaption, const std::wstring& keys) {
  const TemporaryFile statusFile;
  std::wstring commandLine = L"\"" + HelperScript() + L"\" \"" + UnixPathOfWindowsPath(statusFile.Path()) + L"\" \"" +
                             windowCaption + L"\" \"" + keys + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  // Wine starts a Unix program given by its Unix path, but hands back no handle to wait on.
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    throw std::runtime_error("cannot run " + ToUtf8(commandLine) + ": " + DescribeError(GetLastError()));
  }
  const UniqueHandle process(info.hProcess);
  const UniqueHandle thread(info.hThread);

  std::string status;
  WaitFor(pressTimeout, [&] { return !(status = ReadWhole(statusFile.Path())).empty(); });
  if (status.empty()) throw std::runtime_error("no answer from " + ToUtf8(commandLine));
  if (status == "124\n") {
    throw std::runtime_error("the X input focus did not reach the window " + ToUtf8(windowCaption) + " to press " +
                             ToUtf8(keys));
  }
  if (status != "0\n") throw std::runtime_error("xdotool key " + ToUtf8(keys) + " exited with status " + status);
}

} // namespace e2e
