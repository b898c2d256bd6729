#pragma once
// Push buttons: the system's BUTTON class, subclassed.

#include "Controls.h"

class TButton : public TWinControl {
public:
  explicit TButton(TComponent* owner);

  const std::wstring& Caption() const noexcept { return caption_; }
  void SetCaption(std::wstring caption);
  bool Default() const noexcept { return default_; }
  void SetDefault(bool value) noexcept { default_ = value; }
  bool Cancel() const noexcept { return cancel_; }
  void SetCancel(bool value) noexcept { cancel_ = value; }
  // A non-zero result is given to the form when the button is clicked, which ends a modal form.
  int ModalResult() const noexcept { return modalResult_; }
  void SetModalResult(int result) noexcept { modalResult_ = result; }
  void SetOnClick(TNotifyEvent handler) { onClick_ = std::move(handler); }

  // Runs the OnClick handler with the button as sender, then hands the modal result to the form.
  void Click();

  void ReadProperty(const PropertyEntry& property, DefinitionRoot& root) override;

protected:
  void CreateHandle() override;
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
  std::wstring caption_;
  bool default_ = false;
  bool cancel_ = false;
  int modalResult_ = 0;
  TNotifyEvent onClick_;
};

// Static text, word-wrapped to its width.
class TLabel : public TWinControl {
public:
  explicit TLabel(TComponent* owner) : TWinControl(owner) {}

  const std::wstring& Caption() const noexcept { return caption_; }
  void SetCaption(std::wstring caption);

protected:
  void CreateHandle() override;
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
  std::wstring caption_;
};
