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

bool StoredResults::ReadOutline(bool bill_side, RecordsOutline& outline) {
  return db_.ReadPartitions(outline.partitions) && db_.ReadFloors(outline.floors) &&
         (bill_side ? db_.CountEntries(RecordTable::kClassified, outline.count)
                    : db_.CountQuotaResults(false, outline.count));
}

bool StoredResults::EachEntry(const EntryKeysVisitor& file) {
  return db_.FileClassified(RecordTable::kClassified, file);
}

bool StoredResults::EachLooseQuota(const KeysVisitor& file) {
  return db_.EachRecordKeys(RecordTable::kLooseQuota, file);
}

bool StoredResults::EachOtherItem(const EntryKeysVisitor& file) {
  return db_.FileClassified(RecordTable::kOtherItem, file);
}

bool StoredResults::EachQuota(const KeysVisitor& file) {
  return db_.EachQuotaResultKeys(false, file);
}

bool StoredResults::EachOtherQuota(const KeysVisitor& file) {
  return db_.EachQuotaResultKeys(true, file);
}

}  // namespace reportdata
