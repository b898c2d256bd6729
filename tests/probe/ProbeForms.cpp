#include "ProbeForms.h"

#include <windows.h>

#include <objbase.h>

#include <string>

#include "Dialogs.h"
#include "Exceptions.h"
#include "LibraryFailures.h"
#include "ProbeOptions.h"
#include "ShellClasses.h"

TProbeForm* ProbeForm = nullptr;

namespace {

constexpr PublishedField kProbeFields[] = {PublishField<&TProbeForm::RaiseButton>(L"RaiseButton"),
                                           PublishField<&TProbeForm::GreetButton>(L"GreetButton"),
                                           PublishField<&TProbeForm::FileButton>(L"FileButton"),
                                           PublishField<&TProbeForm::BoxButton>(L"BoxButton"),
                                           PublishField<&TProbeForm::FontButton>(L"FontButton"),
                                           PublishField<&TProbeForm::ScaledButton>(L"ScaledButton"),
                                           PublishField<&TProbeForm::CuesButton>(L"CuesButton"),
                                           PublishField<&TProbeForm::FileOpenDialog1>(L"FileOpenDialog1")};
constexpr PublishedMethod kProbeMethods[] = {PublishMethod<&TProbeForm::RaiseButtonClick>(L"RaiseButtonClick"),
                                             PublishMethod<&TProbeForm::GreetButtonClick>(L"GreetButtonClick"),
                                             PublishMethod<&TProbeForm::FileButtonClick>(L"FileButtonClick"),
                                             PublishMethod<&TProbeForm::BoxButtonClick>(L"BoxButtonClick"),
                                             PublishMethod<&TProbeForm::FontButtonClick>(L"FontButtonClick"),
                                             PublishMethod<&TProbeForm::ScaledButtonClick>(L"ScaledButtonClick"),
                                             PublishMethod<&TProbeForm::CuesButtonClick>(L"CuesButtonClick")};

constexpr PublishedField kMisboundFields[] = {PublishField<&TMisboundForm::Button1>(L"Button1")};
constexpr PublishedMethod kMisboundMethods[] = {PublishMethod<&TMisboundForm::Button1Click>(L"Button1Click")};

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
  // Each route on its own, whatever the common controls' version says.
  if (Option(L"task-dialog")) {
    TaskMessageDlgPos(L"Alles klar", mtCustom, {mbOK}, -1, -1);
  } else if (Option(L"message-form")) {
    MessageFormDlgPos(L"Alles klar", mtCustom, {mbOK}, -1, -1);
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

void TProbeForm::FontButtonClick(TObject*) {
  // The font the controls were given, which another process cannot read.
  LOGFONTW font{};
  const auto handle = reinterpret_cast<HGDIOBJ>(SendMessageW(FontButton->Handle(), WM_GETFONT, 0, 0));
  const std::wstring height = GetObjectW(handle, sizeof font, &font) ? std::to_wstring(font.lfHeight) : L"none";
  SetWindowTextW(FontButton->Handle(), (L"Font " + height).c_str());
}

void TProbeForm::ScaledButtonClick(TObject*) {
  // The window's answer to the size question that Windows asks before a DPI change, for --scaled-dpi=N; Wine
  // never asks it.
  std::wstring dpi;
  Option(L"scaled-dpi", dpi);
  RECT outer{};
  GetWindowRect(Handle(), &outer);
  SIZE size{outer.right - outer.left, outer.bottom - outer.top};
  const bool answered = SendMessageW(Handle(), WM_GETDPISCALEDSIZE, static_cast<WPARAM>(std::stoi(dpi)),
                                     reinterpret_cast<LPARAM>(&size)) != FALSE;
  const std::wstring answer = answered ? std::to_wstring(size.cx) + L"x" + std::to_wstring(size.cy) : L"none";
  SetWindowTextW(ScaledButton->Handle(), (L"Scaled " + answer).c_str());
}

LRESULT TProbeForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CHANGEUISTATE && LOWORD(wParam) == UIS_CLEAR) cuesShown_ |= HIWORD(wParam);
  return TForm::WndProc(message, wParam, lParam);
}

void TProbeForm::CuesButtonClick(TObject*) {
  std::wstring shown;
  if (cuesShown_ & UISF_HIDEFOCUS) shown += L" focus";
  if (cuesShown_ & UISF_HIDEACCEL) shown += L" mnemonics";
  SetWindowTextW(CuesButton->Handle(), (L"Cues" + (shown.empty() ? L" none" : shown)).c_str());
}

void TProbeForm::RaiseButtonClick(TObject*) {
  // Each run counts itself in the caption, so a test can tell that the command ran again after a report.
  static int runs = 0;
  SetWindowTextW(RaiseButton->Handle(), (L"Raise " + std::to_wstring(++runs)).c_str());
  std::wstring ignored;
  if (Option(L"capture", ignored)) SetCapture(RaiseButton->Handle());
  if (Option(L"abort", ignored)) throw EAbort();
  std::wstring failure;
  if (Option(L"library-failure", failure)) RaiseLibraryFailure(failure);
  std::wstring message;
  Option(L"message", message);
  throw Exception(message);
}
