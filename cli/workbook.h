// A spreadsheet workbook of report tables: one sheet per table, the header
// row frozen, the rows grouped in outline levels that follow the tree so that
// a spreadsheet opens and closes them, quantities as numbers shown with the
// decimals of their unit, features wrapped, column widths fitted to the
// Chinese text they hold.
#ifndef CLI_WORKBOOK_H_
#define CLI_WORKBOOK_H_

#include <filesystem>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "cli/column_schema.h"

namespace reportdata::cli {

class Workbook {
 public:
  // Starts a workbook that Close() writes to path. The file is written beside
  // it and renamed into place, so a failure leaves an existing file alone.
  explicit Workbook(std::filesystem::path path);
  ~Workbook();
  Workbook(const Workbook&) = delete;
  Workbook& operator=(const Workbook&) = delete;

  // A sheet named after the table: 层级 and the columns that people read.
  void AddSheet(std::string_view name, std::span<const NamedColumn> columns,
                const std::vector<NamedRow>& rows);

  // Writes the file. Throws InputError when it cannot be written.
  void Close();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace reportdata::cli

#endif  // CLI_WORKBOOK_H_
