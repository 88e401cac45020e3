// Turns a JSON interchange file (docs/json-interchange.md) into a project
// directory that the built-in services read: the calculation database
// "CalResult.mdb" and the project description "project.ld". A project is
// replaced whole or not at all: on any refusal the directory keeps what it
// held before, and nothing half-written is left in it.
#ifndef REPORTDATA_IMPORTER_H_
#define REPORTDATA_IMPORTER_H_

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "reportdata/export.h"

namespace reportdata {

struct ImportResult {
  bool ok = false;
  // On refusal one line: the file, the place in it (a JSON pointer such as
  // /classified/3/bill/quantity, or the line, column and byte of a syntax
  // error) and the reason. Empty on success.
  std::string message;
  // Calculation-result records stored (bill and quota records of every list).
  std::size_t records = 0;
};

// Called now and then while the file is read, with the bytes read so far and
// the size of the file.
using ImportProgress = std::function<void(std::uint64_t bytes_read, std::uint64_t bytes_total)>;

// Reads json_path and writes the project into project_dir, which is created
// when missing. Both paths are UTF-8 native paths.
REPORTDATA_API ImportResult ImportProject(const std::string& json_path,
                                          const std::string& project_dir,
                                          const ImportProgress& progress = {});

// Removes the temporary files (".CalResult.mdb.import-<pid>",
// ".project.ld.import-<pid>") that imports into project_dir left when their
// process was killed. Those of a process that still runs may belong to an
// import in progress and stay. ImportProject does this itself; a build of
// the project may call it too.
REPORTDATA_API void RemoveAbandonedImports(const std::string& project_dir);

}  // namespace reportdata

#endif  // REPORTDATA_IMPORTER_H_
