// Steps every row of a calculation database's classified table as a bill
// build does, on a reading thread that copies each row's texts for the
// calling thread, and files nothing: the floor that reading the records
// through SQLite sets under a bill build, timed as a process beside it.
// Given FLAT, it also writes there the flat table of the bill records that
// bench/compare_bill_build.sh groups with SQLite, their key texts in full.
// Usage: read_rows DATABASE [FLAT]
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "services/cal_schema.h"
#include "services/key_texts.h"
#include "services/packed_texts.h"
#include "services/row_read_ahead.h"
#include "services/sqlite_db.h"

namespace reportdata {
namespace {

// A field's column in the rows read below, after the role column.
constexpr int ColumnOf(RecordField field) { return 1 + field; }

std::unique_ptr<SqliteDb> CreateFlat(const char* path) {
  std::unique_ptr<SqliteDb> flat = SqliteDb::Open(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
  if (!flat || !flat->Exec("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF;"
                           "CREATE TABLE bill(item TEXT, floor TEXT, component TEXT, "
                           "description TEXT, partition TEXT, quantity REAL, handle TEXT);"
                           "BEGIN")) {
    return nullptr;
  }
  return flat;
}

int Run(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: read_rows DATABASE [FLAT]\n");
    return 2;
  }
  std::unique_ptr<SqliteDb> db =
      SqliteDb::Open(argv[1], SQLITE_OPEN_READONLY | SQLITE_OPEN_FULLMUTEX);
  if (!db || !db->Exec("PRAGMA mmap_size = 1073741824") ||
      db->QueryInt("PRAGMA user_version", -1) != kCalSchemaVersion) {
    std::fprintf(stderr, "cannot open %s as a calculation database\n", argv[1]);
    return 1;
  }
  std::unique_ptr<SqliteDb> flat = argc == 3 ? CreateFlat(argv[2]) : nullptr;
  if (argc == 3 && !flat) {
    std::fprintf(stderr, "cannot create %s\n", argv[2]);
    return 1;
  }
  std::vector<std::string> key_texts;
  std::vector<std::string> key_lists;
  if (!ReadKeyTexts(*db, kKeyTextTable, key_texts) ||
      !ReadKeyTexts(*db, kKeyListTable, key_lists)) {
    std::fprintf(stderr, "cannot read the key texts of %s\n", argv[1]);
    return 1;
  }
  // The text of a key or list field's column: the text its number names.
  const auto numbered = [](const std::vector<std::string>& texts,
                           std::string_view number_bytes) -> std::string_view {
    uint32_t number = 0;
    if (!ReadWholePackedNumber(number_bytes, number) || number >= texts.size()) return {};
    return texts[number];
  };
  std::optional<SqliteStatement> insert;
  if (flat) insert.emplace(flat->Prepare("INSERT INTO bill VALUES(?, ?, ?, ?, ?, ?, ?)"));
  const std::string sql =
      std::string("SELECT role, ") + kRecordColumns + " FROM classified ORDER BY rowid";
  size_t rows = 0;
  size_t bytes = 0;
  RowReadAheadOptions options;
  options.packed_texts = kRecordTextCount;
  bool inserted = true;
  const bool read = EachRowReadAhead(
      *db, sql, 2,
      [&](const StoredRow& row) {
        ++rows;
        for (int column = 2; column < 2 + kRecordTextCount; ++column) {
          bytes += row.Text(column).size();
        }
        if (!flat || row.Int(0) != kRoleBill) return;
        int parameter = 1;
        for (const RecordField field : {kFieldBillCode, kFieldFloor, kFieldComponentName,
                                        kFieldDescription, kFieldPartitions}) {
          const std::string_view stored = row.Text(ColumnOf(field));
          insert->BindText(parameter++, IsKeyField(field)    ? numbered(key_texts, stored)
                                        : IsListField(field) ? numbered(key_lists, stored)
                                                             : stored);
        }
        // As CAST(quantity AS REAL) reads it.
        insert->BindDouble(
            parameter++,
            std::strtod(std::string(row.Text(ColumnOf(kFieldQuantity))).c_str(), nullptr));
        insert->BindText(parameter, row.Text(ColumnOf(kFieldHandle)));
        inserted = inserted && insert->Run();
      },
      options);
  if (!read || !inserted || (flat && !flat->Exec("COMMIT"))) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 1;
  }
  std::printf("%zu rows, %zu bytes of text\n", rows, bytes);
  return 0;
}

}  // namespace
}  // namespace reportdata

int main(int argc, char** argv) { return reportdata::Run(argc, argv); }
