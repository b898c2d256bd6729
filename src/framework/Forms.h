#pragma once
// Forms: top-level windows built from a window definition, scaled to their monitor's DPI.

#include <windows.h>

#include <optional>
#include <string>

#include "Controls.h"
#include "Published.h"

enum class TPosition : std::uint8_t { poDesigned, poDefaultPosOnly, poScreenCenter };
using enum TPosition;

struct TBorderIcons {
  bool biSystemMenu = true;
  bool biMinimize = true;
  bool biMaximize = true;
};

class TForm : public TWinControl {
public:
  // Only records the class: reading the definition waits for InitializeComponent, which the form class calls
  // once its own published fields exist, and the window for the first use of Handle.
  TForm(TComponent* owner, const TFormClass& formClass);
  ~TForm() override;

  // For the application's main form while the main form is on the taskbar: its window is made without an owner
  // and with a taskbar button of its own. Takes effect when the window is made.
  void SetOwnsTaskbarButton(bool value) noexcept { ownsTaskbarButton_ = value; }
  std::int32_t ClientWidth() const noexcept { return clientWidth_; }
  std::int32_t ClientHeight() const noexcept { return clientHeight_; }
  // For a form built in code, before its window exists; lengths at 96 DPI.
  void SetClientSize(std::int32_t width, std::int32_t height) noexcept { clientWidth_ = width, clientHeight_ = height; }
  std::int32_t PixelsPerInch() const noexcept { return pixelsPerInch_; }
  TFont& Font() noexcept { return font_; }

  TFormBorderStyle BorderStyle() const noexcept { return borderStyle_; }
  // Changes the frame of the existing window in place: outer rectangle, z-order, activation and the minimized
  // or maximized state stay as they are.
  void SetBorderStyle(TFormBorderStyle style);

  TWindowState WindowState() const noexcept { return windowState_; }
  // Does nothing for the current state; shows the window in the new state when it is showing.
  void SetWindowState(TWindowState state);

  TPosition Position() const noexcept { return position_; }
  void SetPosition(TPosition position) noexcept { position_ = position; }
  bool Visible() const noexcept { return visible_; }
  // Shows the window in its WindowState.
  void Show();
  // The user's close: for the application's main form this ends the application.
  void Close();
  // Shows the form with the application's other windows disabled and runs messages until a button or a close
  // gives it a modal result, which it returns.
  int ShowModal();
  int ModalResult() const noexcept { return modalResult_; }
  void SetModalResult(int result) noexcept { modalResult_ = result; }

  // Keyboard handling offered before a message is dispatched: Tab and Shift+Tab move the focus, Enter presses
  // the focused or else the default button, Esc the cancel button; navigation keys show the focus cues and Alt
  // the mnemonics. True when taken.
  virtual bool DialogKey(const MSG& message);

  // Called by a child control that receives the focus.
  void FocusChanged(TWinControl* control) noexcept { activeControl_ = control; }

  // The form's own properties in its definition.
  void ReadProperty(const PropertyEntry& property, const DefinitionRoot& root) override;

protected:
  // Called by each form class's constructor, once its published fields exist: reads the class's window
  // definition (the RCDATA resource named after the class). Raises EResNotFound when the class has none.
  void InitializeComponent();

  // Creates the window hidden, with its controls, and scales it to the DPI of its monitor.
  void CreateHandle() override;
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
  void ReadDefinitionResource();
  void RegisterWindowClass() const;
  DWORD FrameStyle() const noexcept;
  // Rescales the client area, the child controls and the font from the current DPI to `dpi`.
  void ScaleForDpi(std::int32_t dpi);
  void ApplyClientSize();
  // The outer size of the window, with its styles as they are, around a client area of that size, for a frame
  // drawn at `frameDpi`, or by the system's metrics when that is nothing.
  SIZE OuterSize(std::int32_t clientWidth, std::int32_t clientHeight, std::optional<std::int32_t> frameDpi);
  void ApplyFontToControls();
  void SelectNext(bool forward);
  std::vector<TWinControl*> ChildrenInTabOrder() const;
  // Clears the given UISF_ flags of the window and its controls.
  void ShowKeyboardCues(WORD cues);
  void RefreshBounds();

  const TFormClass& formClass_;
  bool ownsTaskbarButton_ = false;
  std::int32_t clientWidth_ = 0;
  std::int32_t clientHeight_ = 0;
  std::int32_t pixelsPerInch_ = 96;
  // Recorded from the definition; it has no effect on the layout, so nothing reads it.
  std::int32_t textHeight_ = 0;
  int colorIndex_ = COLOR_BTNFACE;
  TFont font_;
  TFormBorderStyle borderStyle_ = bsSizeable;
  // Always all three: no definition sets them, but the caption buttons of the sizeable frame rest on them.
  TBorderIcons borderIcons_;
  TWindowState windowState_ = wsNormal;
  TPosition position_ = poDefaultPosOnly;
  bool visible_ = false;
  bool modal_ = false;
  int modalResult_ = 0;
  TWinControl* activeControl_ = nullptr;
};
