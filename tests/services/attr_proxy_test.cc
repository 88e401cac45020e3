// The project description written by the importer answers the attribute
// proxy's questions; a missing or foreign file gives no object.
#include <gtest/gtest.h>

#include <memory>

#include "reportdata/services.h"
#include "service_fixture.h"
#include "support/records.h"

namespace reportdata {
namespace {

std::unique_ptr<IEAPObject> OpenProject(const std::wstring& dir) {
  return std::unique_ptr<IEAPObject>(GetIEAPObject(dir + L"\\project.ld", L"", 1, 0));
}

TEST(AttrProxy, AnswersFromTheProjectDescription) {
  testing::ImportedProject project("small_project.json");
  const std::unique_ptr<IEAPObject> object = OpenProject(project.wdir());
  ASSERT_NE(object, nullptr);

  NS_NYProject::SBillQuotaLibInfo library;
  ASSERT_TRUE(object->GetBillLibInfo(library));
  EXPECT_EQ(testing::Joined({library.name.str(), library.key.str(), library.region.str(),
                             library.version.str()}),
            L"房屋建筑与装饰工程工程量计算规范|GB50854-2013|全国|2013");

  std::vector<CString> floors{L"kept"};
  EXPECT_TRUE(object->GetFloorNames(floors));
  EXPECT_EQ(floors, (std::vector<CString>{L"kept", L"基础层", L"首层", L"第2层"}));

  CString name, label, kind, remark, height, bottom;
  int number = -1;
  ASSERT_TRUE(
      object->GetFloorBaseInfo(L"第2层", name, label, number, kind, remark, height, bottom));
  EXPECT_EQ(number, 2);
  EXPECT_EQ(testing::Joined(
                {name.str(), label.str(), kind.str(), remark.str(), height.str(), bottom.str()}),
            L"第2层|2|地上|标准层|3.3|3.6");
  EXPECT_FALSE(
      object->GetFloorBaseInfo(L"基础层", name, label, number, kind, remark, height, bottom));

  std::vector<SNYPair> summary;
  ASSERT_TRUE(object->GetProjectSummary(summary));
  ASSERT_EQ(summary.size(), 2u);
  EXPECT_EQ(testing::Joined({summary[0].name.str(), summary[0].value.str(), summary[1].name.str(),
                             summary[1].value.str()}),
            L"工程名称|示例办公楼|结构类型|框架结构");

  CString level;
  ASSERT_TRUE(object->GetOutDesignLevel(level));
  EXPECT_EQ(level, L"-0.450");
}

// A project without library records gets the shipped ones; records given as
// objects are read member by member.
TEST(AttrProxy, LibraryRecordsAreTheShippedOnesOrGivenAsObjects) {
  testing::TempDir input;
  input.Write("objects.json", R"({"project": {"billLibrary": {"name": "规范", "key": "GB50854-2013",
      "region": "全国", "version": "2013"}, "quotaLibrary": {"key": "DE-TJ-2024"}},
      "classified": []})");
  const struct {
    std::string file;
    std::wstring bill;
    std::wstring quota;
  } cases[] = {
      {testing::FixturePath("stored_results.json"),
       L"房屋建筑与装饰工程工程量计算规范|GB50854-2013|全国|2013",
       L"土建工程消耗量定额(示例)|DE-TJ-2024"},
      {input.File("objects.json"), L"规范|GB50854-2013|全国|2013", L"|DE-TJ-2024"},
  };
  for (const auto& c : cases) {
    testing::TempDir project;
    const ImportResult result = ImportProject(c.file, project.path());
    ASSERT_TRUE(result.ok) << result.message;
    const std::unique_ptr<IEAPObject> object = OpenProject(project.wpath());
    ASSERT_NE(object, nullptr);
    NS_NYProject::SBillQuotaLibInfo bill, quota;
    ASSERT_TRUE(object->GetBillLibInfo(bill) && object->GetQuotaLibInfo(quota, false));
    EXPECT_EQ(
        testing::Joined({bill.name.str(), bill.key.str(), bill.region.str(), bill.version.str()}),
        c.bill);
    EXPECT_EQ(quota.name.str() + L"|" + quota.key.str(), c.quota);
    std::vector<CString> floors;
    EXPECT_TRUE(object->GetFloorNames(floors));
    EXPECT_TRUE(floors.empty());
    CString level = L"unchanged";
    EXPECT_FALSE(object->GetOutDesignLevel(level));
    EXPECT_EQ(level, L"unchanged");
  }
}

TEST(AttrProxy, MissingOrForeignDescriptionGivesNoObject) {
  testing::TempDir dir;
  EXPECT_EQ(OpenProject(dir.wpath()), nullptr);
  for (const char* foreign : {"not json", R"({"format": "reportdata-project", "version": 2})",
                              R"({"format": "reportdata-project", "version": 1, "floors": [1]})"}) {
    dir.Write("project.ld", foreign);
    EXPECT_EQ(OpenProject(dir.wpath()), nullptr) << foreign;
  }
  dir.Write("project.ld", R"({"format": "reportdata-project", "version": 1})");
  const std::unique_ptr<IEAPObject> bare = OpenProject(dir.wpath());
  ASSERT_NE(bare, nullptr);
  NS_NYProject::SBillQuotaLibInfo library;
  EXPECT_FALSE(bare->GetBillLibInfo(library));
}

}  // namespace
}  // namespace reportdata
