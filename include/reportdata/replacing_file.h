// Writing a file that replaces another in one step, for a host's own outputs
// (a report page, a workbook, a saved document) as the module saves its
// table files: the bytes go to a new temporary file beside the target, whose
// name no other file has and which is created, never opened, so that a link
// planted under a guessed name is never followed; it is flushed to disk and
// renamed over the target. A reader sees the old file or the whole new one,
// and a failure leaves the old one as it was.
#ifndef REPORTDATA_REPLACING_FILE_H_
#define REPORTDATA_REPLACING_FILE_H_

#include <memory>
#include <string>
#include <string_view>

#include "reportdata/export.h"

namespace reportdata {

class AtomicFile;

// Every failure throws TableFileError naming the target. The destructor
// removes the temporary file unless Commit() replaced the target with it.
class REPORTDATA_API ReplacingFile {
 public:
  // Creates the temporary file beside path (native UTF-8).
  explicit ReplacingFile(std::string path);
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  void Write(std::string_view bytes);

  // A path through which a library that wants a file name writes the
  // temporary file: it opens the very file created here, whatever is put
  // under the temporary name meanwhile. Valid until Commit().
  std::string WritablePath() const;

  // Flushes the file to disk and renames it over the target.
  void Commit();

 private:
  std::unique_ptr<AtomicFile> file_;
};

}  // namespace reportdata

#endif  // REPORTDATA_REPLACING_FILE_H_
