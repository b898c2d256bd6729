#pragma once
// The test program's command line: switches "--name" and "--name=value".

#include <string>
#include <string_view>

// The value of "--name=value" (empty for a bare "--name"), if the switch is given.
bool Option(std::wstring_view name, std::wstring& value);
bool Option(std::wstring_view name);
