#include "ImageFile.h"

#include <windows.h>

#include <cstring>
#include <stdexcept>

#include "support/Handle.h"
#include "support/Text.h"

namespace bench {

namespace {

std::vector<unsigned char> ReadWholeFile(const std::wstring& path) {
  const e2e::UniqueHandle file(
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  if (!file) throw std::runtime_error("cannot open " + e2e::ToUtf8(path) + ": " + e2e::DescribeError(GetLastError()));
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > 64 * 1024 * 1024) {
    throw std::runtime_error("cannot size " + e2e::ToUtf8(path));
  }
  std::vector<unsigned char> bytes(static_cast<std::size_t>(size.QuadPart));
  DWORD read = 0;
  if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) || read != bytes.size()) {
    throw std::runtime_error("cannot read " + e2e::ToUtf8(path));
  }
  return bytes;
}

// Bounds-checked reads from the file's bytes: a damaged image is reported, not followed.
class Bytes {
public:
  explicit Bytes(const std::vector<unsigned char>& bytes) : bytes_(bytes) {}

  template <typename T> T At(std::uint64_t offset) const {
    if (offset > bytes_.size() || bytes_.size() - offset < sizeof(T)) throw std::runtime_error("truncated image");
    T value;
    std::memcpy(&value, bytes_.data() + offset, sizeof value);
    return value;
  }

  std::wstring NameAt(std::uint64_t offset) const {
    std::wstring name;
    for (;; ++offset) {
      const auto c = At<char>(offset);
      if (c == '\0') return name;
      name += static_cast<wchar_t>(static_cast<unsigned char>(c));
    }
  }

private:
  const std::vector<unsigned char>& bytes_;
};

struct Section {
  std::uint32_t virtualAddress;
  std::uint32_t virtualSize;
  std::uint32_t rawOffset;
  std::uint32_t rawSize;
  char name[8];
};

std::uint64_t FileOffsetOf(const std::vector<Section>& sections, std::uint32_t rva) {
  for (const Section& section : sections) {
    const std::uint32_t extent = std::max(section.virtualSize, section.rawSize);
    if (rva >= section.virtualAddress && rva - section.virtualAddress < extent) {
      return std::uint64_t{section.rawOffset} + (rva - section.virtualAddress);
    }
  }
  throw std::runtime_error("address outside every section");
}

// A directory search, closed with FindClose rather than CloseHandle.
class FileSearch {
public:
  explicit FileSearch(HANDLE search) noexcept : search_(search) {}
  FileSearch(const FileSearch&) = delete;
  FileSearch& operator=(const FileSearch&) = delete;
  ~FileSearch() {
    if (*this) FindClose(search_);
  }
  HANDLE get() const noexcept { return search_; }
  explicit operator bool() const noexcept { return search_ != INVALID_HANDLE_VALUE; }

private:
  HANDLE search_;
};

std::wstring Lowercase(std::wstring text) {
  CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

} // namespace

