// Building a project's report tables: the bill build and the quota build
// through their exported entries, each followed by writing its table files,
// and a short account of what was written.
#ifndef CLI_PROJECT_BUILD_H_
#define CLI_PROJECT_BUILD_H_

#include <cstdint>
#include <string>
#include <vector>

#include "cli/project_dir.h"
#include "cli/tables.h"

namespace reportdata::cli {

struct BuildOptions {
  bool bill = true;   // 清单 side: bill summary, bill consumption, consumption summary
  bool quota = true;  // 定额 side: the three quota summaries
};

struct BuildSummary {
  struct Table {
    const CatalogTable* table;
    std::size_t rows;  // layout A rows of the whole table, header not counted
  };
  std::vector<Table> tables;
  std::size_t files = 0;     // files in the report directory afterwards
  std::uintmax_t bytes = 0;  // their size
  double seconds = 0.0;      // time of builds and writes
};

// Runs the chosen builds into dir.report, creating it when missing.
// REQUIRES: RequireCalculationResults(dir) passed. Throws InputError when the
// quota build cannot open the project.
BuildSummary BuildProject(const ProjectDir& dir, const BuildOptions& options);

// A few lines: each table with its file and row count, then files, size, time.
std::string FormatBuildSummary(const ProjectDir& dir, const BuildSummary& summary);

}  // namespace reportdata::cli

#endif  // CLI_PROJECT_BUILD_H_
