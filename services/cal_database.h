// One project's calculation database, opened read-write when the file
// allows it and read-only otherwise. Besides the questions of IDMDatabase it
// reads the stored calculation results for the calculation-result service,
// the component index, prices, the project's chapter tables, and keeps the
// quota category display settings. Owned by the director that opened it.
#ifndef REPORTDATA_SERVICES_CAL_DATABASE_H_
#define REPORTDATA_SERVICES_CAL_DATABASE_H_

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "reportdata/services.h"
#include "services/cal_schema.h"
#include "services/row_read_ahead.h"
#include "services/sqlite_db.h"
#include "services/stored_results.h"

namespace reportdata {

// A chapter row of a bill or quota chapter table.
struct ChapterRow {
  std::wstring prefix;
  std::wstring name;
  std::wstring orderId;
};

class CalDatabase : public IDMDatabase {
 public:
  // Null when path is missing, is not a calculation database, is cut short,
  // has a layout version other than the one this module writes, or stays
  // locked by a writer longer than a build waits.
  static std::unique_ptr<CalDatabase> Open(const std::string& path);
  // Why the last Open or BeginRead of this thread failed, when there is
  // more to say than that the file is missing, damaged or newer: a lock that
  // outlasted the wait, a file cut short, an earlier layout to import again.
  // Empty otherwise; UTF-8.
  static const std::string& LastFailure();

  bool HasCalResult(const std::wstring& dir, bool flag) override;
  bool GetFloorAreas(std::vector<SNYFloorAreaRecord>& out) override;
  bool GetDoorWindows(std::vector<SNYDoorWindowRecord>& out) override;
  // One read transaction over the connection: the director hands this same
  // object to every caller of its path until EndRead.
  bool BeginRead() override;
  void EndRead() override;
  bool reading() const { return reading_; }

  // Stored results, appended to out in stored order.
  bool ReadClassified(RecordTable table, std::vector<SNYTJQdDeClassResult>& out);
  bool ReadRecords(RecordTable table, std::vector<TJQd>& out);
  // The quota results: stored, or the quota records of the classified
  // entries followed by the loose quotas.
  bool ReadQuotaResults(std::vector<TJQd>& out);
  // The other-items quota results: stored, or the quota records of the
  // other items.
  bool ReadOtherQuotaResults(std::vector<TJQd>& out);

  // The same results handed to a visitor as the rows are stepped: an entry
  // once its quota rows are read too. One object is refilled for every row.
  bool EachClassified(RecordTable table, const EntryVisitor& visit);
  // The keys of each entry to file, as StoredResults::EachEntry has them.
  bool FileClassified(RecordTable table, const EntryKeysVisitor& file);
  bool EachRecord(RecordTable table, const RecordVisitor& file);
  bool EachQuotaResult(bool other_items, const RecordVisitor& file);
  // The same records as keys with their calculation items, which is all a
  // build files them by: the texts are not decoded into whole records.
  bool EachRecordKeys(RecordTable table, const KeysVisitor& file);
  bool EachQuotaResultKeys(bool other_items, const KeysVisitor& file);
  // The number of entries of a classified table, of records of any other.
  // Counting reads every page of the table once, so a damaged page is found
  // before a build begins to file; false then.
  bool CountEntries(RecordTable table, std::size_t& count);
  bool CountQuotaResults(bool other_items, std::size_t& count);
  bool ReadPartitions(std::set<CString>& out);
  bool ReadFloors(std::vector<CString>& out);

  // Component index table look-ups; false when compDir is not listed.
  bool FindCompIndex(const std::wstring& compDir, std::wstring& index);
  bool FindCompCategory(const std::wstring& compDir, std::wstring& category);

  bool ReadPrices(const std::wstring& library, std::vector<SNYDePriceEntry>& out);
  bool ReadChapters(bool bill, std::vector<ChapterRow>& out);

  bool WriteCategoryConfig(const IDMProjectAccess::CategoryConfig& config);
  // False when no configuration was ever written.
  bool ReadCategoryConfig(IDMProjectAccess::CategoryConfig& config);

 private:
  CalDatabase(std::unique_ptr<SqliteDb> db, std::unique_ptr<SqliteDb> row_source, int record_texts,
              std::vector<std::string> key_texts, std::vector<std::string> key_lists)
      : db_(std::move(db)),
        row_source_(std::move(row_source)),
        record_texts_(record_texts),
        key_texts_(std::move(key_texts)),
        key_lists_(std::move(key_lists)) {}
  // The connection the stored results are counted and stepped on: the
  // second one, or the first when a second cannot serve. REQUIRES: no rows
  // are being stepped on it when it is asked to count.
  SqliteDb& RowSource() { return row_source_ ? *row_source_ : *db_; }
  // The query of the records of table in rowid order, their role first
  // when with_role, narrowed by `where` when it holds a WHERE clause.
  std::string SelectRecords(RecordTable table, bool with_role, std::string_view where = {}) const;
  // Steps the rows of SelectRecords (with int_columns leading integers:
  // the role, then the id) as record columns, each blob split into the
  // texts of this database's layout.
  bool EachRecordColumns(const std::string& sql, int int_columns,
                         const std::function<void(const StoredRow&)>& visit);
  // Steps the rows of SelectRecords without the role.
  using RecordRowVisitor = std::function<void(const StoredRow&)>;
  bool EachRecordRow(const std::string& sql, const RecordRowVisitor& visit);
  bool EachQuotaRow(bool other_items, const RecordRowVisitor& visit);
  // Row visitors that read each row into one record and its keys, or into
  // its keys alone, refilled from row to row, and hand them to file.
  RecordRowVisitor WholeRecords(const RecordVisitor& file);
  RecordRowVisitor RecordKeysOnly(const KeysVisitor& file);
  // The rows of table, narrowed by a WHERE clause when `where` has one.
  bool CountRows(RecordTable table, std::string_view where, std::size_t& count);
  // Rows of a classified table with the role: the counts written with the
  // rows when they add up to the table's rows, counted otherwise.
  bool CountRoleRows(RecordTable table, int role, std::size_t& count);
  // The meta value of key into value, empty when there is none; false when
  // the read failed.
  bool Meta(const char* key, std::string& value);
  bool LoadCompIndex();

  std::unique_ptr<SqliteDb> db_;
  std::unique_ptr<SqliteDb> row_source_;
  // The texts of a record's blob in this database's layout version.
  const int record_texts_;
  // The key texts and the packed lists the records name by number.
  const std::vector<std::string> key_texts_;
  const std::vector<std::string> key_lists_;
  // The component index table by component directory: index and category
  // path. Read on the first look-up.
  std::unordered_map<std::wstring, std::pair<std::wstring, std::wstring>> comp_index_;
  bool comp_index_loaded_ = false;
  bool reading_ = false;
};

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_CAL_DATABASE_H_
