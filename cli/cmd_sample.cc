// reportdata sample OUT.json [--floors N] [--scale K] [--seed S] [--low-merge] [--compact]
// reportdata sample --revise OLD.json NEW.json
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>

#include "cli/commands.h"
#include "cli/input_error.h"
#include "reportdata/replacing_file.h"

namespace reportdata::cli {
namespace {

// Writes path through a temporary file beside it, so that a failed run
// leaves an existing file as it was; `write` returns false on a write error.
template <typename Write>
void WriteThrough(const std::string& path, Write&& write) {
  ReplacingFile file(path);
  std::FILE* out = std::fopen(file.WritablePath().c_str(), "wb");
  if (!out) throw InputError("cannot write " + path + ": " + std::strerror(errno));
  bool written = false;
  try {
    written = write(out);
  } catch (...) {
    std::fclose(out);
    throw;
  }
  if (std::fclose(out) != 0 || !written)
    throw InputError("cannot write " + path + ": " + std::strerror(errno));
  file.Commit();
}

}  // namespace

SampleCounts WriteSampleFile(const SampleOptions& sample, bool pretty, const std::string& path) {
  SampleCounts counts;
  WriteThrough(path,
               [&](std::FILE* out) { return WriteSampleProject(sample, pretty, out, counts); });
  return counts;
}

RevisionCounts ReviseFile(const std::string& old_path, const std::string& path) {
  std::ifstream in(old_path, std::ios::binary);
  if (!in) throw InputError("cannot read " + old_path + ": " + std::strerror(errno));
  RevisionCounts counts;
  WriteThrough(path, [&](std::FILE* out) {
    counts = ReviseProject(in, old_path, out);
    return !std::ferror(out);
  });
  return counts;
}

void AddSampleCommand(CLI::App& app) {
  struct Options {
    std::string out;
    SampleOptions sample;
    bool compact = false;
    std::string revise;
  };
  auto options = std::make_shared<Options>();
  CLI::App* command = app.add_subcommand(
      "sample",
      "Write a generated project in the JSON interchange form: a residential building with "
      "basements, standard floors, rooms, facade, earthworks and partitions. The same seed gives "
      "the same bytes.");
  command->add_option("OUT", options->out, "output file; - for standard output")->required();
  command->add_option("--floors", options->sample.floors, "storeys above ground (default: 10)")
      ->check(CLI::Range(1, 200));
  command
      ->add_option("--scale", options->sample.scale,
                   "multiplies the instances on every storey (default: 1, a few hundred records; "
                   "1700 gives just over a million)")
      ->check(CLI::Range(1, 1000000));
  command->add_option("--seed", options->sample.seed, "seed of the generator (default: 1)");
  command->add_flag("--low-merge", options->sample.low_merge,
                    "distinct quantities, positions and handles, 25 component names per item and "
                    "most records split over two or three partitions, so that few records merge");
  command->add_flag("--compact", options->compact, "no indentation (for large projects)");
  command->add_option("--revise", options->revise,
                      "write OUT as a revision of this project: a storey added on top, the "
                      "infill walls of the storey below it 200 instead of 100 thick, the doors "
                      "of the first storey removed (compact JSON)");
  command->callback([options] {
    if (!options->revise.empty()) {
      if (options->out == "-") throw InputError("--revise writes a file, not standard output");
      const RevisionCounts counts = ReviseFile(options->revise, options->out);
      std::printf(
          "wrote %s: storey %s added (%lld records), walls of storey %s changed (%lld "
          "records), %lld doors removed\n",
          options->out.c_str(), counts.added_floor.c_str(), counts.records_added,
          counts.wall_floor.empty() ? "-" : counts.wall_floor.c_str(), counts.walls_changed,
          counts.doors_removed);
      return;
    }
    const bool pretty = !options->compact;
    if (options->out == "-") {
      SampleCounts counts;
      if (!WriteSampleProject(options->sample, pretty, stdout, counts))
        throw InputError(std::string("cannot write standard output: ") + std::strerror(errno));
      return;
    }
    const SampleCounts counts = WriteSampleFile(options->sample, pretty, options->out);
    std::printf("wrote %lld calculation records (%lld classified entries) to %s\n", counts.records,
                counts.entries, options->out.c_str());
  });
}

}  // namespace reportdata::cli
