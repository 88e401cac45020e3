// Floor-area intake and the resolution of record floors to project labels.
#include "areas/area_intake.h"

#include <string>
#include <unordered_map>

#include "keys/floor_text.h"
#include "keys/number_format.h"

namespace reportdata {
namespace {

// The project floor labels by the single floors they stand for. Asked once
// per distinct record label; a label seen before is answered from memory.
class ProjectFloorIndex {
 public:
  explicit ProjectFloorIndex(std::vector<CString>& labels) : labels_(labels) {
    for (size_t i = 0; i < labels_.size(); ++i) Index(i);
  }

  // The project labels a record label lands on, without repeats, in order of
  // first appearance.
  const std::vector<std::wstring>& Resolve(const std::wstring& record_label) {
    auto [slot, added] = resolved_.try_emplace(record_label);
    if (!added) return slot->second;
    std::vector<std::wstring> singles;
    if (!ExpandFloors(record_label, singles)) singles.push_back(record_label);
    std::vector<std::wstring>& result = slot->second;
    for (const std::wstring& single : singles) {
      auto found = by_floor_.find(single);
      if (found == by_floor_.end()) {
        labels_.emplace_back(single);
        Index(labels_.size() - 1);
        found = by_floor_.find(single);
      }
      const std::wstring& label = labels_[found->second].str();
      bool repeated = false;
      for (const std::wstring& taken : result) repeated = repeated || taken == label;
      if (!repeated) result.push_back(label);
    }
    return result;
  }

 private:
  // A single-floor label stands for itself, a range or list for the floors
  // it expands to; the first label in list order keeps each floor.
  void Index(size_t position) {
    const std::wstring& label = labels_[position].str();
    expansion_.clear();
    if (!ExpandFloors(label, expansion_)) {
      by_floor_.try_emplace(label, position);
      return;
    }
    for (const std::wstring& floor : expansion_) by_floor_.try_emplace(floor, position);
  }

  std::vector<CString>& labels_;
  std::unordered_map<std::wstring, size_t> by_floor_;
  std::unordered_map<std::wstring, std::vector<std::wstring>> resolved_;
  std::vector<std::wstring> expansion_;  // scratch of Index
};

constexpr double kSmallestArea = 0.001;

bool KindOf(const CString& code, AreaKind& kind) {
  if (code == L"FL_MainArea") {
    kind = AreaKind::kMain;
    return true;
  }
  if (code == L"FL_YTArea") {
    kind = AreaKind::kBalcony;
    return true;
  }
  return false;
}

}  // namespace

void AddFloorAreas(const std::vector<SNYFloorAreaRecord>& records,
                   std::vector<CString>& project_floors, CAreaSummaryTable& table) {
  ProjectFloorIndex index(project_floors);
  for (const SNYFloorAreaRecord& record : records) {
    AreaKind kind;
    if (record.value < kSmallestArea || !KindOf(record.kind, kind)) continue;
    SAreaItem item;
    AppendFixed(item.quantity, record.value, 3);
    for (const std::wstring& label : index.Resolve(record.floor.str())) {
      table.AddItem(label, kind, item);
    }
  }
}

}  // namespace reportdata
