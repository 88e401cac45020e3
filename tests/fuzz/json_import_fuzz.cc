// The JSON importer: the input is an interchange file imported into a
// project directory. A refusal is an answer; a crash, a hang, a sanitizer
// report, or a refusal without a message is a finding. (Accepted files are
// not built here: the calculation-database service keeps every database it
// has opened for the life of the process, which a fuzzing run would exhaust.)
#include <cstdint>
#include <cstdlib>

#include "fuzz_input.h"
#include "reportdata/importer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string& scratch = reportdata::fuzz::ScratchDir();
  const std::string json = scratch + "/input.json";
  reportdata::fuzz::WriteBytes(json, {reinterpret_cast<const char*>(data), size});
  const reportdata::ImportResult result = reportdata::ImportProject(json, scratch + "/project");
  if (!result.ok && result.message.empty()) abort();
  return 0;
}
