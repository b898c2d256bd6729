#include "Image.h"

#include <windows.h>

#include <fstream>
#include <stdexcept>

#include "Text.h"

namespace e2e {

namespace {

template <typename T> T ReadAt(std::ifstream& file, std::streamoff offset, const std::string& what) {
  T value{};
  file.seekg(offset);
  file.read(reinterpret_cast<char*>(&value), sizeof value);
  if (!file) throw std::runtime_error("truncated image: no " + what);
  return value;
}

std::string MachineName(WORD machine) {
  switch (machine) {
  case IMAGE_FILE_MACHINE_I386:
    return "x86";
  case IMAGE_FILE_MACHINE_AMD64:
    return "x86-64";
  case IMAGE_FILE_MACHINE_ARM64:
    return "ARM64";
  default:
    return "machine " + std::to_string(machine);
  }
}

} // namespace

std::string DescribeImage(const std::wstring& path) {
  std::ifstream file(path.c_str(), std::ios::binary);
  if (!file) throw std::runtime_error("cannot read " + ToUtf8(path));
  const auto dos = ReadAt<IMAGE_DOS_HEADER>(file, 0, "DOS header");
  if (dos.e_magic != IMAGE_DOS_SIGNATURE) throw std::runtime_error("not an executable image: " + ToUtf8(path));
  const std::streamoff ntHeader = dos.e_lfanew;
  if (ReadAt<DWORD>(file, ntHeader, "PE signature") != IMAGE_NT_SIGNATURE) {
    throw std::runtime_error("not a PE image: " + ToUtf8(path));
  }
  const auto header = ReadAt<IMAGE_FILE_HEADER>(file, ntHeader + 4, "file header");
  const auto magic = ReadAt<WORD>(file, ntHeader + 4 + static_cast<std::streamoff>(sizeof header), "optional header");
  const std::string format = magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC ? "PE32+"
                             : magic == IMAGE_NT_OPTIONAL_HDR32_MAGIC
                                 ? "PE32"
                                 : "optional header magic " + std::to_string(magic);
  return format + ", " + MachineName(header.Machine);
}

} // namespace e2e
