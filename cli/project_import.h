// Importing a JSON interchange file into a project directory through the
// module's importer, with a progress line on a terminal.
#ifndef CLI_PROJECT_IMPORT_H_
#define CLI_PROJECT_IMPORT_H_

#include <cstddef>
#include <string>

#include "cli/project_dir.h"

namespace reportdata::cli {

// Returns the number of calculation records stored. Holds the project's
// lock (ProjectLock, waiting up to wait_seconds) while it imports. Throws
// InputError with the importer's message when it refuses the file.
std::size_t ImportResults(const std::string& json_path, const std::string& project_dir,
                          double wait_seconds = ProjectLock::kDefaultWaitSeconds);

}  // namespace reportdata::cli

#endif  // CLI_PROJECT_IMPORT_H_
