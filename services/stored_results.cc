#include "services/stored_results.h"

#include "services/cal_database.h"
#include "services/cal_director.h"
#include "services/registry.h"

namespace reportdata {

std::unique_ptr<StoredResults> StoredResults::Open(const CString& dir) {
  if (!BuiltinCalResultServiceStands()) return nullptr;
  CalDatabase* db = BuiltinDirector().OpenProject(dir.str());
  if (!db) return nullptr;
  return std::unique_ptr<StoredResults>(new StoredResults(*db));
}

bool StoredResults::ReadPartitionsAndFloors(std::set<CString>& partitions,
                                            std::vector<CString>& floors) {
  return db_.ReadPartitions(partitions) && db_.ReadFloors(floors);
}

bool StoredResults::CountEntries(bool other_items, std::size_t& count) {
  return db_.CountEntries(other_items ? RecordTable::kOtherItem : RecordTable::kClassified, count);
}

bool StoredResults::EachEntry(bool other_items, const EntryKeysVisitor& file) {
  return db_.FileClassified(other_items ? RecordTable::kOtherItem : RecordTable::kClassified, file);
}

bool StoredResults::EachLooseQuota(const KeysVisitor& file) {
  return db_.EachRecordKeys(RecordTable::kLooseQuota, file);
}

bool StoredResults::CountQuotaResults(bool other_items, std::size_t& count) {
  return db_.CountQuotaResults(other_items, count);
}

bool StoredResults::EachQuotaResult(bool other_items, const KeysVisitor& file) {
  return db_.EachQuotaResultKeys(other_items, file);
}

}  // namespace reportdata
