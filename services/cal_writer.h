// Writes a new calculation database in one transaction, row by row as the
// importer reads them. The file is made at a temporary path; the importer
// renames it into place only when the whole interchange file was accepted.
#ifndef REPORTDATA_SERVICES_CAL_WRITER_H_
#define REPORTDATA_SERVICES_CAL_WRITER_H_

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "services/cal_schema.h"
#include "services/import_check.h"
#include "services/record_binder.h"
#include "services/sqlite_db.h"

namespace reportdata {

class CalWriter {
 public:
  // Creates the database at path (which must not exist). Throws ImportError
  // when it cannot be made.
  explicit CalWriter(const std::string& path);
  ~CalWriter();

  // A record of a classified table (kClassified, kOtherItem) with its role.
  void AddClassified(RecordTable table, int role, const Json& record, const Place& place);
  // A record of a plain record table.
  void AddRecord(RecordTable table, const Json& record, const Place& place);
  void AddPartition(std::string_view name, const Place& place);
  void AddFloor(std::string_view name, const Place& place);
  void AddDoorWindow(const Json& value, const Place& place);
  void AddFloorArea(const Json& value, const Place& place);
  void AddCompIndex(const Json& value, const Place& place);
  void AddPrice(const Json& value, const Place& place);
  void AddChapter(bool bill, const Json& value, const Place& place);
  void SetMeta(std::string_view key, std::string_view value);
  // Ends the transaction and closes the file.
  void Commit();

 private:
  // A member of an interchange object and the column it is stored in.
  enum class ColumnKind { kText, kInt, kNumber };
  struct ObjectColumn {
    const char* key;
    const char* column;
    ColumnKind kind = ColumnKind::kText;
  };
  // Checks that value is an object of the listed members, each optional,
  // and inserts it as one row of table through the statement in slot; a
  // uniqueness conflict refuses `conflict` with conflict_reason.
  void AddObject(std::unique_ptr<SqliteStatement>& slot, const char* table,
                 std::initializer_list<ObjectColumn> columns, const Json& value, const Place& place,
                 const Place& conflict, std::string_view conflict_reason);

  SqliteStatement& Statement(std::unique_ptr<SqliteStatement>& slot, const std::string& sql);
  // Runs statement; refuses place with duplicate_reason on a uniqueness
  // conflict and with the database's message on any other failure.
  void Run(SqliteStatement& statement, const Place& place, std::string_view duplicate_reason);

  std::string path_;
  std::unique_ptr<SqliteDb> db_;
  RecordBinder binder_;
  std::unique_ptr<SqliteStatement> classified_[2];  // kClassified, kOtherItem
  long long role_rows_[2][2] = {};                  // [kClassified, kOtherItem][role]
  std::unique_ptr<SqliteStatement> records_[3];     // kLooseQuota, kQuotaResult, kOtherQuotaResult
  std::unique_ptr<SqliteStatement> partition_, floor_, door_window_, floor_area_, comp_index_,
      price_, bill_chapter_, quota_chapter_, meta_;
};

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_CAL_WRITER_H_
