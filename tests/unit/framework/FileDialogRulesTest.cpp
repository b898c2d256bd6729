#include <gtest/gtest.h>

#include "Exceptions.h"
#include "FileDialogRules.h"
#include "RaisedMessage.h"

namespace {

TEST(PlatformVersion, DialogsNeedWindowsVista) {
  EXPECT_EQ(RaisedMessage<EPlatformVersionException>([] { CheckWindowsVistaOrLater(5, L"TFileOpenDialog"); }),
            L"TFileOpenDialog requires Windows Vista or later");
  EXPECT_NO_THROW(CheckWindowsVistaOrLater(6, L"TFileOpenDialog"));
  EXPECT_NO_THROW(CheckWindowsVistaOrLater(10, L"TFileOpenDialog"));
}

} // namespace
