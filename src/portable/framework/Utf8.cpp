#include "Utf8.h"

#include <cstdint>

std::optional<std::wstring> DecodeUtf8(std::string_view text) {
  std::wstring out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::uint32_t codePoint = 0;
    std::size_t length = 0;
    std::uint32_t minimum = 0;
    if (lead < 0x80) {
      codePoint = lead, length = 1;
    } else if ((lead & 0xE0) == 0xC0) {
      codePoint = lead & 0x1Fu, length = 2, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      codePoint = lead & 0x0Fu, length = 3, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      codePoint = lead & 0x07u, length = 4, minimum = 0x10000;
    } else {
      return std::nullopt;
    }
    if (text.size() - i < length) return std::nullopt;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return std::nullopt;
      codePoint = (codePoint << 6) | (next & 0x3Fu);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < minimum || surrogate || codePoint > 0x10FFFF) return std::nullopt;
    if constexpr (sizeof(wchar_t) == 2) {
      if (codePoint >= 0x10000) {
        codePoint -= 0x10000;
        out += static_cast<wchar_t>(0xD800 + (codePoint >> 10));
        out += static_cast<wchar_t>(0xDC00 + (codePoint & 0x3FF));
      } else {
        out += static_cast<wchar_t>(codePoint);
      }
    } else {
      out += static_cast<wchar_t>(codePoint);
    }
    i += length;
  }
  return out;
}
