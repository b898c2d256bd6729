#include "ComponentClasses.h"

#include "FileDialogs.h"
#include "StdCtrls.h"

namespace {

template <class Component> TComponent* Create(TComponent* owner) { return new Component(owner); }

// A control read from a definition sits on the form that owns it.
template <class Control> TComponent* CreateControl(TComponent* owner) {
  auto* control = new Control(owner);
  control->SetParent(dynamic_cast<TWinControl*>(owner));
  return control;
}

constexpr ComponentClass kClasses[] = {
    {L"TButton", CreateControl<TButton>},
    {L"TFileOpenDialog", Create<TFileOpenDialog>},
};

} // namespace

const ComponentClass* FindComponentClass(std::wstring_view name) noexcept {
  for (const ComponentClass& componentClass : kClasses) {
    if (componentClass.name == name) return &componentClass;
  }
  return nullptr;
}
