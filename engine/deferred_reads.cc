// Holding table files for a read at first use.
#include "engine/deferred_reads.h"

#include <optional>

#include "persist/xml_reader.h"

namespace reportdata {
struct DeferredReads::Step {
  int table;
  std::unique_ptr<HeldFile> file;  // null for a step without a file
  std::function<void()> run;
};

DeferredReads::DeferredReads() = default;
DeferredReads::~DeferredReads() = default;

void DeferredReads::Hold(int table, const std::string& path, const char* root_name,
                         std::function<void()> read) {
  std::unique_ptr<HeldFile> file = HoldXmlFile(path, root_name);
  if (file) steps_.push_back(Step{table, std::move(file), std::move(read)});
}

void DeferredReads::Then(int table, std::function<void()> step) {
  steps_.push_back(Step{table, nullptr, std::move(step)});
}

void DeferredReads::LoadFor(int table) { Load(table == kOther, table); }

void DeferredReads::LoadAll() { Load(true, kOther); }

void DeferredReads::Clear() { steps_.clear(); }

void DeferredReads::Load(bool all, int table) {
  for (size_t i = 0; i < steps_.size();) {
    if (!all && steps_[i].table != table) {
      ++i;
      continue;
    }
    const Step step = std::move(steps_[i]);
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(i));
    std::optional<ReadingHeldFile> reading;
    if (step.file) reading.emplace(*step.file);
    step.run();
  }
}

}  // namespace reportdata
