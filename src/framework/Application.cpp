#include "Application.h"

#include <objbase.h>
#include <ole2.h>

#include "Forms.h"
#include "Geometry.h"
#include "Screen.h"
#include "SystemError.h"
#include "SystemLibrary.h"
#include "TaskWindows.h"
#include "TextRules.h"

TApplication* Application = nullptr;

namespace {

constexpr wchar_t kWindowClass[] = L"TApplication";

void LowerWithSystemRules(std::wstring& text) {
  if (!text.empty()) CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
}

std::wstring ModuleTitle() { return DefaultTitleFromPath(ModuleFileName(nullptr), LowerWithSystemRules); }

bool ProcessRunsInRemoteSession() noexcept {
  if (GetSystemMetrics(SM_REMOTESESSION)) return true;
  HKEY rawKey = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Control\\Terminal Server", 0, KEY_READ, &rawKey) !=
      ERROR_SUCCESS) {
    return false;
  }
  const UniqueRegistryKey key(rawKey);
  DWORD glassSession = 0, size = sizeof glassSession, type = 0;
  if (RegQueryValueExW(key.get(), L"GlassSessionId", nullptr, &type, reinterpret_cast<BYTE*>(&glassSession), &size) !=
          ERROR_SUCCESS ||
      type != REG_DWORD) {
    return false;
  }
  DWORD ownSession = 0;
  return ProcessIdToSessionId(GetCurrentProcessId(), &ownSession) && ownSession != glassSession;
}

