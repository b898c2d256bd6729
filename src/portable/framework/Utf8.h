#pragma once

#include <optional>
#include <string>
#include <string_view>

// UTF-8 to the platform's wide text (UTF-16 on Windows); nothing for ill-formed input, which is never guessed at.
std::optional<std::wstring> DecodeUtf8(std::string_view text);
