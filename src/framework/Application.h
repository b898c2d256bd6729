#pragma once
// The application object: COM for the GUI thread, the hidden application window, the message loop and the
// report of errors that escape a command.

#include <windows.h>

#include <new>
#include <string>

#include "Classes.h"
#include "Exceptions.h"
#include "Taskbar.h"
#include "WinHandles.h"

class TForm;

enum class TPopupMode : std::uint8_t { pmNone };
using enum TPopupMode;

// Which window a box of the framework belongs to: the boxes' rules differ, and only where one falls back.
enum class TBoxOwnerRule : std::uint8_t {
  // The error report: the thread's active window, else the hidden window's last active pop-up (itself when none).
  ErrorReport,
  // Message dialogs: the active form's window, else the active window unless it is the hidden one, else the
  // hidden window.
  MessageDialog,
  // Dialog components: the window that ModalPopupMode names; with pmNone the hidden window.
  DialogComponent,
};

class TApplication : public TComponent {
public:
  // Initialises OLE on the calling thread, works out the default title and creates the hidden window.
  TApplication();
  ~TApplication() override;

  // Initialises COM for the GUI thread, once per process.
  void Initialize();

  bool MainFormOnTaskBar() const noexcept { return mainFormOnTaskBar_; }
  // Set before any form exists, so that the main window, not the hidden one, has the taskbar button.
  void SetMainFormOnTaskBar(bool value);

  // Creates a form owned by the application and its window; the first becomes the main form. `reference` is set
  // before the form's constructor runs and reset when the constructor or the window fails.
  template <class Form> void CreateForm(Form*& reference);

  // Shows the main form as the process's start-up show command asks, then runs the loop until WM_QUIT.
  void Run();
  // Handles one message, or blocks until one arrives; a modal form's loop calls it too.
  void HandleMessage();
  // The thread's active window when it is not the hidden application window; else null.
  HWND ActiveFormHandle() const noexcept;
  // The owner of a box, by the box's rule.
  HWND BoxOwner(TBoxOwnerRule rule) const noexcept;
  void Terminate() noexcept;
  bool Terminated() const noexcept { return terminated_; }

  // Reports the exception being handled, if any; never throws. Call it from a catch block.
  void HandleException(TObject* sender) noexcept;
  // The error box: the message with its closing period, captioned with the title, modal to the application.
  void ShowException(const Exception& error);

  const std::wstring& Title() const noexcept { return title_; }
  HWND Handle() const noexcept { return handle_.get(); }
  HICON Icon() const noexcept { return icon_; }
  TTaskbar& Taskbar() noexcept { return taskbar_; }
  TForm* MainForm() const noexcept { return mainForm_; }
  // Whether Run shows the main form: always, as nothing changes it.
  bool ShowMainForm() const noexcept { return showMainForm_; }
  // pmNone, which nothing changes: dialog components are owned by the hidden window (BoxOwner).
  TPopupMode ModalPopupMode() const noexcept { return pmNone; }
  // Whether the process runs in a remote desktop session, as found when the loop started; nothing here acts on it.
  bool RemoteSession() const noexcept { return remoteSession_; }

private:
  void FormCreated(TForm& form, bool mainForm);
  void ShowMainFormAsStarted();
  bool ProcessMessage(MSG& message);
  bool IsDialogKey(const MSG& message);
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

  bool oleInitialized_ = false;
  bool comInitialized_ = false;
  bool comInitializeDone_ = false;
  bool mainFormOnTaskBar_ = false;
  bool showMainForm_ = true;
  bool terminated_ = false;
  bool remoteSession_ = false;
  std::wstring title_;
  HICON icon_ = nullptr;
  TTaskbar taskbar_;
  UniqueWindow handle_;
  TForm* mainForm_ = nullptr;
};

// The one application object, created before the program's own code runs.
extern TApplication* Application;

template <class Form> void TApplication::CreateForm(Form*& reference) {
  const bool mainForm = mainForm_ == nullptr;
  void* memory = ::operator new(sizeof(Form));
  reference = static_cast<Form*>(memory);
  Form* form = nullptr;
  try {
    form = new (memory) Form(this);
  } catch (...) {
    ::operator delete(memory);
    reference = nullptr;
    throw;
  }
  try {
    FormCreated(*form, mainForm);
  } catch (...) {
    delete form;
    reference = nullptr;
    throw;
  }
}
