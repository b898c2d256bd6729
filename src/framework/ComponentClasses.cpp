#include "ComponentClasses.h"

#include "FileDialogs.h"
#include "StdCtrls.h"

namespace {

template <class Component> TComponent* Create(TComponent* owner) { return new Component(owner); }

constexpr ComponentClass kClasses[] = {
    {L"TButton", Create<TButton>},
    {L"TFileOpenDialog", Create<TFileOpenDialog>},
};

} // namespace

const ComponentClass* FindComponentClass(std::wstring_view name) noexcept {
  for (const ComponentClass& componentClass : kClasses) {
    if (componentClass.name == name) return &componentClass;
  }
  return nullptr;
}
