// The bars of the report page's physical-quantity charts, read from the
// physical-quantity tables of the bill side: concrete by floor and grade,
// and decoration area by kind. Each chart adds only quantities of one kind
// and one unit.
#ifndef CLI_PHYSICAL_CHARTS_H_
#define CLI_PHYSICAL_CHARTS_H_

#include "cli/project_dir.h"
#include "cli/report_page.h"

namespace reportdata::cli {

// Reads the bill side's physical-quantity tables back (the engine is
// emptied first) and sums them for the charts; empty bars when the project
// has no such tables.
PageCharts ReadPhysicalCharts(const ProjectDir& dir);

}  // namespace reportdata::cli

#endif  // CLI_PHYSICAL_CHARTS_H_
