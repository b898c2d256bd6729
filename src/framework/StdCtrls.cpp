#include "StdCtrls.h"

#include <commctrl.h>

#include "Exceptions.h"
#include "Forms.h"

TButton::TButton(TComponent* owner) : TWinControl(owner) { SetTabStop(true); }

void TButton::Click() {
  if (onClick_) onClick_(this);
  if (modalResult_ != 0) {
    if (TForm* form = ParentForm()) form->SetModalResult(modalResult_);
  }
}

bool TButton::Press() {
  Click();
  return true;
}

bool TButton::HandleNotification(WORD code) {
  if (code != BN_CLICKED) return false;
  Click();
  return true;
}

void TButton::ReadProperty(const PropertyEntry& property, const DefinitionRoot& root) {
  if (property.name == L"Caption") {
    SetCaption(StringValue(property.value));
  } else if (property.name == L"OnClick") {
    onClick_ = EventValue(property.value, root);
  } else if (property.name == L"Default") {
    default_ = BooleanValue(property.value);
  } else if (property.name == L"Cancel") {
    cancel_ = BooleanValue(property.value);
  } else {
    TWinControl::ReadProperty(property, root);
  }
}

void TButton::CreateHandle() {
  CreateSubclassedChild(WC_BUTTONW, Caption(), WS_TABSTOP | (default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON));
}

LRESULT TButton::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND window = Handle();
  switch (message) {
  case WM_SETFOCUS:
    // The focused button is the one Enter presses, so it is drawn as the default button.
    SendMessageW(window, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    if (TForm* form = ParentForm()) form->FocusChanged(this);
    break;
  case WM_KILLFOCUS:
    if (!default_) SendMessageW(window, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    break;
  case WM_WINDOWPOSCHANGED: {
    RECT bounds{};
    GetWindowRect(window, &bounds);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&bounds), 2);
    UpdateBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    break;
  }
  default:
    break;
  }
  return DefSubclass(window, message, wParam, lParam);
}

void TLabel::CreateHandle() { CreateSubclassedChild(WC_STATICW, Caption(), SS_LEFT | SS_NOPREFIX); }

LRESULT TLabel::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefSubclass(Handle(), message, wParam, lParam);
}
