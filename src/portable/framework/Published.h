#pragma once
// The published part of a form class: the fields that a window definition fills by component name and the
// methods that it binds to events by name. Each form class lists them once, in declaration order.

#include <span>
#include <string_view>

#include "Classes.h"

struct PublishedMethod {
  std::wstring_view name;
  void (*invoke)(TComponent& instance, TObject* sender);
};

struct PublishedField {
  std::wstring_view name;
  // Stores the component in the field; false when it is not of the field's class.
  bool (*assign)(TComponent& instance, TComponent* component);
};

struct TFormClass {
  std::wstring_view className;
  std::span<const PublishedField> fields;
  std::span<const PublishedMethod> methods;
};

namespace published_detail {
template <class Member> struct MemberOf;
template <class Class, class Result, class... Args> struct MemberOf<Result (Class::*)(Args...)> {
  using ClassType = Class;
};
template <class Class, class Pointee> struct MemberOf<Pointee * Class::*> {
  using ClassType = Class;
  using FieldType = Pointee;
};
} // namespace published_detail

template <auto Method> constexpr PublishedMethod PublishMethod(std::wstring_view name) {
  using Class = typename published_detail::MemberOf<decltype(Method)>::ClassType;
  return {name, [](TComponent& instance, TObject* sender) { (static_cast<Class&>(instance).*Method)(sender); }};
}

template <auto Field> constexpr PublishedField PublishField(std::wstring_view name) {
  using Traits = published_detail::MemberOf<decltype(Field)>;
  return {name, [](TComponent& instance, TComponent* component) {
            auto* typed = dynamic_cast<typename Traits::FieldType*>(component);
            if (!typed) return false;
            static_cast<typename Traits::ClassType&>(instance).*Field = typed;
            return true;
          }};
}

// The method of that name bound to `instance`, or an empty event when the class publishes none.
TNotifyEvent MethodAddress(const TFormClass& formClass, TComponent& instance, std::wstring_view name);
