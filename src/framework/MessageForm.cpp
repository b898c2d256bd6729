#include "MessageForm.h"

#include <windows.h>

#include <algorithm>
#include <memory>

#include "Exceptions.h"
#include "Forms.h"
#include "MessageBoxRules.h"
#include "StdCtrls.h"

namespace {

// Layout at 96 DPI; the form scales itself to its monitor.
constexpr std::int32_t kMargin = 12;
constexpr std::int32_t kGap = 16;
constexpr std::int32_t kButtonWidth = 75;
constexpr std::int32_t kButtonHeight = 25;
constexpr std::int32_t kButtonSpacing = 8;

const TFormClass kMessageFormClass{L"TMessageForm", {}, {}};

class TMessageForm : public TForm {
public:
  TMessageForm(const std::wstring& caption, const std::wstring& message, const std::vector<DialogButton>& buttons)
      : TForm(nullptr, kMessageFormClass), message_(message) {
    SetCaption(caption);
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);

    const SIZE text = MeasureText(message);
    const std::int32_t buttonsWidth = static_cast<std::int32_t>(buttons.size()) * (kButtonWidth + kButtonSpacing) -
                                      (buttons.empty() ? 0 : kButtonSpacing);
    const std::int32_t contentWidth = std::max<std::int32_t>(text.cx, buttonsWidth);
    SetClientSize(contentWidth + 2 * kMargin, kMargin + text.cy + kGap + kButtonHeight + kMargin);

    label_ = new TLabel(this);
    label_->SetParent(this);
    label_->SetCaption(message);
    label_->SetBounds(kMargin, kMargin, text.cx, text.cy);

    std::int32_t left = kMargin + (contentWidth - buttonsWidth) / 2;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
      auto* button = new TButton(this);
      button->SetParent(this);
      button->SetCaption(buttons[i].caption);
      button->SetModalResult(buttons[i].modalResult);
      button->SetDefault(i == 0);
      button->SetCancel(i + 1 == buttons.size());
      button->SetBounds(left, kMargin + text.cy + kGap, kButtonWidth, kButtonHeight);
      buttons_.push_back(button);
      left += kButtonWidth + kButtonSpacing;
    }
    // The window now, so that the size it comes to at its monitor's DPI is known before the box is placed.
    Handle();
  }

  // Ctrl+C copies the box as text, with a beep to say so.
  bool DialogKey(const MSG& message) override {
    if (message.message == WM_KEYDOWN && message.wParam == 'C' && GetKeyState(VK_CONTROL) < 0 &&
        GetKeyState(VK_MENU) >= 0) {
      std::vector<std::wstring> captions;
      for (const TButton* button : buttons_) captions.push_back(button->Caption());
      CopyToClipboard(MessageBoxClipboardText(Caption(), message_, captions));
      MessageBeep(0);
      return true;
    }
    return TForm::DialogKey(message);
  }

private:
  SIZE MeasureText(const std::wstring& text) {
    HDC screen = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(screen, Font().Handle());
    RECT bounds{0, 0, GetSystemMetrics(SM_CXSCREEN) / 2, 0};
    DrawTextW(screen, text.c_str(), static_cast<int>(text.size()), &bounds,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return {bounds.right - bounds.left, bounds.bottom - bounds.top};
  }

  void CopyToClipboard(const std::wstring& text) {
    if (!OpenClipboard(Handle())) return;
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
      if (void* target = GlobalLock(memory)) {
        std::copy_n(text.c_str(), text.size() + 1, static_cast<wchar_t*>(target));
        GlobalUnlock(memory);
        // The clipboard owns the memory once it has taken it.
        if (SetClipboardData(CF_UNICODETEXT, memory)) memory = nullptr;
      }
      if (memory) GlobalFree(memory);
    }
    CloseClipboard();
  }

  std::wstring message_;
  TLabel* label_ = nullptr;
  std::vector<TButton*> buttons_;
};

} // namespace

int ShowMessageForm(const std::wstring& caption, const std::wstring& message, const std::vector<DialogButton>& buttons,
                    int x, int y) {
  const auto form = std::make_unique<TMessageForm>(caption, message, buttons);
  if (x >= 0 || y >= 0) {
    form->SetPosition(poDesigned);
    form->SetBounds(x >= 0 ? x : form->Left(), y >= 0 ? y : form->Top(), form->Width(), form->Height());
  }
  return form->ShowModal();
}
