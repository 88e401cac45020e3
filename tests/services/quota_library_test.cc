// Chapters of the shipped bill and quota libraries, the effect of the
// project's library keys, and the project's own chapter tables.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>

#include "reportdata/services.h"
#include "service_fixture.h"

namespace reportdata {
namespace {

NS_NYProject::SBillQuotaLibInfo Library(const wchar_t* key) { return {L"", key, L"", L""}; }

// "name|order id" of the chapter a code falls in.
std::wstring BillChapter(const wchar_t* code) {
  SNYTJChapterInfo chapter;
  EXPECT_TRUE(IQdChinaDekInfo::GetZhangNameByUserQdIndex(code, chapter)) << code;
  return chapter.name.str() + L"|" + chapter.orderId.str();
}

std::wstring QuotaChapter(const wchar_t* code) {
  SNYTJChapterInfo chapter;
  EXPECT_TRUE(IDekDbInfo::GetZhangJ(code, chapter, kSearchQuotaByCode)) << code;
  return chapter.name.str() + L"|" + chapter.orderId.str();
}

TEST(QuotaLibrary, ShippedLibrariesGiveChaptersByLongestPrefixAndUnknownKeysNone) {
  testing::TempDir no_project;
  GetIDMDirector()->GetProjectAccess()->AttachProject(no_project.wpath());
  ASSERT_TRUE(IQdChinaDekInfo::InitQdChinaDek(Library(L"GB50854-2013")));
  ASSERT_TRUE(IDekDbInfo::InitDekDb(Library(L"DE-TJ-2024"), false));

  EXPECT_EQ(BillChapter(L"010505001"), L"混凝土及钢筋混凝土工程|0105");
  EXPECT_EQ(BillChapter(L"011701001"), L"措施项目|0117");
  EXPECT_EQ(BillChapter(L"0110").find(L"保温、隔热、防腐工程|"), 0u);
  EXPECT_EQ(QuotaChapter(L"A1-3"), L"土石方工程|01");
  // "A10-" is longer than "A1-", which does not start it.
  EXPECT_EQ(QuotaChapter(L"A10-3"), L"保温、隔热、防腐工程|10");
  EXPECT_TRUE(QuotaChapter(L"A16-1").ends_with(L"|16"));

  SNYTJChapterInfo untouched{L"old", L"00"};
  EXPECT_FALSE(IQdChinaDekInfo::GetZhangNameByUserQdIndex(L"020101001", untouched));
  EXPECT_FALSE(IDekDbInfo::GetZhangJ(L"B1-1", untouched, kSearchQuotaByCode));
  EXPECT_FALSE(IDekDbInfo::GetZhangJ(L"A1", untouched, kSearchQuotaByCode));
  EXPECT_EQ(untouched.name, L"old");
  // Every item the shipped bill library lists has a nine-digit code that
  // falls in one of its chapters.
  std::ifstream file(std::string(REPORTDATA_SOURCE_DIR) +
                     "/data/system/libraries/GB50854-2013.json");
  const nlohmann::json bill = nlohmann::json::parse(file);
  EXPECT_GE(bill["items"].size(), 80u);
  for (const auto& item : bill["items"]) {
    const std::string code = item["code"];
    EXPECT_EQ(code.size(), 9u) << code;
    SNYTJChapterInfo chapter;
    EXPECT_TRUE(IQdChinaDekInfo::GetZhangNameByUserQdIndex(
        CString(std::wstring(code.begin(), code.end())), chapter))
        << code;
  }
  // An unknown key makes every look-up fail.
  for (const wchar_t* key : {L"NO-SUCH-LIB", L"", L"../libraries/DE-TJ-2024", L"-1"}) {
    EXPECT_FALSE(IQdChinaDekInfo::InitQdChinaDek(Library(key))) << key;
    EXPECT_FALSE(IDekDbInfo::InitDekDb(Library(key), false)) << key;
    SNYTJChapterInfo chapter;
    EXPECT_FALSE(IQdChinaDekInfo::GetZhangNameByUserQdIndex(L"010505001", chapter));
    EXPECT_FALSE(IDekDbInfo::GetZhangJ(L"A5-1", chapter, kSearchQuotaByCode));
  }
}

TEST(QuotaLibrary, ProjectChapterTablesTakePrecedence) {
  testing::ImportedProject project("small_project.json");
  ASSERT_TRUE(IDekDbInfo::InitDekDb(Library(L"DE-TJ-2024"), false));
  ASSERT_TRUE(GetIDMDirector()->GetProjectAccess()->AttachProject(project.wdir()));
  EXPECT_EQ(QuotaChapter(L"A5-5"), L"本工程混凝土|99");
  EXPECT_EQ(QuotaChapter(L"A4-1").find(L"砌筑工程|"), 0u);  // not in the project's table

  // Without a library the project's own chapters still answer.
  EXPECT_FALSE(IDekDbInfo::InitDekDb(Library(L"NO-SUCH-LIB"), false));
  EXPECT_EQ(QuotaChapter(L"A5-1").find(L"本工程混凝土|"), 0u);
  SNYTJChapterInfo none;
  EXPECT_FALSE(IDekDbInfo::GetZhangJ(L"A4-1", none, kSearchQuotaByCode));

  testing::TempDir other;
  GetIDMDirector()->GetProjectAccess()->AttachProject(other.wpath());
  ASSERT_TRUE(IDekDbInfo::InitDekDb(Library(L"DE-TJ-2024"), false));
  EXPECT_EQ(QuotaChapter(L"A5-5").find(L"混凝土及钢筋混凝土工程|"), 0u);
}

}  // namespace
}  // namespace reportdata
