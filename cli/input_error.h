// The one error of the tool's commands: bad input (a missing directory, an
// unreadable file, an unknown table). Its message names what and where; the
// tool prints it on one line of standard error and exits with status 1.
#ifndef CLI_INPUT_ERROR_H_
#define CLI_INPUT_ERROR_H_

#include <stdexcept>

namespace reportdata::cli {

class InputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace reportdata::cli

#endif  // CLI_INPUT_ERROR_H_
