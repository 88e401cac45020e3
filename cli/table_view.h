// Showing one report table of a built project: reading the table files back
// through the reload entries, setting the partition, condition and merge flag,
// querying the facade in layout A or B and printing the answer.
#ifndef CLI_TABLE_VIEW_H_
#define CLI_TABLE_VIEW_H_

#include <functional>
#include <string>
#include <vector>

#include "cli/project_dir.h"
#include "cli/quantity_format.h"
#include "cli/tables.h"

namespace reportdata::cli {

// kJson and kCsv give the named columns; kCells the facade's strings as they are.
enum class Format { kText, kJson, kCells, kCsv };
enum class Layout { kA, kB };

struct ShowRequest {
  std::string item;       // a tree item of the table; empty for the whole table
  std::string partition;  // empty for the whole project
  std::string condition;  // shown in the header row
  bool merge = true;      // off lists merged records once per instance
  Layout layout = Layout::kA;
  Format format = Format::kText;
  int depth = -1;                  // deepest tree level printed; negative for all
  std::string floor;               // only this floor (the three-array query); empty for all
  int decimals = kDecimalsOfUnit;  // of quantities (quantity_format.h)
};

// Throws TableFileError naming the file when `file` of the report data
// directory is there but cannot be read back as its table: not a regular
// file, empty, damaged, or another table's file. A missing file is left to
// the caller. Every command that reads tables back checks their files here,
// so that "(0 rows)" means a table that is really empty.
void RequireIntactTableFile(const ProjectDir& dir, const std::string& file);

// Empties the engine and reads back the table files of the side that holds
// the table. Throws InputError when the table's file is missing, and
// TableFileError (RequireIntactTableFile) when it is damaged.
void ReloadTables(const ProjectDir& dir, const CatalogTable& table);

// Empties the engine and reads back the table files by the bill reload or
// the quota reload. Throws InputError, naming `what`, when `file` (the file
// of what the caller shows) is missing, and TableFileError when it is
// damaged.
void ReloadSide(const ProjectDir& dir, bool bill_side, const std::string& file,
                const std::string& what);

// Reads tables back one after another for commands that show several:
// each side's files are read once while its tables follow each other.
class TableReloader {
 public:
  explicit TableReloader(ProjectDir dir) : dir_(std::move(dir)) {}
  // Throws as ReloadTables does, also when the side was read back already;
  // unless required, returns false instead for a table whose file is
  // missing (one that was never built).
  bool Load(const CatalogTable& table, bool required = true);

 private:
  ProjectDir dir_;
  bool loaded_ = false;
  TableSide side_ = TableSide::kEither;
};

// Queries the reloaded table and prints it in the requested form. Throws
// InputError for an unknown partition, an item the table does not have, or a
// floor for a table that answers no floor selection.
std::string ShowTable(const CatalogTable& table, const ShowRequest& request);

// The tree items of the reloaded table, in its order.
std::vector<std::string> TreeItems(const CatalogTable& table);

// Every row of the reloaded table down to the records: `take` is given the
// rows of each of its items in turn, as the viewer shows them when the item
// is opened, so that no more than one item's rows are held at a time.
void ForEachItemRows(
    const CatalogTable& table,
    const std::function<void(const std::string& item, std::vector<NamedRow>)>& take);

// The rows of the reloaded table's whole-table answer (GetTotalData) down to
// max_depth.
std::vector<NamedRow> TopRows(const CatalogTable& table, int max_depth);

}  // namespace reportdata::cli

#endif  // CLI_TABLE_VIEW_H_
