// The project description "\project.ld": the project's bill and quota
// library records, floor names, per-floor base data, the project summary and
// the outdoor design level, as a UTF-8 JSON document (described in
// docs/project-description.md). The importer writes it; the attribute proxy
// reads it.
#ifndef REPORTDATA_SERVICES_PROJECT_FILE_H_
#define REPORTDATA_SERVICES_PROJECT_FILE_H_

#include <optional>
#include <string>
#include <vector>

#include "reportdata/records.h"
#include "services/import_check.h"

namespace reportdata {

// Base data of one floor, the numbers kept as the texts they were given in.
struct FloorBase {
  CString name;
  CString label;
  int number = 0;
  CString kind;
  CString remark;
  CString height;
  CString bottomElevation;
};

struct ProjectDescription {
  CString name;
  std::vector<CString> floors;
  std::optional<NS_NYProject::SBillQuotaLibInfo> billLibrary;
  std::optional<NS_NYProject::SBillQuotaLibInfo> quotaLibrary;
  std::vector<SNYPair> summary;
  std::optional<CString> outdoorDesignLevel;
  std::vector<FloorBase> floorBase;
};

// The "format" and "version" members of a project description file.
inline constexpr char kProjectFormat[] = "reportdata-project";
inline constexpr int kProjectVersion = 1;

// Reads the project members of value (the interchange file's "project", or
// a description file less its format and version). Refuses a value of the
// wrong shape with an ImportError naming the place.
ProjectDescription ParseProject(const Json& value, const Place& place);

// The description file's text: format, version and every member.
std::string ProjectFileText(const ProjectDescription& project);

// Reads a description file; nullopt when it is missing, not JSON, not of
// this format and version, or of the wrong shape.
std::optional<ProjectDescription> ReadProjectFile(const std::string& native_path);

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_PROJECT_FILE_H_
