// The message of the error a table or settings file call throws, so that a
// test compares it in one line.
#ifndef REPORTDATA_TESTS_SUPPORT_FILE_ERROR_H_
#define REPORTDATA_TESTS_SUPPORT_FILE_ERROR_H_

#include <gtest/gtest.h>

#include <string>

#include "reportdata/errors.h"

namespace reportdata::testing {

// "<path>: <reason>" of the TableFileError that call throws, checked to be
// what its path() and reason() say; "" when it returns.
template <typename Call>
std::string FileError(Call&& call) {
  try {
    call();
  } catch (const TableFileError& error) {
    EXPECT_EQ(error.what(), error.path() + ": " + error.reason());
    return error.what();
  }
  return "";
}

}  // namespace reportdata::testing

#endif  // REPORTDATA_TESTS_SUPPORT_FILE_ERROR_H_
