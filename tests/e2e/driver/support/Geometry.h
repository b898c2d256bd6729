#pragma once
// Sizes and rectangles as the checks compare them.

#include <compare>
#include <string>

namespace e2e {

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// A rectangle by its top-left corner and its size.
struct Box {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const Box&, const Box&) = default;
};

inline std::string Describe(const Size& size) { return std::to_string(size.width) + "x" + std::to_string(size.height); }

inline std::string Describe(const Box& box) {
  return std::to_string(box.width) + "x" + std::to_string(box.height) + " at (" + std::to_string(box.x) + ", " +
         std::to_string(box.y) + ")";
}

} // namespace e2e