// The hidden window's centre, moved onto another monitor while an error box belongs there, and back.
class ApplicationWindowOnMonitorOf {
public:
  ApplicationWindowOnMonitorOf(HWND applicationWindow, HWND owner) : window_(applicationWindow) {
    const HMONITOR target = MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST);
    if (!window_ || !owner || target == MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST)) return;
    MONITORINFO info{sizeof info};
    if (!GetWindowRect(window_, &original_) || !GetMonitorInfoW(target, &info)) return;
    const TPoint centre =
        CentredIn(ToTRect(info.rcMonitor), original_.right - original_.left, original_.bottom - original_.top);
    moved_ = SetWindowPos(window_, nullptr, centre.X, centre.Y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ~ApplicationWindowOnMonitorOf() {
    if (moved_) {
      SetWindowPos(window_, nullptr, original_.left, original_.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  ApplicationWindowOnMonitorOf(const ApplicationWindowOnMonitorOf&) = delete;
  ApplicationWindowOnMonitorOf& operator=(const ApplicationWindowOnMonitorOf&) = delete;

private:
  HWND window_;
  RECT original_{};
  bool moved_ = false;
};

} // namespace

TApplication::TApplication() : TComponent(nullptr), title_(ModuleTitle()) {
  oleInitialized_ = SUCCEEDED(OleInitialize(nullptr));
  HINSTANCE instance = GetModuleHandleW(nullptr);
  icon_ = LoadIconW(instance, L"MAINICON");

  WNDCLASSEXW windowClass{sizeof windowClass};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = icon_;
  windowClass.lpszClassName = kWindowClass;
  if (!RegisterClassExW(&windowClass)) RaiseLastOSError({L"Application window class not registered"});
  // Zero-sized in the middle of the primary screen: boxes without another owner come up there.
  const int left = GetSystemMetrics(SM_CXSCREEN) / 2, top = GetSystemMetrics(SM_CYSCREEN) / 2;
  handle_.reset(CreateWindowExW(0, kWindowClass, title_.c_str(),
                                WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, left, top, 0, 0,
                                nullptr, nullptr, instance, nullptr));
  if (!handle_) RaiseLastOSError({L"Error creating the application window"});
}

TApplication::~TApplication() {
  // Forms first, while COM and the hidden window they may rely on still exist.
  while (ComponentCount() > 0) delete Components(ComponentCount() - 1);
  taskbar_.Release();
  handle_.reset();
  if (comInitialized_) CoUninitialize();
  if (oleInitialized_) OleUninitialize();
}

void TApplication::Initialize() {
  if (comInitializeDone_) return;
  comInitializeDone_ = true;
  // OLE made this thread a single-threaded apartment already, so this answers S_FALSE; that counts too.
  comInitialized_ = SUCCEEDED(CoInitialize(nullptr));
}

void TApplication::SetMainFormOnTaskBar(bool value) {
  mainFormOnTaskBar_ = value;
  HWND window = handle_.get();
  const auto exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
  if (value) {
    SetWindowLongPtrW(window, GWL_EXSTYLE, exStyle | WS_EX_TOOLWINDOW);
    SetWindowTextW(window, L"");
  } else {
    SetWindowLongPtrW(window, GWL_EXSTYLE, exStyle & ~LONG_PTR{WS_EX_TOOLWINDOW});
    SetWindowTextW(window, title_.c_str());
  }
}

void TApplication::FormCreated(TForm& form, bool mainForm) {
  // Told before its window exists: a window's owner and taskbar button are fixed when it is created.
  form.SetOwnsTaskbarButton(mainForm && mainFormOnTaskBar_);
  form.Handle();
  if (!mainForm) return;
  mainForm_ = &form;
  if (mainFormOnTaskBar_) {
    HWND window = handle_.get();
    SetWindowLongPtrW(window, GWL_EXSTYLE, GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_NOACTIVATE);
  }
}

void TApplication::Run() {
  remoteSession_ = ProcessRunsInRemoteSession();
  if (mainForm_ && showMainForm_) ShowMainFormAsStarted();
  while (!terminated_) {
    try {
      HandleMessage();
    } catch (...) {
      HandleException(this);
    }
  }
}

void TApplication::ShowMainFormAsStarted() {
  STARTUPINFOW startup{sizeof startup};
  GetStartupInfoW(&startup);
  const WORD showCommand = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWDEFAULT;
  if (showCommand == SW_SHOWMAXIMIZED) {
    mainForm_->SetWindowState(wsMaximized);
  } else if (showCommand == SW_SHOWMINNOACTIVE) {
    mainForm_->SetWindowState(wsMinimized);
  }
  mainForm_->Show();
}

HWND TApplication::ActiveFormHandle() const noexcept {
  HWND active = GetActiveWindow();
  return active == handle_.get() ? nullptr : active;
}

HWND TApplication::BoxOwner(TBoxOwnerRule rule) const noexcept {
  HWND hidden = handle_.get();
  switch (rule) {
  case TBoxOwnerRule::ErrorReport:
    if (HWND active = GetActiveWindow()) return active;
    return GetLastActivePopup(hidden);
  case TBoxOwnerRule::MessageDialog:
    // An active form is the thread's active window, which ActiveFormHandle gives too.
    if (HWND active = ActiveFormHandle()) return active;
    return hidden;
  case TBoxOwnerRule::DialogComponent:
    break;
  }
  return hidden;
}

void TApplication::Terminate() noexcept { PostQuitMessage(0); }

void TApplication::HandleMessage() {
  MSG message{};
  if (ProcessMessage(message)) return;
  // Idle work, done once the window is shown and painted rather than before it shows.
  taskbar_.Prepare();
  // Block until something arrives: the loop never polls.
  WaitMessage();
}

bool TApplication::ProcessMessage(MSG& message) {
  if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) return false;
  if (message.message == WM_QUIT) {
    terminated_ = true;
  } else if (!IsDialogKey(message)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return true;
}

bool TApplication::IsDialogKey(const MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
  TWinControl* control = TWinControl::FromHandle(message.hwnd);
  TForm* form = control ? control->ParentForm() : nullptr;
  return form && form->DialogKey(message);
}

void TApplication::HandleException(TObject*) noexcept {
  if (HWND capture = GetCapture()) SendMessageW(capture, WM_CANCELMODE, 0, 0);
  const std::exception_ptr error = std::current_exception();
  if (!error) return;
  try {
    try {
      std::rethrow_exception(error);
    } catch (const EAbort&) {
      // Leaves a command silently.
    } catch (const Exception& raised) {
      ShowException(raised);
    } catch (const std::bad_alloc&) {
      // Operator new's own failure.
      ShowException(EOutOfMemory());
    } catch (...) {
      ShowException(Exception(L"An error of unknown kind"));
    }
  } catch (...) {
    // Nothing is left to report with; the loop goes on.
  }
}

void TApplication::ShowException(const Exception& error) {
  const std::wstring text = WithClosingPeriod(error.ToString());
  HWND owner = BoxOwner(TBoxOwnerRule::ErrorReport);
  const ApplicationWindowOnMonitorOf placed(handle_.get(), owner);
  const ModalBox modal(owner, TReactivate::PreviouslyActive, TRestoreFocus::Yes);
  MessageBoxW(owner, text.c_str(), title_.c_str(), MB_OK | MB_ICONERROR);
}

LRESULT CALLBACK TApplication::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  // Closing the hidden window (from the taskbar of an application without MainFormOnTaskBar) closes the main form.
  if (message == WM_CLOSE && Application && Application->MainForm()) {
    try {
      Application->MainForm()->Close();
    } catch (...) {
      Application->HandleException(Application);
    }
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}
