// The stored results handed out while the rows are stepped: one record is
// refilled for every row, and must keep nothing of the row before it.
#include "services/stored_results.h"

#include <gtest/gtest.h>

#include <tuple>

#include "reportdata/services.h"
#include "service_fixture.h"

namespace reportdata {
namespace {

using testing::ImportedProject;

// The fields whose lists and texts a refilled record could carry over.
void ExpectSameRecord(const TJQd& got, const TJQd& want) {
  const auto fields = [](const TJQd& r) {
    return std::tuple(r.id, r.grade.str(), r.room.str(), r.partitions.size(), r.categories.size(),
                      r.quotaFeatures.size());
  };
  EXPECT_EQ(fields(got), fields(want));
}

TEST(StoredResults, RefilledRecordsAreThoseTheServiceHolds) {
  ImportedProject project("small_project.json");
  SNYRAQdDeClassResultInfo held;
  ASSERT_TRUE(CNYRADealCalResult::GetQdDeClassResultData(project.wdir(), {}, held, true));
  SNYRADeResultInfo quotas;
  ASSERT_TRUE(CNYRADealCalResult::GetDeResultData(project.wdir(), {}, quotas, true));
  std::unique_ptr<StoredResults> stored = StoredResults::Open(project.wdir());
  ASSERT_TRUE(stored);

  size_t count = 0;
  ASSERT_TRUE(stored->CountEntries(false, count));
  EXPECT_EQ(count, held.items.size());
  size_t i = 0;
  EXPECT_TRUE(stored->EachEntry(false, [&](SNYTJQdDeClassResult& entry) {
    ASSERT_LT(i, held.items.size());
    const SNYTJQdDeClassResult& want = held.items[i++];
    ExpectSameRecord(entry.bill, want.bill);
    ASSERT_EQ(entry.quotas.size(), want.quotas.size());
    for (size_t q = 0; q < want.quotas.size(); ++q)
      ExpectSameRecord(entry.quotas[q], want.quotas[q]);
  }));
  EXPECT_EQ(i, held.items.size());

  ASSERT_TRUE(stored->CountQuotaResults(false, count));
  EXPECT_EQ(count, quotas.quotas.size());
  i = 0;
  EXPECT_TRUE(stored->EachQuotaResult(false, [&](TJQd& record) {
    ASSERT_LT(i, quotas.quotas.size());
    ExpectSameRecord(record, quotas.quotas[i++]);
  }));
  EXPECT_EQ(i, quotas.quotas.size());
}

}  // namespace
}  // namespace reportdata
