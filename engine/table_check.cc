// The exported check of a table file: its envelope against the table its
// file name stands for, and for the tables whose files carry the
// "Table_Name" of another, what their first chapter holds. The files of the
// catalogue's tables are their definitions' (engine/table_definitions.h).
#include "reportdata/table_check.h"

#include <sys/stat.h>

#include <fstream>
#include <string_view>

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
  bool tree = false;  // the file of a bill or quota tree, the largest of a project
};
constexpr CheckedFile kOtherFiles[] = {{&kComponentTableFile, nullptr},
                                       {&kBillQuantityFile, "Big"},
                                       {&kQuotaQuantityFile, "Big"},
                                       {&kBillDecorationFile, "Att"},
                                       {&kQuotaDecorationFile, "Att"}};

CheckedFile CheckedFileOf(const std::wstring& fileName) {
  for (const TableDefinition* table : TableDefinitions()) {
    const FileDefinition& file = table->file;
    if (fileName == file.layout->file_name)
      return {file.layout, file.inner_prefix, table->catalog.side != TableSide::kEither};
  }
  for (const CheckedFile& file : kOtherFiles) {
    if (fileName == file.layout->file_name) return file;
  }
  return {nullptr, nullptr};
}

}  // namespace

std::string CheckTableFile(const std::wstring& reportDir, const std::wstring& fileName) {
  const CheckedFile checked = CheckedFileOf(fileName);
  return DescribeDamage(ResolveFilePath(reportDir, fileName), kTableRoot,
                        checked.layout ? checked.layout->table_name : nullptr,
                        checked.inner_prefix);
}

bool TableFileNamesItsTable(const std::wstring& reportDir, const std::wstring& fileName) {
  const CheckedFile checked = CheckedFileOf(fileName);
  if (!checked.tree) return false;
  const std::string path = ResolveFilePath(reportDir, fileName);
  struct stat info {};
  if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  std::ifstream in(path, std::ios::binary);
  char bytes[512];
  in.read(bytes, sizeof bytes);
  const std::string head(bytes, static_cast<size_t>(in.gcount()));
  const std::string_view start_tag = std::string_view(head).substr(0, head.find('>'));
  // A start tag longer than the bytes read, or quoting with apostrophes, is
  // left to the whole check.
  if (start_tag.size() == head.size() ||
      !start_tag.starts_with(std::string("<") + kTableRoot + " ") ||
      start_tag.find('\'') != std::string_view::npos) {
    return false;
  }
  return start_tag.find(std::string(" Table_Name=\"") + checked.layout->table_name + "\"") !=
         std::string_view::npos;
}

}  // namespace reportdata
