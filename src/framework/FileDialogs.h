#pragma once
// The system's file-open dialog (the common item dialog) as a component whose settings persist between runs of
// Execute.

#include <windows.h>

#include <string>
#include <vector>

#include "Classes.h"
#include "DefinitionReader.h"

class TFileOpenDialog : public TComponent, public DefinitionReadable {
public:
  explicit TFileOpenDialog(TComponent* owner) : TComponent(owner) {}

  // Shows the dialog modally over the whole application, owned by the window the application's popup mode
  // names. True when the user confirmed a choice, which is then in FileName and Files.
  // Raises EPlatformVersionException before Windows Vista.
  bool Execute();
  bool Execute(HWND parentWindow);

  const std::wstring& FileName() const noexcept { return fileName_; }
  // The confirmed choice as a list; kept as state of the component, though the program reads none of it.
  const std::vector<std::wstring>& Files() const noexcept { return files_; }
  // Follows the dialog's file-type choice through the event sink; nothing reads it, as no filter is set.
  std::uint32_t FileTypeIndex() const noexcept { return fileTypeIndex_; }
  void SetFileTypeIndex(std::uint32_t index) noexcept { fileTypeIndex_ = index; }

  void ReadProperty(const PropertyEntry& property, const DefinitionRoot& root) override;

private:
  std::wstring fileName_;
  std::vector<std::wstring> files_;
  std::uint32_t fileTypeIndex_ = 1;
};
