#pragma once
// Applies a parsed window definition to a form: its own properties, then each component in order, created
// by class name, filled into the published field of its name, with its events bound by method name.

#include <concepts>
#include <optional>
#include <string_view>

#include "Classes.h"
#include "Published.h"
#include "WindowDefinition.h"

class DefinitionRoot;

// A component that takes its properties from a window definition.
class DefinitionReadable {
public:
  // Raises EReadError for a property the component does not have or a value it cannot take.
  virtual void ReadProperty(const PropertyEntry& property, const DefinitionRoot& root) = 0;

protected:
  ~DefinitionReadable() = default;
};

// A class that a window definition may name, and how a component of it is made.
struct ComponentClass {
  std::wstring_view name;
  TComponent* (*create)(TComponent* owner);
};

// The class of that name, or null when there is none.
using ComponentClassLookup = const ComponentClass* (*)(std::wstring_view name);

// The component a definition describes as a whole (a form), as the reader sees it: it takes its own properties
// like any component, owns the components the definition creates, and its class's published table names the
// fields they fill and the methods their events bind to.
class DefinitionRoot {
public:
  template <class Root>
  requires std::derived_from<Root, TComponent> && std::derived_from<Root, DefinitionReadable>
  DefinitionRoot(Root& root, const TFormClass& rootClass, ComponentClassLookup componentClasses)
  noexcept : component_(root), properties_(root), rootClass_(rootClass), componentClasses_(componentClasses) {}

  TComponent& Component() const noexcept { return component_; }
  DefinitionReadable& Properties() const noexcept { return properties_; }
  const TFormClass& RootClass() const noexcept { return rootClass_; }
  ComponentClassLookup ComponentClasses() const noexcept { return componentClasses_; }
  // The root's published method of that name, bound to it; an empty event when there is none.
  TNotifyEvent FindMethod(std::wstring_view name) const { return MethodAddress(rootClass_, component_, name); }

private:
  TComponent& component_;
  DefinitionReadable& properties_;
  const TFormClass& rootClass_;
  ComponentClassLookup componentClasses_;
};

// Reads the definition text found for the root's class into the root: its own properties, then each component
// in order, created by class name and owned by the root, named, stored in the published field of its name where
// there is one, with its properties read. No text is an EResNotFound naming the class; a fault in the text an
// EParserError; a definition of another class, a class the lookup does not know ("Class <name> not found"), a
// field of another class ("Field <name> is not a <class>") or a property a component cannot take an EReadError.
// Reading stops at the first fault, with what was created so far owned by the root.
void ReadClassDefinition(const std::optional<std::string_view>& text, const DefinitionRoot& root);

// Typed access to a property value; a value of another kind is an "Invalid property value".
std::int32_t IntegerValue(const PropertyValue& value);
const std::wstring& StringValue(const PropertyValue& value);
const std::wstring& IdentifierValue(const PropertyValue& value);
bool BooleanValue(const PropertyValue& value);
const std::vector<std::wstring>& SetValue(const PropertyValue& value);
TNotifyEvent EventValue(const PropertyValue& value, const DefinitionRoot& root);

[[noreturn]] void ThrowInvalidPropertyValue();
[[noreturn]] void ThrowUnknownProperty(const PropertyEntry& property);
