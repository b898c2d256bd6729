// What std::terminate does in this program. Nothing here is meant to reach it (every window procedure and the
// loop catch what they call), so the runtime's default handler, which names the exception's type and
// brings a symbol demangler of some 45 KiB into the image for that, is replaced by one that only aborts.

#include <cstdlib>

#if defined(__GLIBCXX__)
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
} // namespace __gnu_cxx
#endif
