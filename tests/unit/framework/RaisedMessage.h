#pragma once
// For the tests of what the framework's errors say.

#include <string>

// The message of the `Error` that `action` raises, or "(nothing raised)". An error of another type propagates
// and fails the test.
template <class Error, class Action> std::wstring RaisedMessage(Action&& action) {
  try {
    action();
  } catch (const Error& error) {
    return std::wstring(error.Message());
  }
  return L"(nothing raised)";
}
