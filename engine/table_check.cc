// The exported check of a table file: its envelope against the table its
// file name stands for, and for the tables whose files carry the
// "Table_Name" of another, what their first chapter holds. The files of the
// catalogue's tables are their definitions' (engine/table_definitions.h).
#include "reportdata/table_check.h"

#include "engine/table_definitions.h"
#include "persist/physical_table_files.h"
#include "persist/report_table_files.h"

namespace reportdata {
namespace {

// The files of the tables outside the catalogue, which the tool shows
// through views of their own: the component table, and the concrete and
// the decoration tables, whose files of the two sides share one
// "Table_Name" each. Each with its prefix as in FileDefinition.
struct CheckedFile {
  const TableFileLayout* layout;
  const char* inner_prefix;
};
constexpr CheckedFile kOtherFiles[] = {{&kComponentTableFile, nullptr},
                                       {&kBillQuantityFile, "Big"},
                                       {&kQuotaQuantityFile, "Big"},
                                       {&kBillDecorationFile, "Att"},
                                       {&kQuotaDecorationFile, "Att"}};

}  // namespace

std::string CheckTableFile(const std::wstring& reportDir, const std::wstring& fileName) {
  CheckedFile checked{nullptr, nullptr};
  for (const FileDefinition& file : TableFiles()) {
    if (fileName == file.layout->file_name) checked = {file.layout, file.inner_prefix};
  }
  for (const CheckedFile& file : kOtherFiles) {
    if (fileName == file.layout->file_name) checked = file;
  }
  return DescribeDamage(ResolveFilePath(reportDir, fileName), kTableRoot,
                        checked.layout ? checked.layout->table_name : nullptr,
                        checked.inner_prefix);
}

}  // namespace reportdata
