// The benchmark's yardstick: a window of Pellacord's client size with its three buttons, written the plainest
// way. "Fullscreen" toggles the same way Pellacord's does, so that both can be timed; the other buttons do
// nothing.

#include <windows.h>

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

// The framed rectangle to go back to; empty while framed.
RECT savedRect;

int Scale(int value, UINT dpi) { return MulDiv(value, static_cast<int>(dpi), kDesignDpi); }

void ToggleFullscreen(HWND window) {
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  constexpr UINT flags = SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOACTIVATE;
  if (style & WS_CAPTION) {
    MONITORINFO monitor{sizeof monitor};
    if (!GetWindowRect(window, &savedRect) ||
        !GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) {
      return;
    }
    SetWindowLongPtrW(window, GWL_STYLE, static_cast<LONG_PTR>((style & ~kFramedStyle) | WS_POPUP));
    const RECT& r = monitor.rcMonitor;
    SetWindowPos(window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, flags);
  } else {
    SetWindowLongPtrW(window, GWL_STYLE, static_cast<LONG_PTR>((style & ~WS_POPUP) | kFramedStyle));
    const RECT& r = savedRect;
    SetWindowPos(window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, flags);
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

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
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
