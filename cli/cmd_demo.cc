// reportdata demo [--dir DIR]: the whole path of a project through the module
// on the shipped sample: import, build, write, reopen, show; then the same
// project after a design change, built and compared with the first build.
#include <stdlib.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include "cli/commands.h"
#include "cli/compare_view.h"
#include "cli/input_error.h"
#include "cli/project_build.h"
#include "cli/project_import.h"
#include "cli/table_view.h"

namespace reportdata::cli {
namespace {

namespace fs = std::filesystem;

constexpr char kSampleName[] = "sample-project.json";

// The shipped sample: beside the installed data, then in the source tree.
fs::path FindSample() {
  std::error_code error;
  const fs::path exe = fs::read_symlink("/proc/self/exe", error);
  std::vector<fs::path> places;
  if (!error) places.push_back(exe.parent_path().parent_path() / "share/reportdata/samples");
  places.push_back(fs::path(REPORTDATA_SOURCE_DIR) / "data/samples");
  for (const fs::path& place : places) {
    if (fs::is_regular_file(place / kSampleName, error)) return place / kSampleName;
  }
  return {};
}

// The first tree item whose name holds the wanted text, else the first one.
std::string PickItem(const CatalogTable& table, const std::string& wanted) {
  const std::vector<std::string> items = TreeItems(table);
  for (const std::string& item : items) {
    if (item.find(wanted) != std::string::npos) return item;
  }
  return items.empty() ? "" : items[0];
}

// Shows one chapter of a table down to the floor level.
void ShowChapter(const ProjectDir& dir, std::string_view table_name, const std::string& wanted) {
  const CatalogTable& table = *FindCatalogTable(table_name);
  ReloadTables(dir, table);
  ShowRequest request;
  request.item = PickItem(table, wanted);
  request.depth = 2;
  Print("\n" + ShowTable(table, request));
}

// Revises the sample (a storey added, a wall type changed, doors removed),
// builds the revision beside the first build and shows what changed in the
// building area and the doors and windows.
void ShowDesignChange(const fs::path& sample, const fs::path& work, const ProjectDir& before) {
  const fs::path json = work / "revised.json";
  const RevisionCounts counts = ReviseFile(sample.string(), json.string());
  const fs::path project = work / "revised";
  ImportResults(json.string(), project.string());
  const ProjectDir after = ResolveProjectDir(project.string(), "");
  BuildProject(after, BuildOptions{});
  std::printf(
      "\nrevised and built %s: storey %s added, walls of storey %s changed, %lld doors "
      "removed\n",
      project.c_str(), counts.added_floor.c_str(), counts.wall_floor.c_str(), counts.doors_removed);
  std::vector<TableComparison> tables;
  CompareOptions options;
  options.changed_only = true;
  for (ComparedTable table : {ComparedTable::kBuildingArea, ComparedTable::kDoorsWindows}) {
    options.table = table;
    tables.push_back({table, CompareProjects(before.ReportArgument().str(),
                                             after.ReportArgument().str(), options)});
    if (tables.back().result.error != CompareError::kNone)
      throw InputError(tables.back().result.message);
  }
  Print("\n" + RenderComparisonText({before.project.string(), after.project.string(), ""}, tables));
}

// The directory the demo works in: the one asked for, kept, or a new one
// that is removed at the end.
struct WorkDir {
  fs::path path;
  bool keep = false;
  ~WorkDir() {
    std::error_code ignored;
    if (!keep) fs::remove_all(path, ignored);
  }
};

WorkDir MakeWorkDir(const std::string& wanted) {
  if (!wanted.empty()) {
    std::error_code error;
    fs::create_directories(wanted, error);
    if (error) throw InputError("cannot create " + wanted + ": " + error.message());
    return {wanted, true};
  }
  // A new directory of a name nobody could plant beforehand, since the
  // whole of it is removed at the end.
  std::string name = (fs::temp_directory_path() / "reportdata-demo-XXXXXX").string();
  if (mkdtemp(name.data()) == nullptr) {
    throw InputError("cannot create a directory in " + fs::temp_directory_path().string() + ": " +
                     std::strerror(errno));
  }
  return {name, false};
}

}  // namespace

void AddDemoCommand(CLI::App& app) {
  auto wanted = std::make_shared<std::string>();
  CLI::App* command = app.add_subcommand(
      "demo",
      "Run the main job on the shipped sample project: import it, build and write the report "
      "tables, reopen them from their files and print the bill summary and the quota summary of "
      "one chapter and the building area floor by floor; then revise the project, build it again "
      "and compare the building area and the doors and windows.");
  command->add_option("--dir", *wanted,
                      "work in this directory and keep it (default: a temporary directory that "
                      "is removed afterwards)");
  command->callback([wanted] {
    const WorkDir work = MakeWorkDir(*wanted);
    fs::path sample = FindSample();
    if (sample.empty()) {
      sample = work.path / kSampleName;
      WriteSampleFile(SampleOptions{}, true, sample.string());
    }
    const fs::path project = work.path / "project";
    std::printf("sample project %s\n", sample.c_str());
    const std::size_t records = ImportResults(sample.string(), project.string());
    std::printf("imported %zu calculation records into %s\n\n", records, project.c_str());
    const ProjectDir dir = ResolveProjectDir(project.string(), "");
    Print(FormatBuildSummary(dir, BuildProject(dir, BuildOptions{})));
    ShowChapter(dir, "清单汇总表", "混凝土");
    ShowChapter(dir, "定额汇总表", "混凝土");
    ShowChapter(dir, "建筑面积汇总表", "");
    ShowDesignChange(sample, work.path, dir);
    std::fflush(stdout);
  });
}

}  // namespace reportdata::cli
