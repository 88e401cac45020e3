#include "cli/project_info.h"

#include <memory>

#include "platform/text.h"
#include "reportdata/services.h"

namespace reportdata::cli {
namespace {

std::string LibraryText(const NS_NYProject::SBillQuotaLibInfo& library) {
  const std::string name = ToUtf8(library.name.str());
  const std::string key = ToUtf8(library.key.str());
  if (key.empty() || key == name) return name;
  return name.empty() ? key : name + " (" + key + ")";
}

}  // namespace

ProjectInfo ReadProjectInfo(const ProjectDir& dir) {
  ProjectInfo info;
  info.name = dir.project.filename().string();
  const std::unique_ptr<IEAPObject> project(
      GetIEAPObject(CString(FromUtf8((dir.project / "project.ld").string())), CString(), 1, 0));
  if (!project) return info;
  std::vector<SNYPair> pairs;
  if (project->GetProjectSummary(pairs)) {
    for (const SNYPair& pair : pairs) {
      info.summary.emplace_back(ToUtf8(pair.name.str()), ToUtf8(pair.value.str()));
      const auto& [name, value] = info.summary.back();
      if (name == "工程名称" && !value.empty()) info.name = value;
      if (name == "建筑面积") info.building_area = value;
    }
  }
  NS_NYProject::SBillQuotaLibInfo library;
  if (project->GetBillLibInfo(library)) info.bill_library = LibraryText(library);
  library = {};
  if (project->GetQuotaLibInfo(library, true)) info.quota_library = LibraryText(library);
  return info;
}

}  // namespace reportdata::cli
