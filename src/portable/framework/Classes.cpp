#include "Classes.h"

TComponent::TComponent(TComponent* owner) : owner_(owner) {
  if (owner_) owner_->components_.emplace_back(this);
}

TComponent::~TComponent() {
  while (!components_.empty()) {
    std::unique_ptr<TComponent> last = std::move(components_.back());
    components_.pop_back();
    last.reset();
  }
  // Destroyed on its own, or by a failing constructor: leave the owner's list so it is not destroyed twice.
  if (owner_) {
    auto& siblings = owner_->components_;
    for (auto it = siblings.begin(); it != siblings.end(); ++it) {
      if (it->get() == this) {
        it->release();
        siblings.erase(it);
        break;
      }
    }
  }
}

TComponent* TComponent::FindComponent(std::wstring_view name) const {
  for (const auto& component : components_) {
    if (component->Name() == name) return component.get();
  }
  return nullptr;
}
