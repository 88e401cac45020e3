// Showing one report table of a built project: reading the table files back
// through the reload entries, setting the partition, condition and merge flag,
// querying the facade in layout A or B and printing the answer.
#ifndef CLI_TABLE_VIEW_H_
#define CLI_TABLE_VIEW_H_

#include <string>

#include "cli/project_dir.h"
#include "cli/tables.h"

namespace reportdata::cli {

enum class Format { kText, kJson, kCsv };
enum class Layout { kA, kB };

struct ShowRequest {
  std::string item;       // a tree item of the table; empty for the whole table
  std::string partition;  // empty for the whole project
  std::string condition;  // shown in the header row
  bool merge = true;      // off lists merged records once per instance
  Layout layout = Layout::kA;
  Format format = Format::kText;
  int depth = -1;  // deepest tree level printed as text or CSV; negative for all
};

// Empties the engine and reads back the table files of the side that holds
// the table. Throws InputError when the table's file is missing.
void ReloadTables(const ProjectDir& dir, const TableSpec& table);

// Queries the reloaded table and prints it in the requested form. Throws
// InputError for an unknown partition or an item the table does not have.
std::string ShowTable(const TableSpec& table, const ShowRequest& request);

}  // namespace reportdata::cli

#endif  // CLI_TABLE_VIEW_H_
