#pragma once
// Applies a parsed window definition to a form: its own properties, then each component in order, created
// by class name, filled into the published field of its name, with its events bound by method name.

#include <optional>
#include <string_view>

#include "Classes.h"
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
