#pragma once
// The screen resolution that processes started from now on see.

#include <windows.h>

#include <optional>

namespace e2e {

// Sets LogPixels of the current user for processes started while it lives, and puts the previous value back
// when it goes, also when a scenario fails.
class ScopedLogPixels {
public:
  explicit ScopedLogPixels(DWORD dotsPerInch);
  ScopedLogPixels(const ScopedLogPixels&) = delete;
  ScopedLogPixels& operator=(const ScopedLogPixels&) = delete;
  ~ScopedLogPixels();

private:
  std::optional<DWORD> previous_;
};

} // namespace e2e
