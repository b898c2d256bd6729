#pragma once
// Files that a scenario makes for the program to find, in a folder of their own.

#include <string>
#include <string_view>
#include <vector>

namespace e2e {

// A new, empty folder in the temporary directory, removed with the files made through it when the object
// goes. Remove() does it earlier and says whether it worked; the destructor cannot report.
class TemporaryFolder {
public:
  explicit TemporaryFolder(std::wstring_view prefix);
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;
  ~TemporaryFolder();

  // The folder's full path by its long names, without a trailing backslash.
  const std::wstring& Path() const noexcept { return path_; }

  // Makes an empty file of that name in the folder and returns its full path.
  std::wstring AddFile(std::wstring_view name);

  // Copies a file into the folder under that name and returns its full path there.
  std::wstring AddCopy(const std::wstring& source, std::wstring_view name);

  // The full path of a file that something else may make in the folder, removed with it if it does.
  std::wstring AddExpected(std::wstring_view name);

  // Deletes the files and the folder; true when nothing is left.
  bool Remove() noexcept;

private:
  std::wstring path_;
  std::vector<std::wstring> files_;
  bool removed_ = false;
};

} // namespace e2e
