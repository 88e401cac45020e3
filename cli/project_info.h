// What the project description (project.ld) says about the project that a
// printed report names on its first page and in its page headers: the
// project's name, its summary, its bill and quota libraries and its building
// area. Read through the project-settings service, as the builds read it.
#ifndef CLI_PROJECT_INFO_H_
#define CLI_PROJECT_INFO_H_

#include <string>
#include <utility>
#include <vector>

#include "cli/project_dir.h"

namespace reportdata::cli {

struct ProjectInfo {
  std::string name;  // the summary's 工程名称; the directory's name when it has none
  std::vector<std::pair<std::string, std::string>> summary;  // name, value, in order
  std::string bill_library;   // "name (key)"; empty when the project names none
  std::string quota_library;  // the same for the quota library
  std::string building_area;  // the summary's 建筑面积 text; empty when it has none
};

// The project's description; the directory's name alone when the project
// has no readable description.
ProjectInfo ReadProjectInfo(const ProjectDir& dir);

}  // namespace reportdata::cli

#endif  // CLI_PROJECT_INFO_H_
