// The component table view of `reportdata show`: components counted once
// per drawing handle by category, floor, name and type, read back from a
// built project's "CompTable.xml" through the component rows that a host
// asks for (CInterQingDan::GetGJHZ, DeTable1::GetGJHZ).
#ifndef CLI_COMPONENT_VIEW_H_
#define CLI_COMPONENT_VIEW_H_

#include <string>
#include <string_view>

#include "cli/project_dir.h"
#include "cli/table_view.h"

namespace reportdata::cli {

// "构件表 (CompTable)" for messages.
inline constexpr std::string_view kComponentViewNames = "构件表 (CompTable)";

// True for "构件表" and "CompTable".
bool IsComponentView(std::string_view name);

// Reads the side's table files back (the bill reload, or the quota reload)
// and renders the component table; `category` narrows it to one category.
// Throws InputError when the project has no component table file.
std::string ShowComponentTable(const ProjectDir& dir, bool bill_side, const std::string& category,
                               Format format);

}  // namespace reportdata::cli

#endif  // CLI_COMPONENT_VIEW_H_
