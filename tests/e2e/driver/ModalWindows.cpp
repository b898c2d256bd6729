#include "ModalWindows.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "MainWindow.h"
#include "support/Mouse.h"
#include "support/Screenshot.h"
#include "support/Text.h"
#include "support/Wait.h"
#include "support/WindowQuery.h"
#include "support/XFocus.h"

namespace e2e {

namespace {

// Each window with its visibility, for a report of what is there instead.
std::string DescribeTopLevelWindows(DWORD processId) {
  std::string described;
  for (HWND window : TopLevelWindows(processId)) {
    if (!described.empty()) described += "; ";
    described += Describe(window) + (IsWindowVisible(window) ? ", visible" : ", hidden");
  }
  return described.empty() ? "none" : described;
}

} // namespace

Box CentredIn(const RECT& area, const Box& window) {
  return {area.left + (area.right - area.left - window.width) / 2,
          area.top + (area.bottom - area.top - window.height) / 2, window.width, window.height};
}

HWND RequireOpened(Checker& check, WindowCensus& census, std::string_view what) {
  HWND opened = nullptr;
  WaitFor(firstWindowTimeout, [&] {
    const std::vector<HWND> visible = census.Sample();
    opened = visible.empty() ? nullptr : visible.front();
    return opened != nullptr;
  });
  if (opened != nullptr) return opened;
  check.Fail(std::string(what) + " opens", "a visible top-level window besides the main window",
             "none; the process's top-level windows: " + DescribeTopLevelWindows(census.ProcessId()));
  throw ScenarioAborted();
}

void CheckClosed(Checker& check, WindowCensus& census, HWND window, std::string_view what) {
  const bool closed = WaitFor(stateTimeout, [&] {
    census.Sample();
    return !IsWindow(window);
  });
  check.Equal(true, closed, std::string(what) + " is destroyed");
}

void RequirePosted(Checker& check, HWND window, UINT message, WPARAM wParam, LPARAM lParam, std::string_view what) {
  check.Require(true, PostMessageW(window, message, wParam, lParam) != FALSE, std::string(what) + " posted");
}

void ClickButtonsBehind(Checker& check, HWND mainWindow, HWND modal, std::span<const std::wstring_view> captions) {
  RECT covered{};
  GetWindowRect(modal, &covered);
  for (const std::wstring_view caption : captions) {
    RECT button{};
    GetWindowRect(RequireChild(check, mainWindow, caption), &button);
    const POINT centre{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
    check.Require(false, PtInRect(&covered, centre) != FALSE, ToUtf8(caption) + " lies under the modal window");
    ClickAt(centre);
  }
}

void SaveSettledScreenshot(const Process& process, const wchar_t* name) {
  if (name == nullptr) return;
  process.WaitUntilIdle(stateTimeout);
  if (const auto path = SaveScreenshot(name)) std::printf("screenshot: %s\n", ToUtf8(*path).c_str());
}

void KeepXInputFocusOn(Checker& check, HWND mainWindow) {
  check.Require(true, GiveXInputFocus(mainWindow), "the main window has the X input focus");
}

void CheckBackTo(Checker& check, HWND window) {
  check.Equal(true, WaitForValue(true, stateTimeout, [&] { return IsWindowEnabled(window) != FALSE; }),
              "main window is enabled");
  check.Equal(window, WaitForValue(window, stateTimeout, [&] { return ActiveOfThread(window); }),
              "active window of the program");
}

std::wstring ControlText(HWND control) {
  constexpr UINT timeout = 5000;
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(control, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, timeout, &length)) return {};
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                           timeout, &copied)) {
    return {};
  }
  text.resize(std::min<std::size_t>(copied, length));
  return text;
}

void RequireTextSet(Checker& check, HWND control, const std::wstring& text) {
  DWORD_PTR result = 0;
  check.Require(true,
                SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG,
                                    5000, &result) != 0 &&
                    result == TRUE,
                "WM_SETTEXT on " + Describe(control));
  check.Require(text, ControlText(control), "text after WM_SETTEXT");
}

} // namespace e2e
