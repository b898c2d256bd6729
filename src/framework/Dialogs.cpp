#include "Dialogs.h"

#include <cstdint>

void TFileOpenDialog::ReadProperty(const PropertyEntry& property, DefinitionRoot&) {
  const std::wstring& name = property.name;
  if (name == L"Left" || name == L"Top") {
    // A place on the design surface only: Left in the low 16 bits, Top in the high 16 bits.
    const auto value = static_cast<std::uint32_t>(IntegerValue(property.value)) & 0xFFFFu;
    auto info = static_cast<std::uint32_t>(DesignInfo());
    info = name == L"Left" ? (info & 0xFFFF0000u) | value : (info & 0x0000FFFFu) | (value << 16);
    SetDesignInfo(static_cast<std::int32_t>(info));
  } else if (name == L"FavoriteLinks" || name == L"FileTypes" || name == L"Options") {
    // Only the empty settings are supported: any other would change the dialog.
    if (!SetValue(property.value).empty()) ThrowInvalidPropertyValue();
  } else {
    ThrowUnknownProperty(property);
  }
}
