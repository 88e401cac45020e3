#include "services/cal_schema.h"

namespace reportdata {

const char* RecordTableName(RecordTable table) {
  switch (table) {
    case RecordTable::kClassified:
      return "classified";
    case RecordTable::kLooseQuota:
      return "loose_quota";
    case RecordTable::kOtherItem:
      return "other_item";
    case RecordTable::kQuotaResult:
      return "quota_result";
    case RecordTable::kOtherQuotaResult:
      return "other_quota_result";
  }
  return "";
}

std::string RoleRowsKey(RecordTable table, int role) {
  return std::string(RecordTableName(table)) + ".role" + std::to_string(role);
}

const char kRecordColumns[] = "id, texts";

#define REPORTDATA_RECORD_COLUMNS "id INTEGER NOT NULL, texts BLOB NOT NULL"

const char kCreateSchema[] =
    "PRAGMA application_id = 1380205394;"
    "PRAGMA user_version = 4;"
    "CREATE TABLE meta(key TEXT PRIMARY KEY, value TEXT NOT NULL);"
    "CREATE TABLE classified(role INTEGER NOT NULL, " REPORTDATA_RECORD_COLUMNS
    ");"
    "CREATE TABLE other_item(role INTEGER NOT NULL, " REPORTDATA_RECORD_COLUMNS
    ");"
    "CREATE TABLE loose_quota(" REPORTDATA_RECORD_COLUMNS
    ");"
    "CREATE TABLE quota_result(" REPORTDATA_RECORD_COLUMNS
    ");"
    "CREATE TABLE other_quota_result(" REPORTDATA_RECORD_COLUMNS
    ");"
    "CREATE TABLE key_text(id INTEGER PRIMARY KEY, value TEXT NOT NULL);"
    "CREATE TABLE key_list(id INTEGER PRIMARY KEY, value TEXT NOT NULL);"
    "CREATE TABLE partition_name(name TEXT NOT NULL);"
    "CREATE TABLE calc_floor(name TEXT NOT NULL);"
    "CREATE TABLE door_window(type INTEGER NOT NULL, floor TEXT NOT NULL, "
    "type_name TEXT NOT NULL, position TEXT NOT NULL, key TEXT NOT NULL);"
    "CREATE TABLE floor_area(floor TEXT NOT NULL, kind TEXT NOT NULL, value REAL NOT NULL);"
    "CREATE TABLE comp_index(comp_dir TEXT PRIMARY KEY, idx TEXT NOT NULL, "
    "category TEXT NOT NULL);"
    "CREATE TABLE quota_price(library TEXT NOT NULL, code TEXT NOT NULL, name TEXT NOT NULL, "
    "unit TEXT NOT NULL, price TEXT NOT NULL);"
    "CREATE INDEX quota_price_library ON quota_price(library);"
    "CREATE TABLE category_show(category TEXT NOT NULL, name TEXT);"
    "CREATE TABLE bill_chapter(prefix TEXT PRIMARY KEY, name TEXT NOT NULL, "
    "order_id TEXT NOT NULL);"
    "CREATE TABLE quota_chapter(prefix TEXT PRIMARY KEY, name TEXT NOT NULL, "
    "order_id TEXT NOT NULL);";

#undef REPORTDATA_RECORD_COLUMNS

static_assert(kCalApplicationId == 1380205394, "application id in kCreateSchema");
static_assert(kCalSchemaVersion == 4, "user version in kCreateSchema");

}  // namespace reportdata
