#include "SystemLibrary.h"

UniqueModule LoadSystemLibrary(const wchar_t* name) noexcept {
  return UniqueModule(LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
}
