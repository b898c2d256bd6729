#pragma once
// Controls: components with a place on screen, and those of them that have a window of their own.

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "Classes.h"
#include "DefinitionReader.h"
#include "Types.h"
#include "WinHandles.h"

class TWinControl;
class TForm;

// A font description and the GDI font made from it.
class TFont {
public:
  std::int32_t Height() const noexcept { return height_; }
  void SetHeight(std::int32_t height);
  void SetName(std::wstring name);
  void SetCharset(BYTE charset);
  void SetColor(COLORREF color) noexcept { color_ = color; }
  void SetBold(bool bold);
  void SetItalic(bool italic);
  COLORREF Color() const noexcept { return color_; }

  // The GDI font for the current description, made on first use after a change.
  HFONT Handle();
  // Hands the current GDI font over, for a caller that must keep it until controls have a new one.
  UniqueFont TakeHandle() noexcept { return std::move(handle_); }

  // Takes the properties that a window definition gives as "Font.X".
  void ReadProperty(std::wstring_view name, const PropertyEntry& property);

private:
  void Changed() noexcept { handle_.reset(); }

  std::int32_t height_ = -12;
  std::wstring name_ = L"Segoe UI";
  BYTE charset_ = DEFAULT_CHARSET;
  COLORREF color_ = 0;
  bool bold_ = false;
  bool italic_ = false;
  UniqueFont handle_;
};

class TControl : public TComponent, public DefinitionReadable {
public:
  explicit TControl(TComponent* owner) : TComponent(owner) {}

  std::int32_t Left() const noexcept { return left_; }
  std::int32_t Top() const noexcept { return top_; }
  std::int32_t Width() const noexcept { return width_; }
  std::int32_t Height() const noexcept { return height_; }
  // Left, Top, Left + Width, Top + Height: for a top-level window its outer rectangle on the screen.
  TRect BoundsRect() const noexcept { return {left_, top_, left_ + width_, top_ + height_}; }

  // Moves and sizes the control; does nothing for unchanged bounds.
  virtual void SetBounds(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height);

  TWinControl* Parent() const noexcept { return parent_; }
  void SetParent(TWinControl* parent);

  void ReadProperty(const PropertyEntry& property, const DefinitionRoot& root) override;

protected:
  // Records bounds that Windows reports, without moving anything.
  void UpdateBounds(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) noexcept {
    left_ = left, top_ = top, width_ = width, height_ = height;
  }

private:
  friend class TWinControl;
  TWinControl* parent_ = nullptr;
  std::int32_t left_ = 0;
  std::int32_t top_ = 0;
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
};

class TWinControl : public TControl {
public:
  explicit TWinControl(TComponent* owner) : TControl(owner) {}
  ~TWinControl() override;

  bool HandleAllocated() const noexcept { return static_cast<bool>(handle_); }
  // The window handle, created on first use.
  HWND Handle();

  void SetBounds(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) override;

  // Child controls in the order they were given this parent; their windows' z-order is the tab order that a
  // form creates them in.
  std::size_t ControlCount() const noexcept { return controls_.size(); }
  // For index < ControlCount().
  TControl* Controls(std::size_t index) const { return controls_[index]; }

  std::int32_t TabOrder() const noexcept { return tabOrder_; }
  bool TabStop() const noexcept { return tabStop_; }
  bool CanFocus() const;
  void SetFocus();

  // The form that holds this control, itself for a form.
  TForm* ParentForm();

  // The window's text: a form's caption, a button's or a label's text.
  const std::wstring& Caption() const noexcept { return caption_; }
  void SetCaption(std::wstring caption);

  // What a form asks of its controls, so that it knows no kind of control. A notification (WM_COMMAND) that the
  // control's window sent to its parent, handed back to the control: true when the control took it.
  virtual bool HandleNotification(WORD /*code*/) { return false; }
  // Enter presses the focused control, or else the default one, and Esc the cancel one. A control that cannot
  // be pressed is neither, and Press leaves it alone and answers false.
  virtual bool IsDefault() const noexcept { return false; }
  virtual bool IsCancel() const noexcept { return false; }
  virtual bool Press() { return false; }

  // The framework control that owns a window, or null for foreign windows.
  static TWinControl* FromHandle(HWND window) noexcept;

  void ReadProperty(const PropertyEntry& property, const DefinitionRoot& root) override;

protected:
  virtual void CreateHandle() = 0;
  // Every message of the control's window; exceptions are caught by the window procedure that calls this.
  virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) = 0;
  void AttachHandle(HWND window) noexcept;
  // Creates the control's window, of a system class, as a child of its parent's, subclassed so that WndProc
  // receives its messages.
  void CreateSubclassedChild(const wchar_t* windowClass, const std::wstring& text, DWORD style);
  // Stops dispatching to this object, then destroys the window.
  void DestroyHandle() noexcept;
  void SetTabStop(bool tabStop) noexcept { tabStop_ = tabStop; }

  // Window procedures of the framework's classes and subclasses: the boundary no exception crosses.
  static LRESULT CALLBACK StdWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR refData) noexcept;
  // Sends a message to the window procedure that the subclass replaced.
  static LRESULT DefSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    return DefSubclassProc(window, message, wParam, lParam);
  }
  static constexpr UINT_PTR kSubclassId = 1;

private:
  friend class TControl;
  static LRESULT Dispatch(TWinControl& control, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  // Takes away every way a message of the window finds this object: subclass, property and user data.
  void StopDispatching() noexcept;
  // At WM_NCDESTROY: the window is going by the system's hand.
  void HandleDestroyed() noexcept;

  UniqueWindow handle_;
  std::wstring caption_;
  std::vector<TControl*> controls_;
  std::int32_t tabOrder_ = -1;
  bool tabStop_ = false;
};
