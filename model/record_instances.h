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

#include <string_view>
#include <vector>

#include "model/report_tree.h"

namespace reportdata {

// Splits `text` at every occurrence of `separator` (n separators give n + 1
// parts); the parts view into `text`.
void SplitText(std::string_view text, std::string_view separator,
               std::vector<std::string_view>& parts);

// Calls visit(const SQdRecordNode&) once for the record when `merge` is on or
// it stands for one piece, otherwise once per instance (see above). The
// instance passed is a scratch node valid only during the call.
template <typename Visit>
void ForEachRecordRow(const SQdRecordNode& record, bool merge, Visit&& visit) {
  if (merge || record.count <= 1) {
    visit(record);
    return;
  }
  std::vector<std::string_view> positions;
  std::vector<std::string_view> handles;
  SplitText(record.positions, "$", positions);
  SplitText(record.handles, "$$$", handles);
  if (positions.size() != handles.size()) {
    std::string_view plain = record.handles;
    if (!plain.empty() && plain.front() == '$') plain.remove_prefix(1);
    SplitText(plain, "$$", handles);
    if (positions.size() != handles.size() || handles.size() != static_cast<size_t>(record.count)) {
      visit(record);
      return;
    }
  }
  SQdRecordNode instance;
  instance.description = record.description;
  instance.quantity = record.quantity;
  instance.formula = record.formula;
  instance.partitions = record.partitions;
  for (size_t i = 0; i < positions.size(); ++i) {
    instance.positions.assign(positions[i]);
    instance.handles.clear();
    if (handles[i].empty() || handles[i].front() != '$') instance.handles = "$$";
    instance.handles.append(handles[i]);
    visit(static_cast<const SQdRecordNode&>(instance));
  }
}

}  // namespace reportdata

#endif  // REPORTDATA_MODEL_RECORD_INSTANCES_H_
