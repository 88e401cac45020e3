// The reading of the index analysis settings file at every build.
#include "engine/analyze.h"
#include "persist/index_table_files.h"
#include "platform/paths.h"

namespace reportdata {

void CAnalyze::ReadIndexSettingsFile() {
  std::vector<SIndexGroup> groups;
  ReadIndexSettings(CutBeforeLastSeparator(system_dir_), groups);
  areas_.index_analysis.SetGroups(std::move(groups));
}

}  // namespace reportdata
