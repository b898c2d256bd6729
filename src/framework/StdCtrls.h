#pragma once
// Push buttons: the system's BUTTON class, subclassed.

#include "Controls.h"

class TButton : public TWinControl {
public:
  explicit TButton(TComponent* owner);

  bool IsDefault() const noexcept override { return default_; }
  void SetDefault(bool value) noexcept { default_ = value; }
  bool IsCancel() const noexcept override { return cancel_; }
  void SetCancel(bool value) noexcept { cancel_ = value; }
  // A non-zero result is given to the form when the button is clicked, which ends a modal form.
  int ModalResult() const noexcept { return modalResult_; }
  void SetModalResult(int result) noexcept { modalResult_ = result; }
  void SetOnClick(TNotifyEvent handler) { onClick_ = std::move(handler); }

  // Runs the OnClick handler with the button as sender, then hands the modal result to the form.
  void Click();
  // A press, by the keyboard or by the button's own BN_CLICKED, is a click.
  bool Press() override;
  bool HandleNotification(WORD code) override;

  void ReadProperty(const PropertyEntry& property, const DefinitionRoot& root) override;

protected:
  void CreateHandle() override;
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
  bool default_ = false;
  bool cancel_ = false;
  int modalResult_ = 0;
  TNotifyEvent onClick_;
};

// Static text, word-wrapped to its width.
class TLabel : public TWinControl {
public:
  explicit TLabel(TComponent* owner) : TWinControl(owner) {}

protected:
  void CreateHandle() override;
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
