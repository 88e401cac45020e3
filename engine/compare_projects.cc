// CompareProjects: reads the compared table of the old project, keeps its
// rows in the compact form of model/row_match.h, empties the engine, reads
// the new project's, and matches the two. Only one project's tables are held
// by the engine at a time.
#include <filesystem>
#include <string>
#include <vector>

#include "engine/analyze.h"
#include "engine/compare_sources.h"
#include "model/row_match.h"
#include "persist/report_table_files.h"
#include "persist/table_file.h"
#include "platform/text.h"
#include "reportdata/compare.h"
#include "reportdata/errors.h"
#include "reportdata/table_check.h"

namespace reportdata {
namespace {

bool FileExists(const std::wstring& dir, std::wstring_view file) {
  std::error_code error;
  return std::filesystem::exists(std::filesystem::u8path(ResolveFilePath(dir, file)), error);
}

// The damage of the table file as one line naming it; empty when it reads.
std::string DamageOf(const std::wstring& dir, std::wstring_view file) {
  const std::string damage = CheckTableFile(dir, std::wstring(file));
  return damage.empty() ? "" : ResolveFilePath(dir, file) + ": " + damage;
}

bool HasPartition(const CAnalyze& engine, const std::wstring& partition) {
  std::vector<CString> names;
  engine.GetEngPatitions(names);
  for (const CString& name : names) {
    if (name.str() == partition) return true;
  }
  return false;
}

// Reads one project's table into rows; false, with result's error set, when
// its file is missing or damaged or it lacks the partition.
bool ReadProject(const std::wstring& dir, const CompareSource& source,
                 const std::wstring& partition, std::vector<MatchRow>& rows,
                 CompareResult& result) {
  result.error = CompareError::kProject;
  // A reload takes a damaged file as an empty table and another table's
  // file as garbled rows. A tree file, the largest of a project, that opens
  // naming its table is checked whole only when it gives no rows.
  const bool named_tree = TableFileNamesItsTable(dir, source.file);
  if (!named_tree) {
    result.message = DamageOf(dir, source.file);
    if (!result.message.empty()) return false;
  }
  CAnalyze& engine = *GetEngine();
  const CString kept_partition = engine.GetCurrentPartitionName();
  engine.ReleaseAll();
  engine.mutable_partitions().clear();
  try {
    const bool bill =
        source.side == TableSide::kBill ||
        (source.side == TableSide::kEither && FileExists(dir, kBillSummaryFile.file_name));
    if (bill)
      engine.InitDataFromXml(CString(dir));
    else
      engine.InitialTableFromXml(CString(dir));
    if (partition.empty() || HasPartition(engine, partition)) {
      engine.SetCurrentPartition(CString(partition));
      rows = CaptureRows(source, partition);
    } else {
      result.error = CompareError::kPartition;
      result.message =
          "the project " + ToUtf8(dir) + " has no partition '" + ToUtf8(partition) + "'";
    }
  } catch (const TableFileError& error) {
    // Told in the check's words where it has some.
    result.message = DamageOf(dir, source.file);
    if (result.message.empty()) result.message = error.what();
  }
  engine.SetCurrentPartition(kept_partition);
  engine.ReleaseAll();
  if (result.message.empty() && rows.empty() && named_tree)
    result.message = DamageOf(dir, source.file);
  if (!result.message.empty()) return false;
  result.error = CompareError::kNone;
  return true;
}

}  // namespace

CompareResult CompareProjects(const std::wstring& old_report_dir,
                              const std::wstring& new_report_dir, const CompareOptions& options) {
  CompareResult result;
  const CompareSource& source = SourceOf(options.table);
  const std::wstring partition = FromUtf8(options.partition);
  std::vector<MatchRow> old_rows;
  if (!ReadProject(old_report_dir, source, partition, old_rows, result)) return result;
  std::vector<MatchRow> new_rows;
  if (!ReadProject(new_report_dir, source, partition, new_rows, result)) return result;
  result.levels.assign(source.levels.begin(), source.levels.end());
  MatchSettings settings;
  settings.tolerance = options.tolerance;
  settings.changed_only = options.changed_only;
  settings.totals = source.totals;
  MatchRows(old_rows, new_rows, settings, result);
  return result;
}

std::string_view ComparedTableName(ComparedTable table) { return SourceOf(table).name; }

std::string_view ComparedTableStem(ComparedTable table) { return SourceOf(table).stem; }

std::vector<ComparedTable> AllComparedTables() {
  std::vector<ComparedTable> tables;
  for (const CompareSource& source : AllSources()) tables.push_back(source.table);
  return tables;
}

std::optional<ComparedTable> FindComparedTable(std::string_view name) {
  for (const CompareSource& source : AllSources()) {
    if (source.name == name || source.stem == name) return source.table;
  }
  return std::nullopt;
}

}  // namespace reportdata
