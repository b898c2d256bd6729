// The benchmark's yardstick: a window of Pellacord's client size with its three buttons, written the plainest
// way. "Fullscreen" toggles as Pellacord's does, so that both can be timed; the other buttons do nothing.
// By default each way is one style change and one SetWindowPos. With the argument --same-steps it takes the
// steps that Pellacord's toggle takes, with nothing around them: the frame change by its own SetWindowPos,
// the repaint, then the move.

#include <windows.h>

#include <string_view>

namespace {

constexpr int kDesignDpi = 96;
constexpr int kClientWidth = 624;
constexpr int kClientHeight = 441;
constexpr int kFullscreenId = 3;
constexpr DWORD kFramedStyle = WS_OVERLAPPEDWINDOW;

struct ButtonPlace {
  const wchar_t* caption;
  int top;
};

constexpr ButtonPlace kButtons[] = {{L"Hallo?", 40}, {L"File-Dlg", 96}, {L"Fullscreen", 152}};

enum class ToggleSteps { OneCall, SameSteps };

// Chosen once from the command line, before the window exists.
ToggleSteps toggleSteps = ToggleSteps::OneCall;
// The framed rectangle to go back to.
RECT savedRect;

int Scale(int value, UINT dpi) { return MulDiv(value, static_cast<int>(dpi), kDesignDpi); }

bool MonitorRect(HWND window, RECT& rect) {
  MONITORINFO monitor{sizeof monitor};
  if (!GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) return false;
  rect = monitor.rcMonitor;
  return true;
}

void MoveTo(HWND window, const RECT& r, UINT flags) {
  SetWindowPos(window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, flags);
}

void ToggleInOneCall(HWND window, DWORD style) {
  constexpr UINT flags = SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOACTIVATE;
  if (style & WS_CAPTION) {
    RECT monitor{};
    if (!GetWindowRect(window, &savedRect) || !MonitorRect(window, monitor)) return;
    SetWindowLongPtrW(window, GWL_STYLE, static_cast<LONG_PTR>((style & ~kFramedStyle) | WS_POPUP));
    MoveTo(window, monitor, flags);
  } else {
    SetWindowLongPtrW(window, GWL_STYLE, static_cast<LONG_PTR>((style & ~WS_POPUP) | kFramedStyle));
    MoveTo(window, savedRect, flags);
  }
}

void ChangeFrame(HWND window, DWORD style) {
  SetWindowLongPtrW(window, GWL_STYLE, static_cast<LONG_PTR>(style));
  SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(window, nullptr, TRUE);
}

void ToggleInSameSteps(HWND window, DWORD style) {
  constexpr UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  if (style & WS_CAPTION) {
    if (!GetWindowRect(window, &savedRect)) return;
    ChangeFrame(window, (style & ~kFramedStyle) | WS_POPUP);
    // As Pellacord does: the monitor is looked up after the frame change.
    RECT monitor{};
    if (MonitorRect(window, monitor)) MoveTo(window, monitor, flags);
  } else {
    ChangeFrame(window, (style & ~WS_POPUP) | kFramedStyle);
    MoveTo(window, savedRect, flags);
  }
}

void ToggleFullscreen(HWND window) {
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  if (toggleSteps == ToggleSteps::SameSteps) {
    ToggleInSameSteps(window, style);
  } else {
    ToggleInOneCall(window, style);
  }
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_COMMAND:
    if (LOWORD(wParam) == kFullscreenId && HIWORD(wParam) == BN_CLICKED) ToggleFullscreen(window);
    return 0;
  case WM_DESTROY:
    PostQuitMessage(0);
    return 0;
  default:
    return DefWindowProcW(window, message, wParam, lParam);
  }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int showCommand) {
  if (std::wstring_view(commandLine) == L"--same-steps") toggleSteps = ToggleSteps::SameSteps;
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"PellacordBaseline";
  if (!RegisterClassW(&windowClass)) return 1;

  // Created first, then sized: the window's monitor, and so its DPI, is known only once it exists.
  HWND window = CreateWindowW(windowClass.lpszClassName, L"Pellacord Baseline", kFramedStyle, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  const UINT dpi = GetDpiForWindow(window);
  RECT outer{0, 0, Scale(kClientWidth, dpi), Scale(kClientHeight, dpi)};
  AdjustWindowRectExForDpi(&outer, kFramedStyle, FALSE, 0, dpi);
  SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

  HFONT font = CreateFontW(-Scale(12, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Segoe UI");
  int id = 1;
  for (const ButtonPlace& place : kButtons) {
    HWND button = CreateWindowW(L"BUTTON", place.caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                                Scale(32, dpi), Scale(place.top, dpi), Scale(75, dpi), Scale(25, dpi), window,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id++)), instance, nullptr);
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  ShowWindow(window, showCommand);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  DeleteObject(font);
  return static_cast<int>(message.wParam);
}
