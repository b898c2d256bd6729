#include "Check.h"

#include <cstdio>
#include <sstream>

#include "Text.h"

namespace e2e {

std::string Describe(bool value) { return value ? "true" : "false"; }

std::string Describe(std::wstring_view text) { return '"' + ToUtf8(text) + '"'; }

std::string Describe(HWND window) {
  if (window == nullptr) return "no window";
  std::ostringstream out;
  out << "window " << static_cast<const void*>(window);
  if (!IsWindow(window)) return out.str() + " (destroyed)";
  wchar_t className[256]{};
  GetClassNameW(window, className, static_cast<int>(std::size(className)));
  wchar_t text[256]{};
  GetWindowTextW(window, text, static_cast<int>(std::size(text)));
  out << " of class " << Describe(std::wstring_view(className)) << " with text " << Describe(std::wstring_view(text));
  return out.str();
}

void Checker::Fail(std::string_view what, std::string_view expected, std::string_view actual,
                   std::source_location where) {
  ++failures_;
  std::string context;
  for (const std::string& name : cases_) context += "[" + name + "] ";
  if (!subject_.empty()) context = "{" + subject_ + "} " + context;
  std::printf("%s:%u: check failed: %s%.*s\n  expected: %.*s\n  actual:   %.*s\n", where.file_name(),
              static_cast<unsigned>(where.line()), context.c_str(), static_cast<int>(what.size()), what.data(),
              static_cast<int>(expected.size()), expected.data(), static_cast<int>(actual.size()), actual.data());
  std::fflush(stdout);
}

void Checker::RunCase(std::string name, const std::function<void()>& run) {
  const Case named(*this, name);
  try {
    run();
  } catch (const ScenarioSkipped&) {
    throw;
  } catch (const ScenarioAborted&) {
    std::printf("[%s] case stopped at the first failure it cannot go on from; the next case goes on\n", name.c_str());
  } catch (const std::exception& error) {
    Fail("the case runs to its end", "no error", error.what());
  }
}

Checker::Case::Case(Checker& checker, std::string name) : checker_(checker) {
  checker_.cases_.push_back(std::move(name));
}

Checker::Case::~Case() { checker_.cases_.pop_back(); }

} // namespace e2e
