#include "ProbeForms.h"

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>

#include <string>

#include "Dialogs.h"
#include "Exceptions.h"

TProbeForm* ProbeForm = nullptr;

namespace {

constexpr PublishedField kProbeFields[] = {
    PublishField<&TProbeForm::RaiseButton>(L"RaiseButton"), PublishField<&TProbeForm::GreetButton>(L"GreetButton"),
    PublishField<&TProbeForm::FileButton>(L"FileButton"), PublishField<&TProbeForm::BoxButton>(L"BoxButton"),
    PublishField<&TProbeForm::FileOpenDialog1>(L"FileOpenDialog1")};
constexpr PublishedMethod kProbeMethods[] = {PublishMethod<&TProbeForm::RaiseButtonClick>(L"RaiseButtonClick"),
                                             PublishMethod<&TProbeForm::GreetButtonClick>(L"GreetButtonClick"),
                                             PublishMethod<&TProbeForm::FileButtonClick>(L"FileButtonClick"),
                                             PublishMethod<&TProbeForm::BoxButtonClick>(L"BoxButtonClick")};

constexpr PublishedField kMisboundFields[] = {PublishField<&TMisboundForm::Button1>(L"Button1")};
constexpr PublishedMethod kMisboundMethods[] = {PublishMethod<&TMisboundForm::Button1Click>(L"Button1Click")};

// The value of "--name=value" on the command line, if given.
bool Option(std::wstring_view name, std::wstring& value) {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!arguments) return false;
  bool found = false;
  const std::wstring prefix = L"--" + std::wstring(name);
  for (int i = 1; i < count && !found; ++i) {
    const std::wstring_view argument(arguments[i]);
    if (argument == prefix) {
      value.clear();
      found = true;
    } else if (argument.starts_with(prefix + L"=")) {
      value = argument.substr(prefix.size() + 1);
      found = true;
    }
  }
  LocalFree(arguments);
  return found;
}

bool Option(std::wstring_view name) {
  std::wstring ignored;
  return Option(name, ignored);
}

// --refuse-dialogs: while it lives, no dialog window can be made on this thread, as on a system out of window
// resources. A CBT hook refuses each one as it is created.
class DialogsRefused {
public:
  DialogsRefused()
      : hook_(Option(L"refuse-dialogs") ? SetWindowsHookExW(WH_CBT, Refuse, nullptr, GetCurrentThreadId()) : nullptr) {}
  ~DialogsRefused() {
    if (hook_) UnhookWindowsHookEx(hook_);
  }
  DialogsRefused(const DialogsRefused&) = delete;
  DialogsRefused& operator=(const DialogsRefused&) = delete;

private:
  static LRESULT CALLBACK Refuse(int code, WPARAM window, LPARAM data) noexcept {
    wchar_t className[16]{};
    if (code == HCBT_CREATEWND && GetClassNameW(reinterpret_cast<HWND>(window), className, 16) > 0 &&
        std::wstring_view(className) == L"#32770") {
      return 1;
    }
    return CallNextHookEx(nullptr, code, window, data);
  }

  HHOOK hook_;
};

// The file-open dialog's class, as the framework spells it.
constexpr CLSID kFileOpenDialogClass = {0xDC1C5A9C, 0xE88A, 0x4DDE, {0xA5, 0xA1, 0x60, 0xF8, 0x2A, 0x20, 0xAE, 0xF7}};

// COM interfaces have no virtual destructor by design.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
#endif

// A class object that makes nothing, as when a class is missing from the system.
class RefusingClassFactory final : public IClassFactory {
public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override {
    if (!object) return E_POINTER;
    *object = iid == __uuidof(IUnknown) || iid == __uuidof(IClassFactory) ? this : nullptr;
    return *object ? S_OK : E_NOINTERFACE;
  }
  // Lives on the stack for the registration's time: the count is not needed.
  ULONG STDMETHODCALLTYPE AddRef() noexcept override { return 2; }
  ULONG STDMETHODCALLTYPE Release() noexcept override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID, void** object) noexcept override {
    if (object) *object = nullptr;
    return CLASS_E_CLASSNOTAVAILABLE;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) noexcept override { return S_OK; }
};

#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

// --no-dialog-class: while it lives, the file-open dialog's class makes no object in this process; a class
// object registered for it refuses. (Leaving the thread without COM does not get there under Wine: once a window
// has been shown, its input method keeps the thread's apartment alive.)
class DialogClassMissing {
public:
  DialogClassMissing() {
    if (Option(L"no-dialog-class") &&
        FAILED(CoRegisterClassObject(kFileOpenDialogClass, &factory_, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE,
                                     &cookie_))) {
      cookie_ = 0;
    }
  }
  ~DialogClassMissing() {
    if (cookie_) CoRevokeClassObject(cookie_);
  }
  DialogClassMissing(const DialogClassMissing&) = delete;
  DialogClassMissing& operator=(const DialogClassMissing&) = delete;

private:
  RefusingClassFactory factory_;
  DWORD cookie_ = 0;
};

} // namespace

const TFormClass TProbeForm::Class{L"TProbeForm", kProbeFields, kProbeMethods};
const TFormClass TUndefinedForm::Class{L"TUndefinedForm", {}, {}};
const TFormClass TMisboundForm::Class{L"TMisboundForm", kMisboundFields, kMisboundMethods};

TProbeForm::TProbeForm(TComponent* owner) : TForm(owner, Class) { InitializeComponent(); }
TUndefinedForm::TUndefinedForm(TComponent* owner) : TForm(owner, Class) { InitializeComponent(); }
TMisboundForm::TMisboundForm(TComponent* owner) : TForm(owner, Class) { InitializeComponent(); }

void TMisboundForm::Button1Click(TObject*) {}

void TProbeForm::GreetButtonClick(TObject*) {
  // Wine's common controls give version 5.81, which sends the program itself down the message-form route;
  // --task-dialog takes the task dialog's route as on a system whose library says 6.
  if (Option(L"task-dialog")) {
    TaskMessageDlgPos(L"Alles klar", mtCustom, {mbOK}, -1, -1);
  } else {
    ShowMessagePos(L"Alles klar", -1, -1);
  }
}

void TProbeForm::FileButtonClick(TObject*) {
  static int runs = 0;
  bool chosen = false;
  {
    const DialogClassMissing missing;
    const DialogsRefused refused;
    chosen = FileOpenDialog1->Execute();
  }
  SetWindowTextW(FileButton->Handle(),
                 (L"File " + std::to_wstring(++runs) + (chosen ? L": true" : L": false")).c_str());
}

void TProbeForm::BoxButtonClick(TObject*) {
  static int runs = 0;
  int result = 0;
  {
    const DialogsRefused refused;
    // What ShowMessagePos does, with the modal result kept.
    result = MessageDlgPosHelp(L"Alles klar", mtCustom, {mbOK}, 0, -1, -1, L"");
  }
  SetWindowTextW(BoxButton->Handle(), (L"Box " + std::to_wstring(++runs) + L": " + std::to_wstring(result)).c_str());
}

void TProbeForm::RaiseButtonClick(TObject*) {
  // Each run counts itself in the caption, so a test can tell that the command ran again after a report.
  static int runs = 0;
  SetWindowTextW(RaiseButton->Handle(), (L"Raise " + std::to_wstring(++runs)).c_str());
  std::wstring ignored;
  if (Option(L"capture", ignored)) SetCapture(RaiseButton->Handle());
  if (Option(L"abort", ignored)) throw EAbort();
  std::wstring message;
  Option(L"message", message);
  throw Exception(message);
}
