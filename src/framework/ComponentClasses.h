#pragma once
// The component classes a window definition can name.

#include <string_view>

#include "DefinitionReader.h"

const ComponentClass* FindComponentClass(std::wstring_view name) noexcept;
