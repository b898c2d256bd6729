#include "Forms.h"

#include <shellscalingapi.h>

#include <algorithm>
#include <optional>
#include <string_view>

#include "Application.h"
#include "ComponentClasses.h"
#include "DefinitionReader.h"
#include "Dialogs.h"
#include "DpiScaling.h"
#include "Exceptions.h"
#include "Geometry.h"
#include "SystemError.h"
#include "SystemLibrary.h"
#include "TaskWindows.h"

namespace {

constexpr DWORD kFrameStyles =
    WS_POPUP | WS_CAPTION | WS_THICKFRAME | DS_MODALFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

// The resolution a new window on this monitor is laid out for: the monitor's own where the system
// tells it (Windows 8.1 and later), else the system's.
std::int32_t MonitorDpi(HMONITOR monitor) {
  const auto getDpiForMonitor = LateBound::GetDpiForMonitor();
  UINT dpiX = 0, dpiY = 0;
  if (getDpiForMonitor && SUCCEEDED(getDpiForMonitor(monitor, MDT_EFFECTIVE_DPI, &dpiX, &dpiY))) {
    return static_cast<std::int32_t>(dpiX);
  }
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi;
}

// The resolution the window's caption and borders are drawn for: its own where the system tells it (Windows 10
// 1607 and later). Nothing where it does not: the frame then follows the system's metrics.
std::optional<std::int32_t> FrameDpi(HWND window) {
  const auto getDpiForWindow = LateBound::GetDpiForWindow();
  const UINT dpi = getDpiForWindow ? getDpiForWindow(window) : 0;
  if (dpi == 0) return std::nullopt;
  return static_cast<std::int32_t>(dpi);
}

RECT OuterRectForClient(std::int32_t width, std::int32_t height, DWORD style, DWORD exStyle,
                        std::optional<std::int32_t> frameDpi) {
  const auto adjustForDpi = LateBound::AdjustWindowRectExForDpi();
  RECT rect{0, 0, width, height};
  if (frameDpi && adjustForDpi) {
    adjustForDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(*frameDpi));
  } else {
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
  }
  return rect;
}

} // namespace

TForm::TForm(TComponent* owner, const TFormClass& formClass) : TWinControl(owner), formClass_(formClass) {}

void TForm::InitializeComponent() { ReadDefinitionResource(); }

TForm::~TForm() {
  // The controls go first, while the window they live in still exists.
  while (ComponentCount() > 0) delete Components(ComponentCount() - 1);
}

void TForm::ReadDefinitionResource() {
  const std::wstring className(formClass_.className);
  HMODULE module = GetModuleHandleW(nullptr);
  // Resource names are matched without regard to case, so the class name finds its upper-case resource.
  HRSRC resource = FindResourceW(module, className.c_str(), RT_RCDATA);
  HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  std::optional<std::string_view> text;
  if (data) text.emplace(static_cast<const char*>(data), SizeofResource(module, resource));
  ReadClassDefinition(text, DefinitionRoot(*this, formClass_, FindComponentClass));
}

void TForm::ReadProperty(const PropertyEntry& property, const DefinitionRoot& root) {
  const std::wstring& name = property.name;
  if (name.starts_with(L"Font.")) {
    font_.ReadProperty(std::wstring_view(name).substr(5), property);
  } else if (name == L"Left" || name == L"Top") {
    // Windows chooses where the window first appears; the designed position is only recorded.
    TWinControl::ReadProperty(property, root);
  } else if (name == L"Caption") {
    SetCaption(StringValue(property.value));
  } else if (name == L"ClientWidth") {
    clientWidth_ = IntegerValue(property.value);
  } else if (name == L"ClientHeight") {
    clientHeight_ = IntegerValue(property.value);
  } else if (name == L"Color") {
    if (IdentifierValue(property.value) != L"clBtnFace") ThrowInvalidPropertyValue();
    colorIndex_ = COLOR_BTNFACE;
  } else if (name == L"TextHeight") {
    textHeight_ = IntegerValue(property.value);
  } else {
    ThrowUnknownProperty(property);
  }
}

