#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Classes.h"

namespace {

class Recorded : public TComponent {
public:
  Recorded(TComponent* owner, std::wstring name, std::vector<std::wstring>& log) : TComponent(owner), log_(log) {
    SetName(std::move(name));
  }
  ~Recorded() override { log_.push_back(Name()); }

private:
  std::vector<std::wstring>& log_;
};

TEST(Component, OwnerDestroysWhatItOwnsLastCreatedFirst) {
  std::vector<std::wstring> log;
  {
    Recorded owner(nullptr, L"owner", log);
    new Recorded(&owner, L"first", log);
    auto* second = new Recorded(&owner, L"second", log);
    new Recorded(second, L"grandchild", log);
    EXPECT_EQ(owner.ComponentCount(), 2u);
    EXPECT_EQ(owner.FindComponent(L"second"), second);
    EXPECT_EQ(owner.FindComponent(L"absent"), nullptr);
  }
  EXPECT_EQ(log, (std::vector<std::wstring>{L"owner", L"second", L"grandchild", L"first"}));
}

TEST(Component, DestroyedOnItsOwnLeavesItsOwner) {
  std::vector<std::wstring> log;
  Recorded owner(nullptr, L"owner", log);
  delete new Recorded(&owner, L"gone", log);
  EXPECT_EQ(owner.ComponentCount(), 0u);
  EXPECT_EQ(log, (std::vector<std::wstring>{L"gone"}));
}

} // namespace
