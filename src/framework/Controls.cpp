#include "Controls.h"

#include <commctrl.h>

#include <algorithm>

#include "Application.h"
#include "Exceptions.h"
#include "Forms.h"
#include "SystemError.h"

// --- TFont -------------------------------------------------------------------------------------------------

void TFont::SetHeight(std::int32_t height) {
  height_ = height;
  Changed();
}

void TFont::SetName(std::wstring name) {
  name_ = std::move(name);
  Changed();
}

void TFont::SetCharset(BYTE charset) {
  charset_ = charset;
  Changed();
}

void TFont::SetBold(bool bold) {
  bold_ = bold;
  Changed();
}

void TFont::SetItalic(bool italic) {
  italic_ = italic;
  Changed();
}

HFONT TFont::Handle() {
  if (!handle_) {
    LOGFONTW font{};
    font.lfHeight = height_;
    font.lfWeight = bold_ ? FW_BOLD : FW_NORMAL;
    font.lfItalic = italic_;
    font.lfCharSet = charset_;
    font.lfQuality = DEFAULT_QUALITY;
    name_.copy(font.lfFaceName, LF_FACESIZE - 1);
    handle_.reset(CreateFontIndirectW(&font));
    if (!handle_) RaiseLastOSError({L"The font ", name_, L" could not be made"});
  }
  return handle_.get();
}

namespace {

COLORREF NamedColor(const std::wstring& name) {
  static constexpr struct {
    const wchar_t* name;
    int systemColor;
  } kSystemColors[] = {{L"clBtnFace", COLOR_BTNFACE},
                       {L"clBtnText", COLOR_BTNTEXT},
                       {L"clWindow", COLOR_WINDOW},
                       {L"clWindowText", COLOR_WINDOWTEXT}};
  for (const auto& color : kSystemColors) {
    if (name == color.name) return GetSysColor(color.systemColor);
  }
  ThrowInvalidPropertyValue();
}

} // namespace

void TFont::ReadProperty(std::wstring_view name, const PropertyEntry& property) {
  if (name == L"Height") {
    SetHeight(IntegerValue(property.value));
  } else if (name == L"Name") {
    SetName(StringValue(property.value));
  } else if (name == L"Color") {
    SetColor(NamedColor(IdentifierValue(property.value)));
  } else if (name == L"Charset") {
    const std::wstring& charset = IdentifierValue(property.value);
    if (charset == L"DEFAULT_CHARSET") {
      SetCharset(DEFAULT_CHARSET);
    } else if (charset == L"ANSI_CHARSET") {
      SetCharset(ANSI_CHARSET);
    } else {
      ThrowInvalidPropertyValue();
    }
  } else if (name == L"Style") {
    bool bold = false, italic = false;
    for (const std::wstring& style : SetValue(property.value)) {
      if (style == L"fsBold") {
        bold = true;
      } else if (style == L"fsItalic") {
        italic = true;
      } else {
        ThrowInvalidPropertyValue();
      }
    }
    SetBold(bold);
    SetItalic(italic);
  } else {
    ThrowUnknownProperty(property);
  }
}

// --- TControl ----------------------------------------------------------------------------------------------

void TControl::SetBounds(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
  UpdateBounds(left, top, width, height);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent_ == parent) return;
  if (parent_) std::erase(parent_->controls_, this);
  parent_ = parent;
  if (parent_) parent_->controls_.push_back(this);
}

void TControl::ReadProperty(const PropertyEntry& property, const DefinitionRoot&) {
  const std::wstring& name = property.name;
  if (name == L"Left") {
    SetBounds(IntegerValue(property.value), top_, width_, height_);
  } else if (name == L"Top") {
    SetBounds(left_, IntegerValue(property.value), width_, height_);
  } else if (name == L"Width") {
    SetBounds(left_, top_, IntegerValue(property.value), height_);
  } else if (name == L"Height") {
    SetBounds(left_, top_, width_, IntegerValue(property.value));
  } else {
    ThrowUnknownProperty(property);
  }
}

// --- TWinControl -------------------------------------------------------------------------------------------

TWinControl::~TWinControl() {
  SetParent(nullptr);
  for (TControl* child : controls_) child->parent_ = nullptr;
  DestroyHandle();
}

HWND TWinControl::Handle() {
  if (!handle_) CreateHandle();
  return handle_.get();
}

