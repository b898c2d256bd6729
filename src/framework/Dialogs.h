#pragma once
// Dialog components.

#include <string>
#include <vector>

#include "Classes.h"
#include "DefinitionReader.h"

// The system's file-open dialog (the common item dialog), as a component whose settings persist between runs.
class TFileOpenDialog : public TComponent, public DefinitionReadable {
public:
  explicit TFileOpenDialog(TComponent* owner) : TComponent(owner) {}

  const std::wstring& FileName() const noexcept { return fileName_; }
  const std::vector<std::wstring>& Files() const noexcept { return files_; }
  std::uint32_t FileTypeIndex() const noexcept { return fileTypeIndex_; }

  void ReadProperty(const PropertyEntry& property, DefinitionRoot& root) override;

private:
  std::wstring fileName_;
  std::vector<std::wstring> files_;
  std::uint32_t fileTypeIndex_ = 1;
};
