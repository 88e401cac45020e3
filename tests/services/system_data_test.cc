// Where the system data comes from, and the category order read from it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reportdata/services.h"
#include "service_fixture.h"
#include "services/attr_template.h"
#include "support/temp_dir.h"

namespace reportdata {
namespace {

using testing::ScopedEnv;

TEST(SystemData, DirectoryFromTheEnvironmentThenTheSourceTreeGivesTheCategoryOrder) {
  {
    ScopedEnv env("REPORTDATA_SYSDIR", "/srv/reportdata/system//");
    EXPECT_EQ(ISysCache::GetNYSysDir(), L"/srv/reportdata/system");
  }
  unsetenv("REPORTDATA_SYSDIR");
  const std::string source = std::string(REPORTDATA_SOURCE_DIR) + "/data/system";
  EXPECT_EQ(ISysCache::GetNYSysDir(), CString(std::wstring(source.begin(), source.end())));

  // The category order is read from the system directory.
  IAttrTemplate* categories = GetAttrTempDirector()->GetTemplate();
  std::vector<int> orders;
  for (const wchar_t* category : {L"墙", L"梁", L"板.楼梯", L"门.窗.洞", L"其他项目", L"不存在"})
    orders.push_back(categories->GetCategoryOrder(category));
  EXPECT_EQ(orders, std::vector({1, 2, 3, 5, 11, kUnlistedCategoryOrder}));

  testing::TempDir other;
  other.Write("category_order.json", R"({"categories": ["梁", 5, "墙"]})");
  ScopedEnv env("REPORTDATA_SYSDIR", other.path().c_str());
  EXPECT_EQ(categories->GetCategoryOrder(L"墙"), 3);  // read again for the new directory
  EXPECT_EQ(categories->GetCategoryOrder(L"梁"), 1);
  other.Write("category_order.json", "broken");
  EXPECT_EQ(CategoryOrderTable::Load(other.wpath()).Order(L"梁"), kUnlistedCategoryOrder);
}

}  // namespace
}  // namespace reportdata
