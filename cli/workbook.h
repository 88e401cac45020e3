// A spreadsheet workbook of report tables that prints and is handed on: a
// first sheet 工程概况 with what the project description says, the bill of
// quantities in the usual arrangement (分部分项工程量清单), then one sheet per
// report table with the header row frozen, the rows grouped in outline levels
// that follow the tree, quantities as numbers shown with the decimals of
// their unit, features wrapped in rows tall enough for every line, and column
// widths fitted to the Chinese text they hold. Every sheet prints on A4
// landscape one page wide, its header row on every page, the project and the
// table in the page header and the page number in the footer.
//
// Rows are written to disk as they come (the library's constant-memory mode),
// so a table's rows need not be held at once; a table with more rows than a
// sheet holds goes on over further sheets, each saying so.
#ifndef CLI_WORKBOOK_H_
#define CLI_WORKBOOK_H_

#include <filesystem>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "cli/bill_list.h"
#include "cli/column_schema.h"
#include "cli/project_info.h"

namespace reportdata::cli {

class Workbook {
 public:
  // Starts a workbook that Close() writes to path, with the document
  // properties and the 工程概况 sheet of the project. The file is written
  // beside path and renamed into place, so a failure leaves an existing file
  // alone. Throws InputError when it cannot be started.
  Workbook(std::filesystem::path path, const ProjectInfo& project);
  ~Workbook();
  Workbook(const Workbook&) = delete;
  Workbook& operator=(const Workbook&) = delete;

  // The sheet 分部分项工程量清单.
  void AddBillList(const std::vector<BillListLine>& lines);

  // Starts the sheet of a table, named after it: 层级 and the columns that
  // people read. Its rows follow through AddRows, in order.
  void StartTable(std::string_view name, std::span<const NamedColumn> columns);
  // Appends rows to the table started last. Throws InputError when a cell
  // cannot be written (a text longer than a cell holds, a full disk).
  void AddRows(const std::vector<NamedRow>& rows);

  // Finishes the last table and writes the file. Throws InputError when it
  // cannot be written.
  void Close();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace reportdata::cli

#endif  // CLI_WORKBOOK_H_
