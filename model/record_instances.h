// The per-instance view of a merged measurement record, used when merging is
// switched off and by the component summary: the position list splits at
// every "$" and the handle list at every "$$$"; when both give the same
// number of parts, part i of each is one instance of piece count 1 (its
// handle list starting with "$$" unless the part already starts with "$").
// Handles that do not begin with "$" merge as "$h1$$h2$$h3", which holds no
// "$$$": such a list splits at "$$" after its leading "$", and is used when
// it gives one part per piece. When neither split pairs up the record is
// listed as stored.
#ifndef REPORTDATA_MODEL_RECORD_INSTANCES_H_
#define REPORTDATA_MODEL_RECORD_INSTANCES_H_

#include <string>
#include <string_view>
#include <vector>

#include "model/report_tree.h"

namespace reportdata {

// Splits `text` at every occurrence of `separator` (n separators give n + 1
// parts); the parts view into `text`.
void SplitText(std::string_view text, std::string_view separator,
               std::vector<std::string_view>& parts);

// The parts of a record's position and handle lists, one per instance.
struct InstanceParts {
  std::vector<std::string_view> positions;
  std::vector<std::string_view> handles;
};

// Splits the lists of a record of more than one piece into its instances
// (see above); false, with parts unspecified, when the record is listed as
// stored. The parts view into the record.
bool SplitInstances(const SQdRecordNode& record, InstanceParts& parts);

// Appends the handle list of one instance, as its own record holds it: "$$"
// and the part, or the part alone when it starts with "$" already.
inline void AppendInstanceHandles(std::string_view part, std::string& out) {
  if (part.empty() || part.front() != '$') out += "$$";
  out.append(part);
}

// Calls visit(const SQdRecordNode&) once for the record when `merge` is on or
// it stands for one piece, otherwise once per instance (see above). The
// instance passed is a scratch node valid only during the call.
template <typename Visit>
void ForEachRecordRow(const SQdRecordNode& record, bool merge, Visit&& visit) {
  InstanceParts parts;
  if (merge || !SplitInstances(record, parts)) {
    visit(record);
    return;
  }
  SQdRecordNode instance;
  instance.description = record.description;
  instance.quantity = record.quantity;
  instance.formula = record.formula;
  instance.partitions = record.partitions;
  for (size_t i = 0; i < parts.positions.size(); ++i) {
    instance.positions.assign(parts.positions[i]);
    instance.handles.clear();
    AppendInstanceHandles(parts.handles[i], instance.handles);
    visit(static_cast<const SQdRecordNode&>(instance));
  }
}

}  // namespace reportdata

#endif  // REPORTDATA_MODEL_RECORD_INSTANCES_H_