ImageFile ReadImageFile(const std::wstring& path) {
  const std::vector<unsigned char> bytes = ReadWholeFile(path);
  const Bytes image(bytes);
  if (image.At<WORD>(0) != IMAGE_DOS_SIGNATURE) throw std::runtime_error(e2e::ToUtf8(path) + " is not an image");
  const auto headers = static_cast<std::uint64_t>(image.At<LONG>(offsetof(IMAGE_DOS_HEADER, e_lfanew)));
  if (image.At<DWORD>(headers) != IMAGE_NT_SIGNATURE) throw std::runtime_error(e2e::ToUtf8(path) + " is not PE");
  const auto file = image.At<IMAGE_FILE_HEADER>(headers + sizeof(DWORD));
  const std::uint64_t optional = headers + sizeof(DWORD) + sizeof(IMAGE_FILE_HEADER);
  const auto magic = image.At<WORD>(optional);

  ImageFile result;
  result.fileSize = bytes.size();
  result.build = file.Machine == IMAGE_FILE_MACHINE_I386    ? "32-bit (x86)"
                 : file.Machine == IMAGE_FILE_MACHINE_AMD64 ? "64-bit (x86-64)"
                                                            : "machine " + std::to_string(file.Machine);

  // The data directories follow the fields that differ between PE32 and PE32+.
  const std::uint64_t directories = magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC
                                        ? optional + offsetof(IMAGE_OPTIONAL_HEADER64, DataDirectory)
                                        : optional + offsetof(IMAGE_OPTIONAL_HEADER32, DataDirectory);
  const auto directory = [&](int index) {
    return image.At<IMAGE_DATA_DIRECTORY>(directories +
                                          static_cast<std::uint64_t>(index) * sizeof(IMAGE_DATA_DIRECTORY));
  };

  std::vector<Section> sections;
  const std::uint64_t sectionTable = optional + file.SizeOfOptionalHeader;
  for (WORD i = 0; i < file.NumberOfSections; ++i) {
    const auto header = image.At<IMAGE_SECTION_HEADER>(sectionTable + std::uint64_t{i} * sizeof(IMAGE_SECTION_HEADER));
    Section section{header.VirtualAddress, header.Misc.VirtualSize, header.PointerToRawData, header.SizeOfRawData, {}};
    std::memcpy(section.name, header.Name, sizeof section.name);
    sections.push_back(section);
  }
  const IMAGE_DATA_DIRECTORY resources = directory(IMAGE_DIRECTORY_ENTRY_RESOURCE);
  for (const Section& section : sections) {
    if (resources.VirtualAddress != 0 && section.virtualAddress == resources.VirtualAddress) {
      result.resourceBytes = section.rawSize;
    }
  }

  const IMAGE_DATA_DIRECTORY imports = directory(IMAGE_DIRECTORY_ENTRY_IMPORT);
  if (imports.VirtualAddress != 0) {
    for (std::uint64_t entry = FileOffsetOf(sections, imports.VirtualAddress);;
         entry += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
      const auto descriptor = image.At<IMAGE_IMPORT_DESCRIPTOR>(entry);
      if (descriptor.Name == 0) break;
      result.imports.push_back(image.NameAt(FileOffsetOf(sections, descriptor.Name)));
    }
  }
  const IMAGE_DATA_DIRECTORY delayed = directory(IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT);
  if (delayed.VirtualAddress != 0) {
    for (std::uint64_t entry = FileOffsetOf(sections, delayed.VirtualAddress);;
         entry += sizeof(IMAGE_DELAYLOAD_DESCRIPTOR)) {
      const auto descriptor = image.At<IMAGE_DELAYLOAD_DESCRIPTOR>(entry);
      if (descriptor.DllNameRVA == 0) break;
      result.delayedImports.push_back(image.NameAt(FileOffsetOf(sections, descriptor.DllNameRVA)));
    }
  }
  return result;
}

std::vector<std::wstring> LibrariesBeside(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  const std::wstring folder = slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash);
  std::vector<std::wstring> found;
  WIN32_FIND_DATAW data{};
  const FileSearch search(FindFirstFileW((folder + L"\\*.dll").c_str(), &data));
  if (!search) return found;
  do {
    found.emplace_back(data.cFileName);
  } while (FindNextFileW(search.get(), &data));
  return found;
}

bool IsSystemLibrary(const std::wstring& name) {
  wchar_t directory[MAX_PATH]{};
  const auto exists = [&](UINT length) {
    if (length == 0 || length >= MAX_PATH) return false;
    const std::wstring candidate = std::wstring(directory, length) + L"\\" + Lowercase(name);
    return GetFileAttributesW(candidate.c_str()) != INVALID_FILE_ATTRIBUTES;
  };
  return exists(GetSystemDirectoryW(directory, MAX_PATH)) || exists(GetSystemWow64DirectoryW(directory, MAX_PATH));
}

} // namespace bench
