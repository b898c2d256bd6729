#include <gtest/gtest.h>

#include "Exceptions.h"
#include "FileDialogRules.h"

namespace {

TEST(PlatformVersion, DialogsNeedWindowsVista) {
  try {
    CheckWindowsVistaOrLater(5, L"TFileOpenDialog");
    ADD_FAILURE() << "Windows 5 accepted";
  } catch (const EPlatformVersionException& error) {
    EXPECT_EQ(error.Message(), L"TFileOpenDialog requires Windows Vista or later");
  }
  EXPECT_NO_THROW(CheckWindowsVistaOrLater(6, L"TFileOpenDialog"));
  EXPECT_NO_THROW(CheckWindowsVistaOrLater(10, L"TFileOpenDialog"));
}

} // namespace