DWORD TForm::FrameStyle() const noexcept {
  DWORD captionButtons = 0;
  if (borderIcons_.biSystemMenu) {
    captionButtons = WS_SYSMENU;
    if (borderIcons_.biMinimize) captionButtons |= WS_MINIMIZEBOX;
    if (borderIcons_.biMaximize) captionButtons |= WS_MAXIMIZEBOX;
  }
  switch (borderStyle_) {
  case bsNone:
    return WS_POPUP;
  case bsSingle:
    return WS_CAPTION | captionButtons;
  case bsSizeable:
    return WS_CAPTION | WS_THICKFRAME | captionButtons;
  case bsDialog:
    return WS_CAPTION | DS_MODALFRAME | (captionButtons & WS_SYSMENU);
  case bsToolWindow:
    return WS_CAPTION | (captionButtons & WS_SYSMENU);
  case bsSizeToolWin:
    return WS_CAPTION | WS_THICKFRAME | (captionButtons & WS_SYSMENU);
  }
  return WS_CAPTION;
}

void TForm::RegisterWindowClass() const {
  const std::wstring className(formClass_.className);
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{sizeof existing};
  if (GetClassInfoExW(instance, className.c_str(), &existing)) return;
  WNDCLASSEXW windowClass{sizeof windowClass};
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = StdWndProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = Application->Icon();
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = className.c_str();
  if (!RegisterClassExW(&windowClass)) RaiseLastOSError({L"Window class ", className, L" not registered"});
}

void TForm::CreateHandle() {
  RegisterWindowClass();
  const DWORD style = WS_CLIPCHILDREN | FrameStyle();
  // A form without its own taskbar button is owned by the hidden application window, which has the button.
  // A dialog frame carries no icon.
  const DWORD exStyle =
      (ownsTaskbarButton_ ? WS_EX_APPWINDOW : 0) | (borderStyle_ == bsDialog ? WS_EX_DLGMODALFRAME : 0);
  HWND owner = ownsTaskbarButton_ ? nullptr : Application->Handle();
  // A first guess: the window's own resolution is known once it exists, and the size is corrected below.
  const RECT outer = OuterRectForClient(clientWidth_, clientHeight_, style, exStyle, pixelsPerInch_);
  const std::wstring className(formClass_.className);
  HWND window = CreateWindowExW(exStyle, className.c_str(), Caption().c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                                outer.right - outer.left, outer.bottom - outer.top, owner, nullptr,
                                GetModuleHandleW(nullptr), static_cast<TWinControl*>(this));
  if (!window) RaiseLastOSError({L"Error creating window ", className});
  RefreshBounds();

  // Children in tab order, which makes it their z-order too, so the system's own tab walk agrees with ours.
  for (TWinControl* child : ChildrenInTabOrder()) child->Handle();
  ApplyFontToControls();

  // No WM_DPICHANGED comes at creation: the layout at 96 DPI is scaled to the monitor here.
  const std::int32_t dpi = LayoutDpi(MonitorDpi(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST)));
  if (dpi != pixelsPerInch_) ScaleForDpi(dpi);
  // The window was made before its own resolution was known, and its frame is drawn for that one, which may
  // differ from the layout's: below 96 DPI, where the layout stays at 96, or wherever the system's frame does.
  ApplyClientSize();
}

void TForm::ApplyFontToControls() {
  HFONT font = font_.Handle();
  for (std::size_t i = 0; i < ControlCount(); ++i) {
    if (auto* child = dynamic_cast<TWinControl*>(Controls(i)); child && child->HandleAllocated()) {
      SendMessageW(child->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
  }
}

void TForm::ScaleForDpi(std::int32_t dpi) {
  const std::int32_t from = pixelsPerInch_;
  clientWidth_ = MulDivRound(clientWidth_, dpi, from);
  clientHeight_ = MulDivRound(clientHeight_, dpi, from);
  for (std::size_t i = 0; i < ControlCount(); ++i) {
    TControl* child = Controls(i);
    child->SetBounds(MulDivRound(child->Left(), dpi, from), MulDivRound(child->Top(), dpi, from),
                     MulDivRound(child->Width(), dpi, from), MulDivRound(child->Height(), dpi, from));
  }
  // The new font reaches every control before the old one is deleted.
  const UniqueFont previous = font_.TakeHandle();
  font_.SetHeight(MulDivRound(font_.Height(), dpi, from));
  ApplyFontToControls();
  pixelsPerInch_ = dpi;
}

void TForm::ApplyClientSize() {
  const SIZE outer = OuterSize(clientWidth_, clientHeight_, FrameDpi(Handle()));
  SetWindowPos(Handle(), nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE TForm::OuterSize(std::int32_t clientWidth, std::int32_t clientHeight, std::optional<std::int32_t> frameDpi) {
  HWND window = Handle();
  const RECT outer =
      OuterRectForClient(clientWidth, clientHeight, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)),
                         static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)), frameDpi);
  return {outer.right - outer.left, outer.bottom - outer.top};
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  if (!HandleAllocated()) return;
  HWND window = Handle();
  const auto current = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  SetWindowLongPtrW(window, GWL_STYLE, static_cast<LONG_PTR>((current & ~kFrameStyles) | FrameStyle()));
  SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  // The frame change has the frame drawn already, and the controls keep their places in the client area: only
  // the client area is left to repaint.
  InvalidateRect(window, nullptr, TRUE);
}

