// The standard library's throw helpers, as this program has them: they raise the framework's errors, which the
// error report shows with their text like any other. The runtime library's own versions raise the standard
// exceptions, whose message type brings a second string implementation and the random device along with it,
// some 90 KB of an image that has no other use for them. Defining every helper of that one library member
// keeps the member, and all it brings, out of the link.
//
// Ordinary code, never link-time optimised (GCC 12 stops with an internal compiler error when the program's
// link-time code defines these), and so with no inline code of its own: the linker takes an inline function
// defined both here and in link-time code for two definitions.

#include <cstdarg>

#include "LibraryErrorFormat.h"
#include "LibraryErrors.h"

// Known only once a library header is in.
#if defined(__GLIBCXX__)

#include <bits/functexcept.h>

namespace std {

// An allocator asked for more than it can ever give: reported as memory running out, as operator new does.
void __throw_bad_alloc() { RaiseOutOfMemory(); }
void __throw_bad_array_new_length() { RaiseOutOfMemory(); }

void __throw_logic_error(const char* text) { RaiseLibraryError(text); }
void __throw_domain_error(const char* text) { RaiseLibraryError(text); }
void __throw_invalid_argument(const char* text) { RaiseLibraryError(text); }
void __throw_length_error(const char* text) { RaiseLibraryError(text); }
void __throw_out_of_range(const char* text) { RaiseLibraryError(text); }
void __throw_runtime_error(const char* text) { RaiseLibraryError(text); }
void __throw_range_error(const char* text) { RaiseLibraryError(text); }
void __throw_overflow_error(const char* text) { RaiseLibraryError(text); }
void __throw_underflow_error(const char* text) { RaiseLibraryError(text); }

void __throw_out_of_range_fmt(const char* format, ...) {
  // Room for the library's longest: a function name and two sizes.
  char text[256];
  va_list arguments;
  va_start(arguments, format);
  FormatLibraryErrorText(text, sizeof text, format, arguments);
  va_end(arguments);
  RaiseLibraryError(text);
}

// Raised by the library's locale and type machinery, which this program does not use; in plain words, should it.
void __throw_bad_exception() { RaiseLibraryError("Unexpected exception"); }
void __throw_bad_cast() { RaiseLibraryError("Invalid type cast"); }
void __throw_bad_typeid() { RaiseLibraryError("Type asked of a null object"); }

} // namespace std

#endif
