#pragma once
// The object model under the framework: components with a name and an owner that destroys them.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TObject {
public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;
};

// A click or similar event: a method of some object, called with the object that raised the event.
using TNotifyEvent = std::function<void(TObject* sender)>;

class TComponent : public TObject {
public:
  // The owner, when given, takes the component over and destroys it with itself.
  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  TComponent* Owner() const noexcept { return owner_; }
  const std::wstring& Name() const noexcept { return name_; }
  void SetName(std::wstring name) { name_ = std::move(name); }

  std::size_t ComponentCount() const noexcept { return components_.size(); }
  // For index < ComponentCount().
  TComponent* Components(std::size_t index) const { return components_[index].get(); }
  TComponent* FindComponent(std::wstring_view name) const;

  // Design-surface position of a component without a window: Left in the low 16 bits, Top in the high.
  std::int32_t DesignInfo() const noexcept { return designInfo_; }
  void SetDesignInfo(std::int32_t value) noexcept { designInfo_ = value; }

private:
  TComponent* owner_;
  std::wstring name_;
  std::int32_t designInfo_ = 0;
  // Destroyed last first, so that a component never outlives one created before it.
  std::vector<std::unique_ptr<TComponent>> components_;
};
