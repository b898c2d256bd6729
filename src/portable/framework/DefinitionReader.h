#pragma once
// Applies a parsed window definition to a form: its own properties, then each component in order, created
// by class name, filled into the published field of its name, with its events bound by method name.

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
  virtual void ReadProperty(const PropertyEntry& property, DefinitionRoot& root) = 0;

protected:
  ~DefinitionReadable() = default;
};

// The component a definition describes as a whole (a form). It reads its own properties like any component.
class DefinitionRoot {
public:
  virtual void ReadProperty(const PropertyEntry& property, DefinitionRoot& root) = 0;
  virtual std::wstring_view DefinitionClassName() const = 0;
  // Creates a component owned by the root, named, and stored in the published field of that name.
  virtual DefinitionReadable& CreateComponent(std::wstring_view className, std::wstring_view name) = 0;
  // The root's published method of that name; an empty event when there is none.
  virtual TNotifyEvent FindMethod(std::wstring_view name) = 0;

protected:
  ~DefinitionRoot() = default;
};

void ReadDefinition(const ObjectDefinition& definition, DefinitionRoot& root);

// A class that a window definition may name, and how a component of it is made.
struct ComponentClass {
  std::wstring_view name;
  TComponent* (*create)(TComponent* owner);
};

// The class of that name, or null when there is none.
using ComponentClassLookup = const ComponentClass* (*)(std::wstring_view name);

// What a form's CreateComponent does with its own classes and fields: creates a component of the class named,
// owned by `form` and named `name`, and stores it in the published field of that name if `formClass` has one.
// Raises EReadError "Class <className> not found" for a class the lookup does not know, and "Field <name> is not
// a <className>" for a field of another class.
DefinitionReadable& CreatePublishedComponent(ComponentClassLookup lookup, const TFormClass& formClass, TComponent& form,
                                             std::wstring_view className, std::wstring_view name);

// Reads the definition text found for the root's class; no text is an EResNotFound naming the class.
void ReadClassDefinition(const std::optional<std::string_view>& text, DefinitionRoot& root);

// Typed access to a property value; a value of another kind is an "Invalid property value".
std::int32_t IntegerValue(const PropertyValue& value);
const std::wstring& StringValue(const PropertyValue& value);
const std::wstring& IdentifierValue(const PropertyValue& value);
bool BooleanValue(const PropertyValue& value);
const std::vector<std::wstring>& SetValue(const PropertyValue& value);
TNotifyEvent EventValue(const PropertyValue& value, DefinitionRoot& root);

[[noreturn]] void ThrowInvalidPropertyValue();
[[noreturn]] void ThrowUnknownProperty(const PropertyEntry& property);
