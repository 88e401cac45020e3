// The project description written by the importer answers the attribute
// proxy's questions; a missing or foreign file gives no object.
#include <gtest/gtest.h>

#include <memory>

#include "reportdata/services.h"
#include "service_fixture.h"

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
  EXPECT_EQ(library.name, L"房屋建筑与装饰工程工程量计算规范");
  EXPECT_EQ(library.key, L"GB50854-2013");
  EXPECT_EQ(library.region, L"全国");
  EXPECT_EQ(library.version, L"2013");
  ASSERT_TRUE(object->GetQuotaLibInfo(library, true));
  EXPECT_EQ(library.key, L"DE-TJ-2024");

  std::vector<CString> floors{L"kept"};
  EXPECT_TRUE(object->GetFloorNames(floors));
  EXPECT_EQ(floors, (std::vector<CString>{L"kept", L"基础层", L"首层", L"第2层"}));

  CString name, label, kind, remark, height, bottom;
  int number = -1;
  ASSERT_TRUE(
      object->GetFloorBaseInfo(L"第2层", name, label, number, kind, remark, height, bottom));
  EXPECT_EQ(name, L"第2层");
  EXPECT_EQ(label, L"2");
  EXPECT_EQ(number, 2);
  EXPECT_EQ(kind, L"地上");
  EXPECT_EQ(remark, L"标准层");
  EXPECT_EQ(height, L"3.3");
  EXPECT_EQ(bottom, L"3.6");
  EXPECT_FALSE(
      object->GetFloorBaseInfo(L"基础层", name, label, number, kind, remark, height, bottom));

  std::vector<SNYPair> summary;
  ASSERT_TRUE(object->GetProjectSummary(summary));
  ASSERT_EQ(summary.size(), 2u);
  EXPECT_EQ(summary[0].name, L"工程名称");
  EXPECT_EQ(summary[0].value, L"示例办公楼");
  EXPECT_EQ(summary[1].name, L"结构类型");
  EXPECT_EQ(summary[1].value, L"框架结构");

  CString level;
  ASSERT_TRUE(object->GetOutDesignLevel(level));
  EXPECT_EQ(level, L"-0.450");
}

TEST(AttrProxy, ProjectWithoutLibrariesGetsTheShippedOnes) {
  testing::ImportedProject project("stored_results.json");
  const std::unique_ptr<IEAPObject> object = OpenProject(project.wdir());
  ASSERT_NE(object, nullptr);
  NS_NYProject::SBillQuotaLibInfo library;
  ASSERT_TRUE(object->GetBillLibInfo(library));
  EXPECT_EQ(library.key, L"GB50854-2013");
  ASSERT_TRUE(object->GetQuotaLibInfo(library, false));
  EXPECT_EQ(library.name, L"土建工程消耗量定额(示例)");
  EXPECT_EQ(library.key, L"DE-TJ-2024");
  std::vector<CString> floors;
  EXPECT_TRUE(object->GetFloorNames(floors));
  EXPECT_TRUE(floors.empty());
  CString level = L"unchanged";
  EXPECT_FALSE(object->GetOutDesignLevel(level));
  EXPECT_EQ(level, L"unchanged");
}

TEST(AttrProxy, LibraryRecordsMayBeObjects) {
  testing::TempDir input;
  input.Write("in.json", R"({"project": {"billLibrary": {"name": "规范", "key": "GB50854-2013",
      "region": "全国", "version": "2013"}, "quotaLibrary": {"key": "DE-TJ-2024"}},
      "classified": []})");
  testing::TempDir project;
  const ImportResult result = ImportProject(input.File("in.json"), project.path());
  ASSERT_TRUE(result.ok) << result.message;
  const std::unique_ptr<IEAPObject> object = OpenProject(project.wpath());
  ASSERT_NE(object, nullptr);
  NS_NYProject::SBillQuotaLibInfo library;
  ASSERT_TRUE(object->GetBillLibInfo(library));
  EXPECT_EQ(library.name, L"规范");
  EXPECT_EQ(library.region, L"全国");
  EXPECT_EQ(library.version, L"2013");
  ASSERT_TRUE(object->GetQuotaLibInfo(library, true));
  EXPECT_EQ(library.name, L"");
  EXPECT_EQ(library.key, L"DE-TJ-2024");
}

TEST(AttrProxy, MissingOrForeignDescriptionGivesNoObject) {
  testing::TempDir dir;
  EXPECT_EQ(OpenProject(dir.wpath()), nullptr);
  dir.Write("project.ld", "not json");
  EXPECT_EQ(OpenProject(dir.wpath()), nullptr);
  dir.Write("project.ld", R"({"format": "reportdata-project", "version": 2})");
  EXPECT_EQ(OpenProject(dir.wpath()), nullptr);
  dir.Write("project.ld", R"({"format": "reportdata-project", "version": 1, "floors": [1]})");
  EXPECT_EQ(OpenProject(dir.wpath()), nullptr);
  dir.Write("project.ld", R"({"format": "reportdata-project", "version": 1})");
  const std::unique_ptr<IEAPObject> bare = OpenProject(dir.wpath());
  ASSERT_NE(bare, nullptr);
  NS_NYProject::SBillQuotaLibInfo library;
  EXPECT_FALSE(bare->GetBillLibInfo(library));
}

}  // namespace
}  // namespace reportdata
