#include "LibraryErrors.h"

#include "Exceptions.h"

std::wstring LibraryErrorText(const char* text) {
  std::wstring out;
  if (!text) return out;
  for (; *text; ++text) out += static_cast<wchar_t>(static_cast<unsigned char>(*text));
  return out;
}

void RaiseLibraryError(const char* text) { throw ELibraryError(LibraryErrorText(text)); }

void RaiseOutOfMemory() { throw EOutOfMemory(); }