void TWinControl::SetBounds(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
  if (left == Left() && top == Top() && width == Width() && height == Height()) return;
  if (handle_ && !IsIconic(handle_.get())) {
    // The window reports where it went; the bounds follow from that report.
    SetWindowPos(handle_.get(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    UpdateBounds(left, top, width, height);
  }
}

bool TWinControl::CanFocus() const {
  return handle_ && IsWindowVisible(handle_.get()) && IsWindowEnabled(handle_.get());
}

void TWinControl::SetFocus() {
  if (handle_) ::SetFocus(handle_.get());
}

TForm* TWinControl::ParentForm() {
  TWinControl* control = this;
  while (control->Parent()) control = control->Parent();
  return dynamic_cast<TForm*>(control);
}

void TWinControl::SetCaption(std::wstring caption) {
  caption_ = std::move(caption);
  if (handle_) SetWindowTextW(handle_.get(), caption_.c_str());
}

void TWinControl::ReadProperty(const PropertyEntry& property, const DefinitionRoot& root) {
  if (property.name == L"TabOrder") {
    tabOrder_ = IntegerValue(property.value);
  } else if (property.name == L"TabStop") {
    tabStop_ = BooleanValue(property.value);
  } else {
    TControl::ReadProperty(property, root);
  }
}

namespace {

// Names the framework object behind a window, for lookups from a bare handle (the loop's keyboard handling,
// a button's notification to its form).
constexpr wchar_t kControlProperty[] = L"Pellacord.Control";

} // namespace

void TWinControl::AttachHandle(HWND window) noexcept {
  handle_.reset(window);
  SetPropW(window, kControlProperty, this);
}

void TWinControl::CreateSubclassedChild(const wchar_t* windowClass, const std::wstring& text, DWORD style) {
  if (!Parent())
    throw EOSError(OSErrorMessage(L"Control " + Name() + L" has no parent window", ERROR_INVALID_PARAMETER));
  // Owned here until it is subclassed: a window that cannot be is destroyed on the way out, the error read first.
  UniqueWindow window(CreateWindowExW(0, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | style, Left(), Top(),
                                      Width(), Height(), Parent()->Handle(), nullptr, GetModuleHandleW(nullptr),
                                      nullptr));
  if (!window) RaiseLastOSError({L"Error creating window ", Name()});
  if (!SetWindowSubclass(window.get(), SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
    RaiseLastOSError({L"Error subclassing window ", Name()});
  }
  AttachHandle(window.release());
}

void TWinControl::StopDispatching() noexcept {
  HWND window = handle_.get();
  RemoveWindowSubclass(window, SubclassProc, kSubclassId);
  RemovePropW(window, kControlProperty);
  if (GetWindowLongPtrW(window, GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(this)) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  }
}

void TWinControl::DestroyHandle() noexcept {
  if (!handle_) return;
  // Before the window goes, so that no message of its destruction reaches a half-destroyed control.
  StopDispatching();
  handle_.reset();
}

void TWinControl::HandleDestroyed() noexcept {
  StopDispatching();
  // Windows is destroying the window itself: it is no longer ours to destroy.
  handle_.release();
}

TWinControl* TWinControl::FromHandle(HWND window) noexcept {
  // Another process's window answers nothing here: properties are read only within the process.
  return window ? static_cast<TWinControl*>(GetPropW(window, kControlProperty)) : nullptr;
}

LRESULT TWinControl::Dispatch(TWinControl& control, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  try {
    return control.WndProc(message, wParam, lParam);
  } catch (...) {
    Application->HandleException(&control);
    return 0;
  }
}

LRESULT CALLBACK TWinControl::StdWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  auto* control = reinterpret_cast<TWinControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    control = static_cast<TWinControl*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
    control->AttachHandle(window);
  }
  if (!control) return DefWindowProcW(window, message, wParam, lParam);
  const LRESULT result = Dispatch(*control, message, wParam, lParam);
  if (message == WM_NCDESTROY) control->HandleDestroyed();
  return result;
}

LRESULT CALLBACK TWinControl::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                           DWORD_PTR refData) noexcept {
  auto& control = *reinterpret_cast<TWinControl*>(refData);
  if (message == WM_NCDESTROY) {
    control.HandleDestroyed();
    return DefSubclassProc(window, message, wParam, lParam);
  }
  return Dispatch(control, message, wParam, lParam);
}
