#include "Measure.h"

#include <windows.h>

#include <stdexcept>

#include "support/Handle.h"
#include "support/Text.h"

namespace bench {

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// Limits that only a broken program reaches; the figures themselves are far below them.
constexpr auto kStartLimit = 60s;
constexpr auto kStateLimit = 20s;
constexpr auto kExitLimit = 20s;
// Polling as finely as the system sleeps: the waits are what is measured.
constexpr DWORD kPollMilliseconds = 1;

double Milliseconds(Clock::duration duration) { return std::chrono::duration<double, std::milli>(duration).count(); }

std::runtime_error Failure(const Target& target, const std::string& what) {
  return std::runtime_error(target.name + ": " + what);
}

template <typename Condition> bool PollUntil(Clock::duration limit, Condition&& condition) {
  const auto deadline = Clock::now() + limit;
  while (!condition()) {
    if (Clock::now() >= deadline) return false;
    Sleep(kPollMilliseconds);
  }
  return true;
}

// The started program, ended by force if a round stops before it has ended by itself.
class Child {
public:
  Child(e2e::UniqueHandle process, DWORD id) : process_(std::move(process)), id_(id) {}
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;
  ~Child() {
    if (WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_.get(), 255);
      WaitForSingleObject(process_.get(), 10000);
    }
  }
  HANDLE Handle() const noexcept { return process_.get(); }
  DWORD Id() const noexcept { return id_; }

private:
  e2e::UniqueHandle process_;
  DWORD id_;
};

struct WindowSearch {
  DWORD processId;
  const std::wstring* windowClass;
  HWND found;
};

BOOL CALLBACK FindVisibleOfClass(HWND window, LPARAM parameter) {
  auto& search = *reinterpret_cast<WindowSearch*>(parameter);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  wchar_t name[256]{};
  if (processId != search.processId || !IsWindowVisible(window) ||
      GetClassNameW(window, name, static_cast<int>(std::size(name))) == 0 || *search.windowClass != name) {
    return TRUE;
  }
  search.found = window;
  return FALSE;
}

HWND VisibleWindowOf(DWORD processId, const std::wstring& windowClass) {
  WindowSearch search{processId, &windowClass, nullptr};
  EnumWindows(FindVisibleOfClass, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND ChildWithText(HWND parent, const wchar_t* text) {
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t caption[64]{};
    GetWindowTextW(child, caption, static_cast<int>(std::size(caption)));
    if (std::wstring_view(caption) == text) return child;
  }
  return nullptr;
}

// Sent, so it returns only once the window's thread has taken it from its queue.
bool Answers(HWND window, Clock::duration limit) {
  DWORD_PTR result = 0;
  const auto timeout = static_cast<UINT>(std::chrono::duration_cast<std::chrono::milliseconds>(limit).count());
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, timeout, &result) != 0;
}

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

bool IsFramedAt(HWND window, const RECT& rect) {
  RECT now{};
  return (GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION && GetWindowRect(window, &now) &&
         SameRect(now, rect);
}

bool IsBorderlessAt(HWND window, const RECT& rect) {
  RECT now{};
  return (GetWindowLongPtrW(window, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME)) == 0 && GetWindowRect(window, &now) &&
         SameRect(now, rect);
}

std::wstring Quoted(const std::wstring& path) { return L"\"" + path + L"\""; }

// From sending the button's click notification to its window until the command has returned and the window
// has painted everything the command left invalid. Both waits block on the program's thread, not on a clock:
// the notification is sent, so it returns once the handler has; the forced update then has the program's
// thread paint, by sent WM_PAINT, every window of the tree that still needs it.
double TimeToggle(const Target& target, HWND window, HWND button) {
  const auto started = Clock::now();
  DWORD_PTR result = 0;
  if (SendMessageTimeoutW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                          reinterpret_cast<LPARAM>(button), SMTO_NORMAL,
                          static_cast<UINT>(std::chrono::milliseconds(kStateLimit).count()), &result) == 0) {
    throw Failure(target, "the click on \"Fullscreen\" is not answered");
  }
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  return Milliseconds(Clock::now() - started);
}

} // namespace

Sample MeasureOnce(const Target& target, const MeasureOptions& options) {
  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  // NUL standard handles: Wine's helpers started by the program would otherwise hold the caller's pipes.
  const e2e::UniqueHandle nul(CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                          &inheritable, OPEN_EXISTING, 0, nullptr));
  if (!nul) throw Failure(target, "cannot open NUL");
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = startup.hStdOutput = startup.hStdError = nul.get();
  std::wstring commandLine = Quoted(target.path) + (target.arguments.empty() ? L"" : L" " + target.arguments);
  PROCESS_INFORMATION info{};

  Sample sample;
  const auto started = Clock::now();
  if (!CreateProcessW(target.path.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                      &info)) {
    throw Failure(target, "cannot start: " + e2e::DescribeError(GetLastError()));
  }
  const e2e::UniqueHandle thread(info.hThread);
  const Child child(e2e::UniqueHandle(info.hProcess), info.dwProcessId);

  // Blocks without polling until the program first waits for input; it may not have shown its window yet.
  WaitForInputIdle(child.Handle(), static_cast<DWORD>(std::chrono::milliseconds(kStartLimit).count()));
  HWND window = nullptr;
  if (!PollUntil(kStartLimit, [&] { return (window = VisibleWindowOf(child.Id(), target.windowClass)) != nullptr; })) {
    throw Failure(target, "no visible main window");
  }
  if (!Answers(window, kStartLimit)) throw Failure(target, "main window does not answer");
  sample.startupMs = Milliseconds(Clock::now() - started);
  sample.afterStartup = ReadMemory(child.Handle());
  CpuClock cpu(child.Id());
  const std::uint64_t before = cpu.Read();
  sample.startupCpuMs = static_cast<double>(before) / 10000.0;

  // The measurement interval: nothing is asked of the program meanwhile.
  Sleep(static_cast<DWORD>(options.idle.count()));
  sample.idleCpuMs = static_cast<double>(cpu.Read() - before) / 10000.0;
  sample.afterIdle = ReadMemory(child.Handle());

  const HWND fullscreen = ChildWithText(window, L"Fullscreen");
  if (fullscreen == nullptr) throw Failure(target, "no \"Fullscreen\" button");
  RECT framed{};
  MONITORINFO monitor{sizeof monitor};
  if (!GetWindowRect(window, &framed) ||
      !GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) {
    throw Failure(target, "cannot read the window's or its monitor's rectangle");
  }
  for (int i = 0; i < options.toggles; ++i) {
    sample.enterMs.push_back(TimeToggle(target, window, fullscreen));
    if (!IsBorderlessAt(window, monitor.rcMonitor)) {
      throw Failure(target, "the window does not cover its monitor after a click on \"Fullscreen\"");
    }
    sample.leaveMs.push_back(TimeToggle(target, window, fullscreen));
    if (!IsFramedAt(window, framed)) {
      throw Failure(target, "the window is not framed in its former place after the second click");
    }
  }

  PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(child.Handle(), static_cast<DWORD>(std::chrono::milliseconds(kExitLimit).count())) !=
      WAIT_OBJECT_0) {
    throw Failure(target, "does not end after WM_CLOSE");
  }
  DWORD exitCode = 0;
  GetExitCodeProcess(child.Handle(), &exitCode);
  if (exitCode != 0) throw Failure(target, "ended with exit code " + std::to_string(exitCode));
  return sample;
}

} // namespace bench
