// Writes a generated project in the JSON interchange form that
// `reportdata import` reads: the project description, the classified
// calculation results, the loose quotas and other items, doors and windows,
// floor areas and the component index. The records are streamed as the
// building is walked.
#ifndef CLI_SAMPLE_PROJECT_H_
#define CLI_SAMPLE_PROJECT_H_

#include <cstdio>

#include "cli/sample_building.h"

namespace reportdata::cli {

struct SampleCounts {
  long long entries = 0;  // classified entries and other items
  long long records = 0;  // calculation-result records of every list
};

// Writes the project to out; pretty output is indented for reading. Returns
// false when out reported a write error.
bool WriteSampleProject(const SampleOptions& options, bool pretty, std::FILE* out,
                        SampleCounts& counts);

}  // namespace reportdata::cli

#endif  // CLI_SAMPLE_PROJECT_H_
