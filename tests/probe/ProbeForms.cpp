#include "ProbeForms.h"

#include <windows.h>

#include <shellapi.h>

#include <string>

#include "Dialogs.h"
#include "Exceptions.h"

TProbeForm* ProbeForm = nullptr;

namespace {

constexpr PublishedField kProbeFields[] = {PublishField<&TProbeForm::RaiseButton>(L"RaiseButton"),
                                           PublishField<&TProbeForm::GreetButton>(L"GreetButton")};
constexpr PublishedMethod kProbeMethods[] = {PublishMethod<&TProbeForm::RaiseButtonClick>(L"RaiseButtonClick"),
                                             PublishMethod<&TProbeForm::GreetButtonClick>(L"GreetButtonClick")};

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

} // namespace

const TFormClass TProbeForm::Class{L"TProbeForm", kProbeFields, kProbeMethods};
const TFormClass TUndefinedForm::Class{L"TUndefinedForm", {}, {}};
const TFormClass TMisboundForm::Class{L"TMisboundForm", kMisboundFields, kMisboundMethods};

TProbeForm::TProbeForm(TComponent* owner) : TForm(owner, Class) { InitializeComponent(); }
TUndefinedForm::TUndefinedForm(TComponent* owner) : TForm(owner, Class) { InitializeComponent(); }
TMisboundForm::TMisboundForm(TComponent* owner) : TForm(owner, Class) { InitializeComponent(); }

void TMisboundForm::Button1Click(TObject*) {}

void TProbeForm::GreetButtonClick(TObject*) { ShowMessagePos(L"Alles klar", -1, -1); }

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
