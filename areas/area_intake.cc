// Floor-area intake and the resolution of record floors to project labels.
#include "areas/area_intake.h"

#include <algorithm>
#include <string>

#include "keys/floor_text.h"
#include "keys/hash_index.h"
#include "keys/number_format.h"
#include "model/tree_insert.h"

namespace reportdata {
namespace {

// The project floor labels by the single floors they stand for: each label
// is listed under the hash of every floor it stands for, so that resolving a
// floor looks at the few labels listed under its hash, whatever the number
// of floors. The labels' texts stay in the project list alone.
class ProjectFloorIndex {
 public:
  explicit ProjectFloorIndex(std::vector<CString>& labels) : labels_(labels) {
    for (size_t i = 0; i < labels_.size(); ++i) Index(i);
  }

  // Fills `landed` with the positions of the project labels a record label
  // lands on, without repeats, in order of first appearance.
  void Resolve(std::wstring_view record_label, std::vector<size_t>& landed) {
    landed.clear();
    singles_.clear();
    if (!ExpandFloors(record_label, singles_)) {
      landed.push_back(LabelOf(record_label));
      return;
    }
    for (const std::wstring& single : singles_) {
      const size_t at = LabelOf(single);
      if (std::ranges::find(landed, at) == landed.end()) landed.push_back(at);
    }
  }

 private:
  // The first label in list order equal to a single-floor text or standing
  // for it; the text appended as a label of its own when none does.
  size_t LabelOf(std::wstring_view single) {
    size_t first = labels_.size();
    by_floor_.ForEach(TextHash(single), [&](size_t at) {
      if (at < first && StandsFor(labels_[at].str(), single)) first = at;
    });
    if (first < labels_.size()) return first;
    labels_.emplace_back(single);
    Index(first);
    return first;
  }

  static bool StandsFor(std::wstring_view label, std::wstring_view single) {
    return IsSingleFloor(label) ? label == single : CoversFloor(label, single);
  }

  void Index(size_t position) {
    const std::wstring& label = labels_[position].str();
    expansion_.clear();
    if (!ExpandFloors(label, expansion_)) {
      by_floor_.Add(TextHash(label), static_cast<uint32_t>(position));
      return;
    }
    for (const std::wstring& floor : expansion_) {
      by_floor_.Add(TextHash(floor), static_cast<uint32_t>(position));
    }
  }

  std::vector<CString>& labels_;
  HashIndex by_floor_;                   // label positions by the floors they stand for
  std::vector<std::wstring> singles_;    // scratch of Resolve
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
  std::vector<size_t> landed;
  for (const SNYFloorAreaRecord& record : records) {
    AreaKind kind;
    if (record.value < kSmallestArea || !KindOf(record.kind, kind)) continue;
    SAreaItem item;
    AppendFixed(item.quantity, record.value, 3);
    index.Resolve(record.floor.str(), landed);
    for (size_t i = 0; i < landed.size(); ++i) {
      // The last label takes the item itself.
      table.AddItem(project_floors[landed[i]].str(), kind,
                    i + 1 < landed.size() ? item : std::move(item));
    }
  }
}

}  // namespace reportdata
