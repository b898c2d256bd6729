#include "MessageBoxQuery.h"

#include <cstdint>
#include <stdexcept>
#include <utility>

#include "Text.h"
#include "WindowQuery.h"

namespace e2e {

namespace {

constexpr int textControlId = 0xFFFF;

bool IsStatic(HWND window) { return ClassName(window) == L"Static"; }

// The screen's device context, released when it goes.
class ScreenDc {
public:
  ScreenDc() : dc_(GetDC(nullptr)) {
    if (dc_ == nullptr) throw std::runtime_error("no screen device context");
  }
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  ~ScreenDc() { ReleaseDC(nullptr, dc_); }

  HDC get() const noexcept { return dc_; }

private:
  HDC dc_;
};

// A 32-bit top-down bitmap selected into a memory device context of its own, with its pixels readable.
class Canvas {
public:
  Canvas(int width, int height) : width_(width), height_(height) {
    dc_ = CreateCompatibleDC(nullptr);
    if (dc_ == nullptr) throw std::runtime_error("no memory device context: " + DescribeError(GetLastError()));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap_ == nullptr) {
      DeleteDC(dc_);
      throw std::runtime_error("no bitmap: " + DescribeError(GetLastError()));
    }
    pixels_ = static_cast<const std::uint32_t*>(bits);
    previous_ = SelectObject(dc_, bitmap_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  ~Canvas() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }

  HDC dc() const noexcept { return dc_; }

  void Fill(COLORREF color) {
    const RECT all{0, 0, width_, height_};
    SetBkColor(dc_, color);
    ExtTextOutW(dc_, 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
  }

  // Only the colour: the screen leaves the top byte undefined.
  std::uint32_t Pixel(int x, int y) const {
    GdiFlush();
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] &
           0x00FFFFFFu;
  }

private:
  int width_;
  int height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  const std::uint32_t* pixels_ = nullptr;
};

// Whether every pixel that the icon covers fully looks on screen as the driver draws it. Pixels that come
// out differently on black and on white are (partly) transparent and show the box's background instead.
bool ScreenShowsIcon(const Canvas& screen, LPCWSTR iconName, int width, int height) {
  // Shared system icons: not destroyed by their user.
  const HICON icon = LoadIconW(nullptr, iconName);
  if (icon == nullptr) return false;
  Canvas onBlack(width, height);
  Canvas onWhite(width, height);
  onBlack.Fill(RGB(0, 0, 0));
  onWhite.Fill(RGB(255, 255, 255));
  DrawIconEx(onBlack.dc(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
  DrawIconEx(onWhite.dc(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
  int opaque = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t drawn = onBlack.Pixel(x, y);
      if (drawn != onWhite.Pixel(x, y)) continue;
      if (screen.Pixel(x, y) != drawn) return false;
      ++opaque;
    }
  }
  // An icon that covers almost nothing could match any background.
  return opaque * 4 >= width * height;
}

} // namespace

std::vector<HWND> DialogWindows(DWORD processId) {
  std::vector<HWND> dialogs;
  for (HWND window : TopLevelWindows(processId)) {
    if (ClassName(window) == dialogClass) dialogs.push_back(window);
  }
  return dialogs;
}

std::optional<std::wstring> MessageBoxText(HWND box) {
  for (HWND child : ChildrenInZOrder(box)) {
    // The identifier is a 16-bit template field; read back it may come sign-extended.
    if (IsStatic(child) && (GetDlgCtrlID(child) & 0xFFFF) == textControlId) return Text(child);
  }
  return std::nullopt;
}

HWND IconControl(HWND box) {
  for (HWND child : ChildrenInZOrder(box)) {
    if (IsStatic(child) && IsWindowVisible(child) && (Style(child) & SS_TYPEMASK) == SS_ICON) return child;
  }
  return nullptr;
}

std::wstring SystemIconShown(HWND control) {
  RECT client{};
  if (!GetClientRect(control, &client)) return L"unknown";
  MapWindowPoints(control, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  if (width <= 0 || height <= 0) return L"unknown";

  Canvas screen(width, height);
  {
    const ScreenDc screenDc;
    if (!BitBlt(screen.dc(), 0, 0, width, height, screenDc.get(), client.left, client.top, SRCCOPY)) {
      return L"unknown";
    }
  }
  const std::pair<LPCWSTR, const wchar_t*> icons[] = {{IDI_ERROR, L"error"},
                                                      {IDI_WARNING, L"warning"},
                                                      {IDI_INFORMATION, L"information"},
                                                      {IDI_QUESTION, L"question"},
                                                      {IDI_APPLICATION, L"application"}};
  for (const auto& [name, description] : icons) {
    if (ScreenShowsIcon(screen, name, width, height)) return description;
  }
  return L"unknown";
}

} // namespace e2e
