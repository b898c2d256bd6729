#include "MessageBoxRules.h"

#include "Geometry.h"

bool UseTaskDialogRoute(const MessageBoxRouteInputs& inputs) noexcept {
  const bool commonControls6 = inputs.commonControlsMajor >= 6;
  return inputs.windowsMajor >= 6 && inputs.useLatestCommonDialogs && commonControls6 &&
         (!inputs.dialogsStyleHooked || inputs.activeFormHasSystemStyle);
}

TPoint MessageBoxPosition(const TRect& workArea, std::int32_t boxWidth, std::int32_t boxHeight, std::int32_t x,
                          std::int32_t y) noexcept {
  const TPoint centred = CentredIn(workArea, boxWidth, boxHeight);
  return {x == -1 ? centred.X : x, y == -1 ? centred.Y : y};
}

std::wstring MessageBoxClipboardText(std::wstring_view caption, std::wstring_view message,
                                     const std::vector<std::wstring>& buttonCaptions) {
  static constexpr std::wstring_view kRule = L"---------------------------\r\n";
  std::wstring text(kRule);
  text.append(caption).append(L"\r\n").append(kRule).append(message).append(L"\r\n").append(kRule);
  for (const std::wstring& button : buttonCaptions) {
    for (const wchar_t c : button) {
      if (c != L'&') text += c; // mnemonic markers are not part of what the user reads
    }
    text += L"   ";
  }
  text.append(L"\r\n").append(kRule);
  return text;
}
