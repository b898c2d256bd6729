#include "LibraryErrorFormat.h"

namespace {

// Appends what fits, keeping room for the terminator.
class Output {
public:
  Output(char* buffer, std::size_t size) noexcept : buffer_(buffer), size_(size) {}

  void Put(char c) noexcept {
    if (length_ + 1 < size_) buffer_[length_++] = c;
  }
  void Put(const char* text) noexcept {
    for (; *text; ++text) Put(*text);
  }
  void PutDecimal(std::size_t value) noexcept {
    char digits[24];
    std::size_t count = 0;
    do {
      digits[count++] = static_cast<char>('0' + value % 10);
      value /= 10;
    } while (value != 0);
    while (count > 0) Put(digits[--count]);
  }
  std::size_t Finish() noexcept {
    if (size_ > 0) buffer_[length_] = '\0';
    return length_;
  }

private:
  char* buffer_;
  std::size_t size_;
  std::size_t length_ = 0;
};

} // namespace

std::size_t FormatLibraryErrorText(char* buffer, std::size_t size, const char* format,
                                   std::va_list arguments) noexcept {
  Output out(buffer, size);
  for (const char* at = format ? format : ""; *at; ++at) {
    if (at[0] == '%' && at[1] == 's') {
      const char* text = va_arg(arguments, const char*);
      out.Put(text ? text : "(null)");
      ++at;
    } else if (at[0] == '%' && at[1] == 'z' && at[2] == 'u') {
      out.PutDecimal(va_arg(arguments, std::size_t));
      at += 2;
    } else if (at[0] == '%' && at[1] == '%') {
      out.Put('%');
      ++at;
    } else {
      out.Put(*at);
    }
  }
  return out.Finish();
}
