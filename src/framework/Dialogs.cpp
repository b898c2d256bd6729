#include "Dialogs.h"

#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "Application.h"
#include "MessageBoxRules.h"
#include "MessageForm.h"
#include "Screen.h"
#include "SystemInfo.h"
#include "SystemLibrary.h"
#include "TaskWindows.h"

namespace {

struct ButtonInfo {
  TMsgDlgBtn button;
  int modalResult;
  const wchar_t* caption;
};

constexpr ButtonInfo kButtons[] = {
    {mbYes, mrYes, L"&Yes"}, {mbNo, mrNo, L"&No"}, {mbOK, mrOk, L"OK"}, {mbCancel, mrCancel, L"Cancel"}};

struct TypeInfo {
  const wchar_t* caption; // null: the application title
  PCWSTR icon;
};

TypeInfo InfoFor(TMsgDlgType type) noexcept {
  switch (type) {
  case mtWarning:
    return {L"Warning", TD_WARNING_ICON};
  case mtError:
    return {L"Error", TD_ERROR_ICON};
  case mtInformation:
    return {L"Information", TD_INFORMATION_ICON};
  case mtConfirmation:
    return {L"Confirm", nullptr};
  case mtCustom:
    break;
  }
  return {nullptr, nullptr};
}

struct TaskDialogPlacement {
  HWND owner;
  int x;
  int y;
  HWND box = nullptr;
};

void PlaceBox(const TaskDialogPlacement& placement) noexcept {
  MONITORINFO monitor{sizeof monitor};
  RECT box{};
  if (!GetMonitorInfoW(MonitorFromWindow(placement.owner, MONITOR_DEFAULTTONEAREST), &monitor) ||
      !GetWindowRect(placement.box, &box)) {
    return;
  }
  const TPoint position =
      MessageBoxPosition(ToTRect(monitor.rcWork), box.right - box.left, box.bottom - box.top, placement.x, placement.y);
  SetWindowPos(placement.box, nullptr, position.X, position.Y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HRESULT CALLBACK TaskDialogCallback(HWND window, UINT notification, WPARAM, LPARAM, LONG_PTR data) noexcept {
  auto& placement = *reinterpret_cast<TaskDialogPlacement*>(data);
  switch (notification) {
  case TDN_DIALOG_CONSTRUCTED:
    placement.box = window;
    break;
  case TDN_CREATED:
    PlaceBox(placement);
    break;
  default: // F1 does nothing (no help context); a button click closes the box.
    break;
  }
  return S_OK;
}

int TaskMessageDialog(const std::wstring& caption, PCWSTR icon, const std::wstring& message,
                      const std::vector<DialogButton>& buttons, int x, int y) {
  std::vector<TASKDIALOG_BUTTON> dialogButtons;
  for (const DialogButton& button : buttons) dialogButtons.push_back({button.modalResult, button.caption.c_str()});
  TaskDialogPlacement placement{Application->BoxOwner(TBoxOwnerRule::MessageDialog), x, y};
  TASKDIALOGCONFIG config{sizeof config};
  config.hwndParent = placement.owner;
  config.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION;
  config.pszWindowTitle = caption.c_str();
  config.pszMainIcon = icon;
  config.pszContent = message.c_str();
  config.cButtons = static_cast<UINT>(dialogButtons.size());
  config.pButtons = dialogButtons.data();
  config.nDefaultButton = dialogButtons.empty() ? 0 : dialogButtons.front().nButtonID;
  config.pfCallback = TaskDialogCallback;
  config.lpCallbackData = reinterpret_cast<LONG_PTR>(&placement);

  const ModalBox modal(placement.owner, TReactivate::Owner, TRestoreFocus::No);
  int pressed = 0;
  const auto taskDialogIndirect = LateBound::TaskDialogIndirect();
  const HRESULT result = taskDialogIndirect ? taskDialogIndirect(&config, &pressed, nullptr, nullptr) : E_NOTIMPL;
  return SUCCEEDED(result) ? pressed : 0;
}

std::wstring CaptionOf(const TypeInfo& info) { return info.caption ? info.caption : Application->Title(); }

std::vector<DialogButton> ChosenButtons(TMsgDlgButtons buttons) {
  std::vector<DialogButton> chosen;
  for (const ButtonInfo& button : kButtons) {
    if (buttons.Contains(button.button)) chosen.push_back({button.modalResult, button.caption});
  }
  return chosen;
}

} // namespace

int TaskMessageDlgPos(const std::wstring& message, TMsgDlgType type, TMsgDlgButtons buttons, int x, int y) {
  const TypeInfo info = InfoFor(type);
  return TaskMessageDialog(CaptionOf(info), info.icon, message, ChosenButtons(buttons), x, y);
}

int MessageFormDlgPos(const std::wstring& message, TMsgDlgType type, TMsgDlgButtons buttons, int x, int y) {
  return ShowMessageForm(CaptionOf(InfoFor(type)), message, ChosenButtons(buttons), x, y);
}

int MessageDlgPosHelp(const std::wstring& message, TMsgDlgType type, TMsgDlgButtons buttons, int, int x, int y,
                      const std::wstring&) {
  const FileVersion commonControls = CommonControlsVersion();
  const MessageBoxRouteInputs route{Win32MajorVersion(),         UseLatestCommonDialogs,
                                    commonControls.major,        commonControls.minor,
                                    /*dialogsStyleHooked=*/true, /*activeFormHasSystemStyle=*/true};
  if (UseTaskDialogRoute(route)) return TaskMessageDlgPos(message, type, buttons, x, y);
  return MessageFormDlgPos(message, type, buttons, x, y);
}

void ShowMessagePos(const std::wstring& message, int x, int y) {
  MessageDlgPosHelp(message, mtCustom, {mbOK}, 0, x, y, L"");
}
