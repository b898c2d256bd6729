#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "DefinitionReader.h"
#include "Exceptions.h"
#include "Published.h"
#include "RaisedMessage.h"

namespace {

// A component with the two kinds of property a button has: a plain value and an event.
class FakeButton : public TComponent, public DefinitionReadable {
public:
  using TComponent::TComponent;
  void ReadProperty(const PropertyEntry& property, const DefinitionRoot& root) override {
    if (property.name == L"Caption") {
      caption = StringValue(property.value);
    } else if (property.name == L"OnClick") {
      onClick = EventValue(property.value, root);
    } else {
      ThrowUnknownProperty(property);
    }
  }
  std::wstring caption;
  TNotifyEvent onClick;
};

class FakeLabel : public TComponent, public DefinitionReadable {
public:
  using TComponent::TComponent;
  void ReadProperty(const PropertyEntry& property, const DefinitionRoot&) override { ThrowUnknownProperty(property); }
};

template <class Component> TComponent* Create(TComponent* owner) { return new Component(owner); }

const ComponentClass* FindFakeClass(std::wstring_view name) {
  static constexpr ComponentClass kButton{L"TFakeButton", Create<FakeButton>};
  static constexpr ComponentClass kLabel{L"TFakeLabel", Create<FakeLabel>};
  return name == kButton.name ? &kButton : name == kLabel.name ? &kLabel : nullptr;
}

class FakeForm : public TComponent, public DefinitionReadable {
public:
  FakeForm() : TComponent(nullptr) {}

  FakeButton* First = nullptr;
  FakeButton* Second = nullptr;
  void FirstClick(TObject* sender) { clicks.push_back({L"FirstClick", sender}); }
  void SecondClick(TObject* sender) { clicks.push_back({L"SecondClick", sender}); }

  static constexpr PublishedField kFields[] = {PublishField<&FakeForm::First>(L"First"),
                                               PublishField<&FakeForm::Second>(L"Second")};
  static constexpr PublishedMethod kMethods[] = {PublishMethod<&FakeForm::FirstClick>(L"FirstClick"),
                                                 PublishMethod<&FakeForm::SecondClick>(L"SecondClick")};
  static constexpr TFormClass kClass{L"TFakeForm", kFields, kMethods};

  void ReadProperty(const PropertyEntry& property, const DefinitionRoot&) override {
    if (property.name != L"Caption") ThrowUnknownProperty(property);
    caption = StringValue(property.value);
  }

  // The names of the components it owns, in the order they were created.
  std::vector<std::wstring> ComponentNames() const {
    std::vector<std::wstring> names;
    for (std::size_t i = 0; i < ComponentCount(); ++i) names.push_back(Components(i)->Name());
    return names;
  }

  std::wstring caption;
  std::vector<std::pair<std::wstring, TObject*>> clicks;
};

void ReadText(const std::optional<std::string_view>& text, FakeForm& form) {
  ReadClassDefinition(text, DefinitionRoot(form, FakeForm::kClass, FindFakeClass));
}

void Read(const char* text, FakeForm& form) { ReadText(text, form); }

TEST(DefinitionReader, CreatesComponentsFillsFieldsAndBindsHandlersByName) {
  FakeForm form;
  Read(R"(Form: TFakeForm {
            Caption = "Main"
            First: TFakeButton { Caption = "One" OnClick = SecondClick }
            Unpublished: TFakeButton { OnClick = FirstClick }
            Second: TFakeButton { Caption = "Two" }
          })",
       form);

  EXPECT_EQ(form.caption, L"Main");
  EXPECT_EQ(form.ComponentNames(), (std::vector<std::wstring>{L"First", L"Unpublished", L"Second"}));
  ASSERT_NE(form.First, nullptr);
  ASSERT_NE(form.Second, nullptr);
  EXPECT_EQ(form.First->caption, L"One");
  EXPECT_EQ(form.Second->caption, L"Two");
  EXPECT_FALSE(form.Second->onClick);
  for (std::size_t i = 0; i < form.ComponentCount(); ++i) {
    EXPECT_NE(dynamic_cast<FakeButton*>(form.Components(i)), nullptr) << i;
  }

  // Bound to the method named, not to the one of the button's own name, and called with the button as sender.
  form.First->onClick(form.First);
  auto* unpublished = dynamic_cast<FakeButton*>(form.FindComponent(L"Unpublished"));
  ASSERT_NE(unpublished, nullptr);
  unpublished->onClick(unpublished);
  ASSERT_EQ(form.clicks.size(), 2u);
  EXPECT_EQ(form.clicks[0], std::make_pair(std::wstring(L"SecondClick"), static_cast<TObject*>(form.First)));
  EXPECT_EQ(form.clicks[1], std::make_pair(std::wstring(L"FirstClick"), static_cast<TObject*>(unpublished)));
}

TEST(DefinitionReader, FaultsInTheDefinitionAreReadErrors) {
  const struct {
    const char* text;
    const wchar_t* message;
  } cases[] = {
      {"F: TFakeForm { B: TFakeButton { OnClick = NoSuchMethod } }", L"Invalid property value"},
      {"F: TFakeForm { B: TFakeButton { OnClick = \"FirstClick\" } }", L"Invalid property value"},
      {"F: TFakeForm { B: TFakeButton { Caption = 12 } }", L"Invalid property value"},
      {"F: TFakeForm { B: TFakeButton { Colour = 12 } }", L"Property Colour does not exist"},
      {"F: TFakeForm { Width = 12 }", L"Property Width does not exist"},
      {"F: TFakeForm { B: TNoSuchClass { } }", L"Class TNoSuchClass not found"},
      {"F: TFakeForm { First: TFakeLabel { } }", L"Field First is not a TFakeLabel"},
      {"F: TOtherForm { }", L"Window definition is for TOtherForm, not TFakeForm"},
      {"F: TFakeForm { B: TFakeButton { C: TFakeButton { } } }", L"Component B cannot hold components"},
  };
  for (const auto& c : cases) {
    FakeForm form;
    EXPECT_EQ(RaisedMessage<EReadError>([&] { Read(c.text, form); }), c.message) << c.text;
  }
}

TEST(DefinitionReader, AClassWithoutADefinitionIsAMissingResource) {
  FakeForm form;
  EXPECT_EQ(RaisedMessage<EResNotFound>([&] { ReadText(std::nullopt, form); }), L"Resource TFakeForm not found");
  ReadText("F: TFakeForm { Caption = \"Found\" }", form);
  EXPECT_EQ(form.caption, L"Found");
  EXPECT_THROW(ReadText("F: TFakeForm {", form), EParserError);
}

TEST(DefinitionReader, StopsAtTheFirstFaultWithWhatWasReadStillOwned) {
  FakeForm form;
  EXPECT_THROW(Read("F: TFakeForm { First: TFakeButton { } Second: TFakeButton { OnClick = Nope } "
                    "Third: TFakeButton { } }",
                    form),
               EReadError);
  EXPECT_EQ(form.ComponentNames(), (std::vector<std::wstring>{L"First", L"Second"}));
}

} // namespace
