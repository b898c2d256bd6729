#pragma once
// The program under test as a process of its own.

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

#include "Handle.h"

namespace e2e {

struct LaunchOptions {
  // The show command handed over with STARTF_USESHOWWINDOW; none leaves the flag out.
  std::optional<WORD> showCommand;
  // Appended to the quoted program path, as they stand.
  std::wstring arguments;
};

// Owns a launched process: a process still running when its owner goes, because a check failed or the
// scenario ended, is terminated, so that no scenario leaves windows behind for the next.
class Process {
public:
  // Starts `program` with NUL standard handles: Wine's helpers that it starts would otherwise hold the test
  // runner's output pipe open.
  static Process Launch(const std::wstring& program, const LaunchOptions& options = {});

  Process(Process&&) noexcept = default;
  Process& operator=(Process&&) = delete;
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  ~Process();

  DWORD Id() const noexcept { return id_; }
  HANDLE Handle() const noexcept { return process_.get(); }

  bool WaitForExit(std::chrono::milliseconds timeout) const;
  // The exit code once the process has ended; nothing while it runs.
  std::optional<DWORD> ExitCode() const;
  // Waits until the process waits for input with nothing queued: the state that the last event left.
  bool WaitUntilIdle(std::chrono::milliseconds timeout) const;
  void Terminate() const noexcept;

private:
  Process(UniqueHandle process, DWORD id) noexcept : process_(std::move(process)), id_(id) {}

  UniqueHandle process_;
  DWORD id_ = 0;
};

// The full Windows path of the program argument, which may be a Unix path under Wine; throws when there is
// no file.
std::wstring ResolveProgramPath(const std::wstring& argument);

} // namespace e2e