namespace {

int ShowCommandFor(TWindowState state) {
  switch (state) {
  case wsMinimized:
    return SW_MINIMIZE;
  case wsMaximized:
    return SW_SHOWMAXIMIZED;
  case wsNormal:
    break;
  }
  return SW_SHOWNORMAL;
}

} // namespace

void TForm::SetWindowState(TWindowState state) {
  if (state == windowState_) return;
  windowState_ = state;
  if (visible_ && HandleAllocated()) ShowWindow(Handle(), ShowCommandFor(state));
}

void TForm::Show() {
  visible_ = true;
  if (position_ == poScreenCenter) {
    const TPoint centre =
        CentredIn({0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, Width(), Height());
    SetBounds(centre.X, centre.Y, Width(), Height());
  }
  // A minimized start shows only the taskbar button and leaves the active window alone.
  ShowWindow(Handle(), windowState_ == wsMinimized ? SW_SHOWMINNOACTIVE : ShowCommandFor(windowState_));
  position_ = poDesigned;
}

void TForm::Close() {
  if (Application->MainForm() == this) {
    Application->Terminate();
  } else {
    visible_ = false;
    ShowWindow(Handle(), SW_HIDE);
  }
}

int TForm::ShowModal() {
  HWND window = Handle();
  modalResult_ = 0;
  {
    const ModalBox modal(window, TReactivate::PreviouslyActive, TRestoreFocus::No);
    Show();
    modal_ = true;
    while (modalResult_ == 0 && !Application->Terminated()) {
      try {
        Application->HandleMessage();
      } catch (...) {
        Application->HandleException(this);
      }
    }
    modal_ = false;
  }
  // Hidden once the window that was active has its activation back, so that none goes elsewhere meanwhile.
  visible_ = false;
  ShowWindow(window, SW_HIDE);
  return modalResult_;
}

void TForm::RefreshBounds() {
  HWND window = Handle();
  if (IsIconic(window)) return;
  RECT outer{};
  GetWindowRect(window, &outer);
  UpdateBounds(outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top);
}

std::vector<TWinControl*> TForm::ChildrenInTabOrder() const {
  std::vector<TWinControl*> children;
  for (std::size_t i = 0; i < ControlCount(); ++i) {
    if (auto* child = dynamic_cast<TWinControl*>(Controls(i))) children.push_back(child);
  }
  // Stable: controls of equal tab order keep the order they were created in.
  std::stable_sort(children.begin(), children.end(),
                   [](const TWinControl* a, const TWinControl* b) { return a->TabOrder() < b->TabOrder(); });
  return children;
}

void TForm::SelectNext(bool forward) {
  std::vector<TWinControl*> order = ChildrenInTabOrder();
  std::erase_if(order, [](const TWinControl* child) { return !child->TabStop() || !child->CanFocus(); });
  if (order.empty()) return;
  const auto current = std::find(order.begin(), order.end(), activeControl_);
  std::size_t next = 0;
  if (current == order.end()) {
    next = forward ? 0 : order.size() - 1;
  } else {
    const auto index = static_cast<std::size_t>(current - order.begin());
    next = forward ? (index + 1) % order.size() : (index + order.size() - 1) % order.size();
  }
  order[next]->SetFocus();
}

void TForm::ShowKeyboardCues(WORD cues) {
  // The top-level window passes the change down to every control in it.
  SendMessageW(Handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, cues), 0);
}

