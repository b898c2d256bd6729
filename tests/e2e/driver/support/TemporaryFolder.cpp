#include "TemporaryFolder.h"

#include <windows.h>

#include <stdexcept>

#include "Handle.h"
#include "Text.h"

namespace e2e {

namespace {

std::wstring TemporaryDirectory() {
  wchar_t directory[MAX_PATH]{};
  if (GetTempPathW(MAX_PATH, directory) == 0) {
    throw std::runtime_error("no temporary directory: " + DescribeError(GetLastError()));
  }
  return directory;
}

// What a program that lists the folder gets back: long names, not the short ones a setting may hold.
std::wstring LongPath(const std::wstring& path) {
  wchar_t longPath[MAX_PATH]{};
  const DWORD length = GetLongPathNameW(path.c_str(), longPath, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) {
    throw std::runtime_error("no long name for " + ToUtf8(path) + ": " + DescribeError(GetLastError()));
  }
  return longPath;
}

} // namespace

TemporaryFolder::TemporaryFolder(std::wstring_view prefix) {
  const std::wstring parent = TemporaryDirectory();
  const std::wstring stem = parent + std::wstring(prefix) + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-";
  for (unsigned attempt = 0;; ++attempt) {
    const std::wstring candidate = stem + std::to_wstring(attempt);
    if (CreateDirectoryW(candidate.c_str(), nullptr)) {
      try {
        path_ = LongPath(candidate);
      } catch (...) {
        RemoveDirectoryW(candidate.c_str());
        throw;
      }
      return;
    }
    const DWORD error = GetLastError();
    // Left over from an earlier run with the same process id: take the next name.
    if (error != ERROR_ALREADY_EXISTS || attempt == 100) {
      throw std::runtime_error("cannot create a folder " + ToUtf8(candidate) + ": " + DescribeError(error));
    }
  }
}

TemporaryFolder::~TemporaryFolder() { Remove(); }

std::wstring TemporaryFolder::AddFile(std::wstring_view name) {
  const std::wstring path = path_ + L"\\" + std::wstring(name);
  const UniqueHandle file(
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) throw std::runtime_error("cannot create " + ToUtf8(path) + ": " + DescribeError(GetLastError()));
  files_.push_back(path);
  return path;
}

std::wstring TemporaryFolder::AddCopy(const std::wstring& source, std::wstring_view name) {
  const std::wstring path = path_ + L"\\" + std::wstring(name);
  if (!CopyFileW(source.c_str(), path.c_str(), TRUE)) {
    throw std::runtime_error("cannot copy " + ToUtf8(source) + " to " + ToUtf8(path) + ": " +
                             DescribeError(GetLastError()));
  }
  files_.push_back(path);
  return path;
}

std::wstring TemporaryFolder::AddExpected(std::wstring_view name) {
  files_.push_back(path_ + L"\\" + std::wstring(name));
  return files_.back();
}

bool TemporaryFolder::Remove() noexcept {
  if (removed_) return true;
  bool allGone = true;
  for (const std::wstring& file : files_) {
    if (!DeleteFileW(file.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND) allGone = false;
  }
  if (!RemoveDirectoryW(path_.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND) allGone = false;
  removed_ = allGone;
  return allGone;
}

} // namespace e2e
