#pragma once
// Push buttons: the system's BUTTON class, subclassed.

#include "Controls.h"

class TButton : public TWinControl {
public:
  explicit TButton(TComponent* owner);

  const std::wstring& Caption() const noexcept { return caption_; }
  bool Default() const noexcept { return default_; }
  bool Cancel() const noexcept { return cancel_; }
  const TNotifyEvent& OnClick() const noexcept { return onClick_; }
  void SetOnClick(TNotifyEvent handler) { onClick_ = std::move(handler); }

  // Runs the OnClick handler with the button as sender.
  void Click();

  void ReadProperty(const PropertyEntry& property, DefinitionRoot& root) override;

protected:
  void CreateHandle() override;
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
  std::wstring caption_;
  bool default_ = false;
  bool cancel_ = false;
  TNotifyEvent onClick_;
};
