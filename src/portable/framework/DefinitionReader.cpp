#include "DefinitionReader.h"

#include "Exceptions.h"
#include "Published.h"

namespace {

DefinitionReadable& CreatePublishedComponent(const DefinitionRoot& root, std::wstring_view className,
                                             std::wstring_view name) {
  const ComponentClass* componentClass = root.ComponentClasses()(className);
  if (!componentClass) throw EReadError(L"Class " + std::wstring(className) + L" not found");
  TComponent* component = componentClass->create(&root.Component());
  component->SetName(std::wstring(name));
  for (const PublishedField& field : root.RootClass().fields) {
    if (field.name == name && !field.assign(root.Component(), component)) {
      throw EReadError(L"Field " + std::wstring(name) + L" is not a " + std::wstring(className));
    }
  }
  return dynamic_cast<DefinitionReadable&>(*component);
}

void ReadDefinition(const ObjectDefinition& definition, const DefinitionRoot& root) {
  const std::wstring_view rootClassName = root.RootClass().className;
  if (definition.className != rootClassName) {
    throw EReadError(L"Window definition is for " + definition.className + L", not " + std::wstring(rootClassName));
  }
  for (const PropertyEntry& property : definition.properties) root.Properties().ReadProperty(property, root);
  for (const ObjectDefinition& component : definition.components) {
    if (!component.components.empty()) {
      throw EReadError(L"Component " + component.name + L" cannot hold components");
    }
    DefinitionReadable& created = CreatePublishedComponent(root, component.className, component.name);
    for (const PropertyEntry& property : component.properties) created.ReadProperty(property, root);
  }
}

} // namespace

void ReadClassDefinition(const std::optional<std::string_view>& text, const DefinitionRoot& root) {
  if (!text) throw EResNotFound(std::wstring(root.RootClass().className));
  ReadDefinition(ParseWindowDefinition(*text), root);
}

void ThrowInvalidPropertyValue() { throw EReadError(L"Invalid property value"); }

void ThrowUnknownProperty(const PropertyEntry& property) {
  throw EReadError(L"Property " + property.name + L" does not exist");
}

std::int32_t IntegerValue(const PropertyValue& value) {
  if (value.kind != PropertyValue::Kind::Integer) ThrowInvalidPropertyValue();
  return static_cast<std::int32_t>(value.integer);
}

const std::wstring& StringValue(const PropertyValue& value) {
  if (value.kind != PropertyValue::Kind::String) ThrowInvalidPropertyValue();
  return value.text;
}

const std::wstring& IdentifierValue(const PropertyValue& value) {
  if (value.kind != PropertyValue::Kind::Identifier) ThrowInvalidPropertyValue();
  return value.text;
}

bool BooleanValue(const PropertyValue& value) {
  const std::wstring& word = IdentifierValue(value);
  if (word == L"True") return true;
  if (word == L"False") return false;
  ThrowInvalidPropertyValue();
}

const std::vector<std::wstring>& SetValue(const PropertyValue& value) {
  if (value.kind != PropertyValue::Kind::Set) ThrowInvalidPropertyValue();
  return value.items;
}

TNotifyEvent EventValue(const PropertyValue& value, const DefinitionRoot& root) {
  TNotifyEvent event = root.FindMethod(IdentifierValue(value));
  if (!event) ThrowInvalidPropertyValue();
  return event;
}

TNotifyEvent MethodAddress(const TFormClass& formClass, TComponent& instance, std::wstring_view name) {
  for (const PublishedMethod& method : formClass.methods) {
    if (method.name == name) {
      return [&instance, invoke = method.invoke](TObject* sender) { invoke(instance, sender); };
    }
  }
  return {};
}
