#pragma once
// What the standard library's containers and strings raise when they refuse an operation: the framework's
// errors, with the library's text as their message. The library's texts are ASCII: the name of the function
// that refused, or a format that adds the values it was given.

#include <string>

// The text as it is, widened; nothing for no text.
std::wstring LibraryErrorText(const char* text);

// ELibraryError with the library's text.
[[noreturn]] void RaiseLibraryError(const char* text);

// EOutOfMemory: an allocation the library could not make, or one larger than it can ever make.
[[noreturn]] void RaiseOutOfMemory();
