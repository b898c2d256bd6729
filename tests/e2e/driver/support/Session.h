#pragma once
// What a scenario's result lines say about where it ran: the image, the greeting box's route that the
// session's prefix is made for, and the monitor layout.

#include <optional>
#include <string>

namespace e2e {

// The route the harness made the session's prefix for ("task dialog" or "message form"), from
// PELLACORD_ROUTE; nothing when it does not say.
std::optional<std::string> SessionRoute();

// For example "the shipped 32-bit image (PE32, x86), message form route, one monitor".
std::string DescribeRun(const std::wstring& program);

} // namespace e2e
