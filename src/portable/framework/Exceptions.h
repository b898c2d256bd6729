#pragma once
// The error types that commands and the framework raise. They carry their message from the throw site;
// the application's error report shows it, and a start-up failure names the class.

#include <exception>
#include <string>
#include <string_view>

class Exception : public std::exception {
public:
  // Records the code address it was raised from, for a report that names the module.
  explicit Exception(std::wstring message);

  std::wstring_view Message() const noexcept { return fixedMessage_ ? std::wstring_view(fixedMessage_) : message_; }
  const void* Address() const noexcept { return address_; }
  virtual std::wstring ToString() const { return std::wstring(Message()); }
  virtual const wchar_t* ClassName() const noexcept { return L"Exception"; }

  // Only for code that expects std::exception; the message is UTF-16 and is never narrowed.
  const char* what() const noexcept override { return "Exception"; }

protected:
  // A message of static storage, kept by its address: raising the error allocates nothing.
  struct FixedText {
    const wchar_t* text;
  };
  explicit Exception(FixedText message) noexcept;

private:
  std::wstring message_;
  const wchar_t* fixedMessage_ = nullptr;
  const void* address_;
};

// Raised to leave a command silently: the error report drops it.
class EAbort : public Exception {
public:
  EAbort() : Exception(L"Operation aborted") {}
  const wchar_t* ClassName() const noexcept override { return L"EAbort"; }
};

// Memory ran out, or an allocation was asked for more than can ever be had. Raising it needs no memory, so that
// the report is not lost to the failure it reports.
class EOutOfMemory : public Exception {
public:
  EOutOfMemory() noexcept : Exception(FixedText{L"Out of memory"}) {}
  const wchar_t* ClassName() const noexcept override { return L"EOutOfMemory"; }
};

// The standard library refused an operation: a length beyond a container's limit, a position outside a string,
// an argument it does not take. The message is the library's own text.
class ELibraryError : public Exception {
public:
  using Exception::Exception;
  const wchar_t* ClassName() const noexcept override { return L"ELibraryError"; }
};

class EIntOverflow : public Exception {
public:
  EIntOverflow() : Exception(L"Integer overflow") {}
  const wchar_t* ClassName() const noexcept override { return L"EIntOverflow"; }
};

class EPlatformVersionException : public Exception {
public:
  using Exception::Exception;
  const wchar_t* ClassName() const noexcept override { return L"EPlatformVersionException"; }
};

class EResNotFound : public Exception {
public:
  explicit EResNotFound(const std::wstring& resourceName) : Exception(L"Resource " + resourceName + L" not found") {}
  const wchar_t* ClassName() const noexcept override { return L"EResNotFound"; }
};

// A window definition that cannot be applied: an unknown property, class or handler, or a value of the wrong kind.
class EReadError : public Exception {
public:
  using Exception::Exception;
  const wchar_t* ClassName() const noexcept override { return L"EReadError"; }
};

// A window definition whose text does not follow the format.
class EParserError : public Exception {
public:
  using Exception::Exception;
  const wchar_t* ClassName() const noexcept override { return L"EParserError"; }
};

// A Windows call that failed; the framework's message names the call and gives the system's own error text.
class EOSError : public Exception {
public:
  using Exception::Exception;
  const wchar_t* ClassName() const noexcept override { return L"EOSError"; }
};
