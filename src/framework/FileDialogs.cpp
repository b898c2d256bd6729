#include "FileDialogs.h"

#include <shobjidl.h>
#include <wrl/client.h>

#include <cstdint>
#include <memory>

#include "Application.h"
#include "FileDialogRules.h"
#include "ShellClasses.h"
#include "SystemInfo.h"
#include "TaskWindows.h"

using Microsoft::WRL::ComPtr;

namespace {

// COM interfaces have no virtual destructor by design: the object deletes itself in Release.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
#endif

// The framework's event sink: with no event assigned it changes nothing in the dialog's behaviour, and keeps
// the component's file-type index in step with the dialog.
class FileDialogEvents final : public IFileDialogEvents {
public:
  explicit FileDialogEvents(TFileOpenDialog& component) noexcept : component_(component) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) noexcept override {
    if (!object) return E_POINTER;
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IFileDialogEvents)) {
      *object = static_cast<IFileDialogEvents*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() noexcept override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() noexcept override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE OnFileOk(IFileDialog*) noexcept override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OnFolderChanging(IFileDialog*, IShellItem*) noexcept override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OnFolderChange(IFileDialog*) noexcept override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OnSelectionChange(IFileDialog*) noexcept override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OnShareViolation(IFileDialog*, IShellItem*,
                                             FDE_SHAREVIOLATION_RESPONSE*) noexcept override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE OnTypeChange(IFileDialog* dialog) noexcept override {
    UINT index = 0;
    if (dialog && SUCCEEDED(dialog->GetFileTypeIndex(&index))) component_.SetFileTypeIndex(index);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE OnOverwrite(IFileDialog*, IShellItem*, FDE_OVERWRITE_RESPONSE*) noexcept override {
    return E_NOTIMPL;
  }

private:
  ~FileDialogEvents() = default;
  TFileOpenDialog& component_;
  ULONG references_ = 1;
};

#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

// The sink registered with the dialog for as long as this lives.
class AdvisedEvents {
public:
  AdvisedEvents(IFileDialog& dialog, IFileDialogEvents& events) noexcept : dialog_(dialog) {
    if (FAILED(dialog_.Advise(&events, &cookie_))) cookie_ = 0;
  }
  ~AdvisedEvents() {
    if (cookie_) dialog_.Unadvise(cookie_);
  }
  AdvisedEvents(const AdvisedEvents&) = delete;
  AdvisedEvents& operator=(const AdvisedEvents&) = delete;

private:
  IFileDialog& dialog_;
  DWORD cookie_ = 0;
};

struct CoTaskMemFreer {
  void operator()(wchar_t* text) const noexcept { CoTaskMemFree(text); }
};
using CoTaskMemText = std::unique_ptr<wchar_t, CoTaskMemFreer>;

CoTaskMemText DisplayName(IShellItem& item, SIGDN form) noexcept {
  wchar_t* name = nullptr;
  if (FAILED(item.GetDisplayName(form, &name))) return nullptr;
  return CoTaskMemText(name);
}

} // namespace

bool TFileOpenDialog::Execute() { return Execute(Application->BoxOwner(TBoxOwnerRule::DialogComponent)); }

bool TFileOpenDialog::Execute(HWND parentWindow) {
  CheckWindowsVistaOrLater(Win32MajorVersion(), L"TFileOpenDialog");

  ComPtr<IFileOpenDialog> dialog;
  CoCreateInstance(kFileOpenDialogClass, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&dialog));
  if (!dialog) return false;

  // Only the options are always passed; every other setting only when it is set.
  if (!fileName_.empty()) dialog->SetFileName(fileName_.c_str());
  dialog->SetOptions(0);

  const ModalBox modal(parentWindow, TReactivate::Owner, TRestoreFocus::Yes);
  ComPtr<IFileDialogEvents> events;
  events.Attach(new FileDialogEvents(*this));
  const AdvisedEvents advised(*dialog.Get(), *events.Get());
  if (FAILED(dialog->Show(parentWindow))) return false;

  ComPtr<IShellItem> item;
  if (FAILED(dialog->GetResult(&item)) || !item) return false;
  CoTaskMemText name = DisplayName(*item.Get(), SIGDN_FILESYSPATH);
  if (!name) name = DisplayName(*item.Get(), SIGDN_NORMALDISPLAY);
  if (name) fileName_ = name.get();
  files_.assign(1, fileName_);
  return static_cast<bool>(name);
}

void TFileOpenDialog::ReadProperty(const PropertyEntry& property, const DefinitionRoot&) {
  const std::wstring& name = property.name;
  if (name == L"Left" || name == L"Top") {
    // A place on the design surface only: Left in the low 16 bits, Top in the high 16 bits.
    const auto value = static_cast<std::uint32_t>(IntegerValue(property.value)) & 0xFFFFu;
    auto info = static_cast<std::uint32_t>(DesignInfo());
    info = name == L"Left" ? (info & 0xFFFF0000u) | value : (info & 0x0000FFFFu) | (value << 16);
    SetDesignInfo(static_cast<std::int32_t>(info));
  } else if (name == L"FavoriteLinks" || name == L"FileTypes" || name == L"Options") {
    // Only the empty settings are supported: any other would change the dialog.
    if (!SetValue(property.value).empty()) ThrowInvalidPropertyValue();
  } else {
    ThrowUnknownProperty(property);
  }
}
