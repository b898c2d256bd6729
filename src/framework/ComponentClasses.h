#pragma once
// The component classes a window definition can name.

#include <string_view>

#include "Classes.h"

struct ComponentClass {
  std::wstring_view name;
  TComponent* (*create)(TComponent* owner);
};

const ComponentClass* FindComponentClass(std::wstring_view name) noexcept;
