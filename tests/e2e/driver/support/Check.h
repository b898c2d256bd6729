#pragma once
// Checks of a scenario: each failure is printed with its place in the source, what was expected and what
// was found; the scenario fails if any check did.

#include <windows.h>

#include <concepts>
#include <exception>
#include <functional>
#include <optional>
#include <source_location>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace e2e {

std::string Describe(bool value);
std::string Describe(std::wstring_view text);
std::string Describe(HWND window);
template <std::integral Integer>
requires(!std::same_as<Integer, bool>) std::string Describe(Integer value) { return std::to_string(value); }

template <typename T> std::string Describe(const std::optional<T>& value) {
  return value ? Describe(*value) : std::string("nothing");
}

// Thrown when a check that later checks depend on fails; the failure is already reported.
class ScenarioAborted : public std::exception {
public:
  const char* what() const noexcept override { return "scenario aborted"; }
};

// Thrown by Checker::Skip: the scenario cannot check what it is for where it runs.
class ScenarioSkipped : public std::exception {
public:
  explicit ScenarioSkipped(std::string reason) : reason_(std::move(reason)) {}
  const char* what() const noexcept override { return reason_.c_str(); }

private:
  std::string reason_;
};

class Checker {
public:
  // The expected value takes the type of the actual one, so literals compare with what the system returns.
  template <typename T>
  bool Equal(const std::type_identity_t<T>& expected, const T& actual, std::string_view what,
             std::source_location where = std::source_location::current()) {
    ++checks_;
    if (expected == actual) return true;
    Fail(what, Describe(expected), Describe(actual), where);
    return false;
  }

  // For a fact the rest of the scenario builds on: when it fails, the scenario ends.
  template <typename T>
  void Require(const std::type_identity_t<T>& expected, const T& actual, std::string_view what,
               std::source_location where = std::source_location::current()) {
    if (!Equal<T>(expected, actual, what, where)) throw ScenarioAborted();
  }

  void Fail(std::string_view what, std::string_view expected, std::string_view actual,
            std::source_location where = std::source_location::current());

  // Ends the scenario as not run here, for that reason; the test reports a skip unless a check failed before.
  [[noreturn]] void Skip(std::string reason) { throw ScenarioSkipped(std::move(reason)); }

  int Checks() const noexcept { return checks_; }
  int Failures() const noexcept { return failures_; }

  // Runs one case of a scenario under its name. A failure that ends the case (a Require, or an error) is
  // reported, and the scenario goes on with its next case: each case starts from a state of its own.
  void RunCase(std::string name, const std::function<void()>& run);

  // What every failure names: the image, and the route and monitor layout where they matter.
  void SetSubject(std::string subject) { subject_ = std::move(subject); }
  const std::string& Subject() const noexcept { return subject_; }

  // Names the case that the checks made while it lives belong to; failures are prefixed with it.
  class Case {
  public:
    Case(Checker& checker, std::string name);
    Case(const Case&) = delete;
    Case& operator=(const Case&) = delete;
    ~Case();

  private:
    Checker& checker_;
  };

private:
  int checks_ = 0;
  int failures_ = 0;
  std::vector<std::string> cases_;
  std::string subject_;
};

} // namespace e2e
