#pragma once
// Failures of the standard library's own, raised from inside it as a command would meet them.

#include <string_view>

// "length": a container asked for more than its maximum; "position": a string read past its end;
// "allocator" and "array": an allocator asked for more than it can give, or than a size can count;
// "new": operator new finding no block that large. Returns for any other name.
void RaiseLibraryFailure(std::wstring_view failure);
