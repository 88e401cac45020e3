// The module's exception type; defined here so that its type information is
// emitted once, in the module, and a host can catch it across the library
// boundary.
#include "reportdata/errors.h"

#include <utility>

namespace reportdata {

TableFileError::TableFileError(std::string path, std::string reason)
    : std::runtime_error(path + ": " + reason),
      path_(std::move(path)),
      reason_(std::move(reason)) {}

TableFileError::~TableFileError() = default;

}  // namespace reportdata