bool TForm::DialogKey(const MSG& message) {
  // Windows hides focus rectangles and mnemonics in a window activated by the mouse until the keyboard is used:
  // the system's dialog-key handling shows them again on navigation and on Alt, and so does this one.
  if (message.message == WM_SYSKEYDOWN && message.wParam == VK_MENU) {
    ShowKeyboardCues(UISF_HIDEACCEL);
    return false;
  }
  if (message.message != WM_KEYDOWN) return false;
  const bool control = GetKeyState(VK_CONTROL) < 0;
  const bool alt = GetKeyState(VK_MENU) < 0;
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  switch (message.wParam) {
  case VK_TAB:
    if (control || alt) return false;
    ShowKeyboardCues(UISF_HIDEFOCUS);
    SelectNext(!shift);
    return true;
  case VK_LEFT:
  case VK_RIGHT:
  case VK_UP:
  case VK_DOWN:
    ShowKeyboardCues(UISF_HIDEFOCUS);
    return false;
  case VK_RETURN:
  case VK_ESCAPE: {
    if (control || alt || shift) return false;
    const bool enter = message.wParam == VK_RETURN;
    if (TWinControl* focused = FromHandle(GetFocus());
        enter && focused && focused->ParentForm() == this && focused->Press()) {
      return true;
    }
    for (std::size_t i = 0; i < ControlCount(); ++i) {
      auto* child = dynamic_cast<TWinControl*>(Controls(i));
      if (child && (enter ? child->IsDefault() : child->IsCancel()) && child->CanFocus()) {
        child->Press();
        return true;
      }
    }
    return false;
  }
  default:
    return false;
  }
}

LRESULT TForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND window = Handle();
  switch (message) {
  case WM_COMMAND:
    // A control's notification goes back to the control that sent it.
    if (TWinControl* control = FromHandle(reinterpret_cast<HWND>(lParam));
        control && control->HandleNotification(HIWORD(wParam))) {
      return 0;
    }
    break;
  case WM_CLOSE:
    if (modal_) {
      modalResult_ = mrCancel;
    } else {
      Close();
    }
    return 0;
  case WM_SIZE:
    windowState_ = wParam == SIZE_MINIMIZED ? wsMinimized : wParam == SIZE_MAXIMIZED ? wsMaximized : wsNormal;
    RefreshBounds();
    break;
  case WM_MOVE:
    RefreshBounds();
    break;
  case WM_ACTIVATE:
    if (LOWORD(wParam) == WA_INACTIVE) {
      // Remember where the focus was so that coming back puts it there again.
      if (auto* focused = FromHandle(GetFocus()); focused && focused->ParentForm() == this) activeControl_ = focused;
    }
    break;
  case WM_SETFOCUS:
    if (activeControl_ && activeControl_->CanFocus()) {
      activeControl_->SetFocus();
    } else {
      SelectNext(true);
    }
    return 0;
  case WM_ERASEBKGND: {
    RECT client{};
    GetClientRect(window, &client);
    FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(colorIndex_));
    return 1;
  }
  case WM_CTLCOLORBTN:
    return reinterpret_cast<LRESULT>(GetSysColorBrush(colorIndex_));
  case WM_GETDPISCALEDSIZE: {
    // Windows' own answer scales the outer size, frame included, which does not scale linearly: the client
    // area would come out close to the proportion, not in it. The size whose client area is the current one
    // scaled, rounded as at creation, inside the frame the window will have at the new DPI, makes the rectangle
    // that WM_DPICHANGED then suggests exact.
    const auto dpi = static_cast<std::int32_t>(wParam);
    RECT client{};
    GetClientRect(window, &client);
    *reinterpret_cast<SIZE*>(lParam) =
        OuterSize(MulDivRound(client.right, dpi, pixelsPerInch_), MulDivRound(client.bottom, dpi, pixelsPerInch_), dpi);
    return TRUE;
  }
  case WM_DPICHANGED: {
    const auto dpi = static_cast<std::int32_t>(LOWORD(wParam));
    if (dpi != pixelsPerInch_) ScaleForDpi(dpi);
    // Taken also when the layout stays, as it does from below 96 DPI to 96: the frame changes with the window's
    // DPI all the same, and the suggested rectangle is the one that keeps the client area.
    const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
  }
  default:
    break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}
