#include "LibraryFailures.h"

#include <cstddef>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

// The optimiser may drop an allocation that nothing reads, or one of a size it knows, and may make a new
// expression whose block goes nowhere else into no allocation at all; these it must make.
volatile char lastByte = 0;
char* volatile lastBlock = nullptr;
// More than the 32-bit image's address space holds, and more than any 64-bit heap gives.
volatile std::size_t unobtainable = static_cast<std::size_t>(std::numeric_limits<std::ptrdiff_t>::max()) - 4095;

void Allocate(std::size_t count) {
  std::allocator<int> allocator;
  int* values = allocator.allocate(count);
  allocator.deallocate(values, count);
}

} // namespace

void RaiseLibraryFailure(std::wstring_view failure) {
  if (failure == L"length") {
    std::vector<int> values;
    values.reserve(values.max_size() + 1);
  } else if (failure == L"position") {
    const std::wstring empty;
    lastByte = static_cast<char>(empty.at(1));
  } else if (failure == L"allocator") {
    Allocate(std::allocator_traits<std::allocator<int>>::max_size(std::allocator<int>()) + 1);
  } else if (failure == L"array") {
    Allocate(std::numeric_limits<std::size_t>::max() / sizeof(int) + 1);
  } else if (failure == L"new") {
    const std::unique_ptr<char[]> block(new char[unobtainable]);
    lastBlock = block.get();
  }
}
