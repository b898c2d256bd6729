#pragma once
// Waiting by polling: the program under test runs in another process, so the driver watches for the
// state it expects instead of guessing how long it takes.

#include <windows.h>

#include <chrono>

namespace e2e {

using namespace std::chrono_literals;

inline constexpr std::chrono::milliseconds pollInterval = 10ms;

// Polls until the condition holds or the timeout passes; tells whether it held.
template <typename Condition> bool WaitFor(std::chrono::milliseconds timeout, Condition&& condition) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    Sleep(static_cast<DWORD>(pollInterval.count()));
  }
}

// Polls until read() yields the expected value or the timeout passes; returns the last value read, so
// that a check can show what was found instead.
template <typename T, typename Read> T WaitForValue(const T& expected, std::chrono::milliseconds timeout, Read&& read) {
  T actual = read();
  WaitFor(timeout, [&] {
    actual = read();
    return actual == expected;
  });
  return actual;
}

} // namespace e2e
