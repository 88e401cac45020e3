// The physical-quantity views of `reportdata show`: the concrete summaries
// by floor, by floor and partition, by partition and floor, and the
// decoration report, read back from a built project's table files.
#ifndef CLI_PHYSICAL_VIEW_H_
#define CLI_PHYSICAL_VIEW_H_

#include <string>
#include <string_view>
#include <vector>

#include "cli/project_dir.h"
#include "cli/table_view.h"

namespace reportdata::cli {

enum class PhysicalKind { kByFloor, kByFloorPartition, kByPartitionFloor, kDecoration };

struct PhysicalView {
  std::string_view name;  // 混凝土按楼层 …
  std::string_view stem;  // concrete-floor …
  PhysicalKind kind;
};

// The view of that name or stem; null when there is none.
const PhysicalView* FindPhysicalView(std::string_view name);

// "混凝土按楼层 (concrete-floor), …" for messages.
std::string PhysicalViewNames();

struct PhysicalRequest {
  bool bill_side = true;                // bill records, or quota records
  std::vector<std::string> floors;      // empty: every floor
  std::vector<std::string> type_paths;  // empty: every component
  Format format = Format::kText;
};

// Reads back the files of the side (the bill reload for the bill side, the
// quota reload otherwise) and renders the view. Throws InputError when the
// side's concrete file is missing.
std::string ShowPhysicalView(const ProjectDir& dir, const PhysicalView& view,
                             const PhysicalRequest& request);

}  // namespace reportdata::cli

#endif  // CLI_PHYSICAL_VIEW_H_
