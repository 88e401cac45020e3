// The one exception the module throws out of an exported call: a table or
// settings file that could not be saved, or a file that parses as XML but is
// not a table file of this module (wrong root element, text where an element
// belongs, a file too large to be one). A missing or unparsable file is never
// an error; its table is simply left as it was.
#ifndef REPORTDATA_ERRORS_H_
#define REPORTDATA_ERRORS_H_

#include <stdexcept>
#include <string>

#include "reportdata/export.h"

namespace reportdata {

class REPORTDATA_API TableFileError : public std::runtime_error {
 public:
  // what() is "<path>: <reason>".
  TableFileError(std::string path, std::string reason);
  ~TableFileError() override;

  // The native path of the file concerned, UTF-8.
  const std::string& path() const { return path_; }
  const std::string& reason() const { return reason_; }

 private:
  std::string path_;
  std::string reason_;
};

}  // namespace reportdata

#endif  // REPORTDATA_ERRORS_H_
