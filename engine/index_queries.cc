// The engine's answers from the index analysis (code 10) and the reading of
// its settings file at every build.
#include "areas/index_analysis_rows.h"
#include "engine/analyze.h"
#include "persist/index_table_files.h"
#include "platform/paths.h"

namespace reportdata {

void CAnalyze::ReadIndexSettingsFile() {
  std::vector<SIndexGroup> groups;
  ReadIndexSettings(CutBeforeLastSeparator(system_dir_), groups);
  areas_.index_analysis.SetGroups(std::move(groups));
}

bool CAnalyze::IndexTreeItem(int code, CStringArray& items) {
  if (code != 10) return false;
  for (const SIndexGroup& group : areas_.index_analysis.groups()) items.Add(CString(group.name));
  return true;
}

bool CAnalyze::IndexItemData(int code, std::wstring_view name, CStringArray& rows) {
  if (code != 10) return false;
  rows.RemoveAll();
  WriteIndexAnalysisRows(areas_.index_analysis, name, condition_, rows);
  return true;
}

bool CAnalyze::IndexNewItemData(int code, std::wstring_view name, CStringArray& rows) {
  if (code != 10) return false;
  StreamIndexAnalysis(areas_.index_analysis, name, rows);
  return true;
}

}  // namespace reportdata
