#include "Exceptions.h"

#if defined(_MSC_VER)
#include <intrin.h>
#pragma intrinsic(_ReturnAddress)
#define PELLACORD_NOINLINE __declspec(noinline)
#define PELLACORD_RETURN_ADDRESS() _ReturnAddress()
#else
#define PELLACORD_NOINLINE __attribute__((noinline))
#define PELLACORD_RETURN_ADDRESS() __builtin_return_address(0)
#endif

// Out of line and never inlined, so that the return address is in the code that raised the error.
PELLACORD_NOINLINE Exception::Exception(std::wstring message)
    : message_(std::move(message)), address_(PELLACORD_RETURN_ADDRESS()) {}
PELLACORD_NOINLINE Exception::Exception(FixedText message) noexcept
    : fixedMessage_(message.text), address_(PELLACORD_RETURN_ADDRESS()) {}
