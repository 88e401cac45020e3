// An environment variable set, or unset, for one scope; the value it had
// before comes back when the object goes out of scope.
#ifndef REPORTDATA_TESTS_SUPPORT_SCOPED_ENV_H_
#define REPORTDATA_TESTS_SUPPORT_SCOPED_ENV_H_

#include <stdlib.h>

#include <string>

namespace reportdata::testing {

// A null value unsets the variable.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = getenv(name)) saved_ = old, had_ = true;
    value != nullptr ? setenv(name, value, 1) : unsetenv(name);
  }
  ~ScopedEnv() { had_ ? setenv(name_, saved_.c_str(), 1) : unsetenv(name_); }

 private:
  const char* name_;
  std::string saved_;
  bool had_ = false;
};

}  // namespace reportdata::testing

#endif  // REPORTDATA_TESTS_SUPPORT_SCOPED_ENV_H_
