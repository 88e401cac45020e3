#include "model/row_match.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <unordered_map>

#include "model/unit_decimals.h"

namespace reportdata {
namespace {

constexpr std::size_t kLargestPerUnit = 10;
constexpr std::size_t kTop = SIZE_MAX;         // the parent of the top-level rows
constexpr std::size_t kAbsent = SIZE_MAX - 1;  // the side that lacks a row
constexpr std::string_view kGroupTotalLabel = "合计";
constexpr std::string_view kTableTotalLabel = "总计";

// The children of every row of one side.
struct Tree {
  explicit Tree(const std::vector<MatchRow>& table_rows)
      : rows(table_rows), children(table_rows.size()) {
    std::vector<std::uint32_t> open;  // the last row at each depth
    for (std::uint32_t r = 0; r < rows.size(); ++r) {
      // A row deeper than its parent by more than one hangs below the last
      // open row.
      const std::size_t depth =
          static_cast<std::size_t>(std::clamp(rows[r].depth, 0, static_cast<int>(open.size())));
      open.resize(depth);
      (depth == 0 ? top : children[open.back()]).push_back(r);
      open.push_back(r);
    }
  }
  const std::vector<std::uint32_t>& ChildrenOf(std::size_t r) const {
    static const std::vector<std::uint32_t> kNone;
    if (r == kTop) return top;
    return r == kAbsent ? kNone : children[r];
  }

  const std::vector<MatchRow>& rows;
  std::vector<std::vector<std::uint32_t>> children;
  std::vector<std::uint32_t> top;
};

std::string KeyOf(const MatchRow& row) { return row.label + '\x1f' + row.unit; }

// Old and new quantity of one unit, summed over rows.
struct UnitSum {
  std::string unit;
  double old_quantity = 0;
  double new_quantity = 0;
};

void AddTo(std::vector<UnitSum>& sums, const ComparedRow& row) {
  auto it = std::find_if(sums.begin(), sums.end(),
                         [&](const UnitSum& sum) { return sum.unit == row.unit; });
  if (it == sums.end()) it = sums.insert(sums.end(), UnitSum{row.unit});
  it->old_quantity += row.old_quantity;
  it->new_quantity += row.new_quantity;
}

class Comparer {
 public:
  Comparer(const std::vector<MatchRow>& old_rows, const std::vector<MatchRow>& new_rows,
           const MatchSettings& settings, CompareResult& result)
      : old_(old_rows), new_(new_rows), settings_(settings), result_(result) {}

  void Run() {
    MergeChildren(kTop, kTop, 0);
    if (settings_.totals) {
      for (const UnitSum& sum : table_sums_) {
        AddTotal(RowKind::kTableTotal, {std::string(kTableTotalLabel)}, sum, RowStatus::kChanged);
      }
    }
    PickLargest();
  }

 private:
  bool Unchanged(double difference, int decimals) const {
    return std::fabs(difference) <= settings_.tolerance ||
           std::round(difference * std::pow(10.0, decimals)) == 0;
  }

  // Emits the children of a matched pair (or of a row on one side, the other
  // kAbsent), matched by key and in the new project's order; a row of the old
  // project only goes where it stood among the old rows. True when anything
  // below differs.
  bool MergeChildren(std::size_t old_parent, std::size_t new_parent, int depth) {
    const std::vector<std::uint32_t>& old_kids = old_.ChildrenOf(old_parent);
    const std::vector<std::uint32_t>& new_kids = new_.ChildrenOf(new_parent);
    struct Candidates {
      std::vector<std::uint32_t> positions;  // in old_kids, in order
      std::size_t used = 0;
    };
    std::unordered_map<std::string, Candidates> by_key;
    if (!new_kids.empty()) {
      for (std::uint32_t i = 0; i < old_kids.size(); ++i)
        by_key[KeyOf(old_.rows[old_kids[i]])].positions.push_back(i);
    }
    std::vector<std::size_t> partner(new_kids.size(), kAbsent);  // position in old_kids
    std::vector<char> old_matched(old_kids.size(), 0);
    for (std::size_t i = 0; i < new_kids.size() && !old_kids.empty(); ++i) {
      const auto it = by_key.find(KeyOf(new_.rows[new_kids[i]]));
      if (it == by_key.end() || it->second.used == it->second.positions.size()) continue;
      partner[i] = it->second.positions[it->second.used++];
      old_matched[partner[i]] = 1;
    }
    bool changed = false;
    std::size_t flushed = 0;  // old rows before this position are emitted
    const auto flush_old = [&](std::size_t until) {
      for (; flushed < until; ++flushed) {
        if (!old_matched[flushed]) changed |= Emit(old_kids[flushed], kAbsent, depth);
      }
    };
    for (std::size_t i = 0; i < new_kids.size(); ++i) {
      if (partner[i] == kAbsent) {
        changed |= Emit(kAbsent, new_kids[i], depth);
        continue;
      }
      flush_old(std::max(flushed, partner[i]));
      flushed = std::max(flushed, partner[i] + 1);
      changed |= Emit(old_kids[partner[i]], new_kids[i], depth);
    }
    flush_old(old_kids.size());
    return changed;
  }

  // Emits one row and what lies below it; true when anything differs.
  bool Emit(std::size_t old_row, std::size_t new_row, int depth) {
    const MatchRow* old_side = old_row == kAbsent ? nullptr : &old_.rows[old_row];
    const MatchRow* new_side = new_row == kAbsent ? nullptr : &new_.rows[new_row];
    const MatchRow& either = old_side ? *old_side : *new_side;
    const std::size_t at = result_.rows.size();
    path_.push_back(either.label);
    {
      ComparedRow row;
      row.depth = depth;
      row.path = path_;
      row.unit = either.unit;
      row.decimals = UnitDecimals(row.unit);
      row.has_quantity =
          (old_side && old_side->has_quantity) || (new_side && new_side->has_quantity);
      row.old_quantity = old_side ? old_side->quantity : 0;
      row.new_quantity = new_side ? new_side->quantity : 0;
      row.difference = row.new_quantity - row.old_quantity;
      if (old_side && new_side && row.old_quantity != 0)
        row.relative = row.difference / row.old_quantity;
      row.status = !old_side   ? RowStatus::kAdded
                   : !new_side ? RowStatus::kRemoved
                   : row.has_quantity && !Unchanged(row.difference, row.decimals)
                       ? RowStatus::kChanged
                       : RowStatus::kUnchanged;
      result_.rows.push_back(std::move(row));
    }
    if (depth == 0) group_sums_.clear();
    const bool below = MergeChildren(old_row, new_row, depth + 1);
    ComparedRow& row = result_.rows[at];
    if (!row.has_quantity && below && row.status == RowStatus::kUnchanged)
      row.status = RowStatus::kChanged;
    const bool changed = below || row.status != RowStatus::kUnchanged;
    if (depth == 1) Count(row);
    if (depth == 0 && settings_.totals) {
      const RowStatus side = !old_side   ? RowStatus::kAdded
                             : !new_side ? RowStatus::kRemoved
                                         : RowStatus::kChanged;
      for (const UnitSum& sum : group_sums_)
        AddTotal(RowKind::kGroupTotal, {path_.front(), std::string(kGroupTotalLabel)}, sum, side);
    }
    path_.pop_back();
    if (settings_.changed_only && !changed) result_.rows.resize(at);
    return changed;
  }

  // Counts a row of the level below the top for the summary and the totals.
  void Count(const ComparedRow& row) {
    CompareSummary& summary = result_.summary;
    switch (row.status) {
      case RowStatus::kUnchanged:
        ++summary.unchanged;
        break;
      case RowStatus::kChanged:
        ++summary.changed;
        break;
      case RowStatus::kAdded:
        ++summary.added;
        break;
      case RowStatus::kRemoved:
        ++summary.removed;
        break;
    }
    if (row.status != RowStatus::kUnchanged && row.has_quantity) largest_.push_back(row);
    if (!row.has_quantity || row.unit.find('/') != std::string::npos) return;
    AddTo(group_sums_, row);
    AddTo(table_sums_, row);
  }

  // A total line; `side` is kAdded or kRemoved for a group on one side only,
  // else the difference decides.
  void AddTotal(RowKind kind, std::vector<std::string> path, const UnitSum& sum, RowStatus side) {
    ComparedRow row;
    row.kind = kind;
    row.depth = kind == RowKind::kGroupTotal ? 1 : 0;
    row.path = std::move(path);
    row.unit = sum.unit;
    row.decimals = UnitDecimals(row.unit);
    row.has_quantity = true;
    row.old_quantity = sum.old_quantity;
    row.new_quantity = sum.new_quantity;
    row.difference = sum.new_quantity - sum.old_quantity;
    if (side == RowStatus::kChanged && row.old_quantity != 0)
      row.relative = row.difference / row.old_quantity;
    row.status = side != RowStatus::kChanged               ? side
                 : Unchanged(row.difference, row.decimals) ? RowStatus::kUnchanged
                                                           : RowStatus::kChanged;
    if (settings_.changed_only && row.status == RowStatus::kUnchanged) return;
    result_.rows.push_back(std::move(row));
  }

  void PickLargest() {
    std::vector<std::string> units;
    for (const ComparedRow& row : largest_) {
      if (std::find(units.begin(), units.end(), row.unit) == units.end()) units.push_back(row.unit);
    }
    std::vector<ComparedRow>& out = result_.summary.largest;
    for (const std::string& unit : units) {
      const std::size_t first = out.size();
      for (ComparedRow& row : largest_) {
        if (row.unit == unit) out.push_back(std::move(row));
      }
      std::stable_sort(out.begin() + first, out.end(), [](const auto& a, const auto& b) {
        return std::fabs(a.difference) > std::fabs(b.difference);
      });
      out.resize(std::min(out.size(), first + kLargestPerUnit));
    }
  }

  const Tree old_;
  const Tree new_;
  const MatchSettings& settings_;
  CompareResult& result_;
  std::vector<std::string> path_;    // labels of the rows being emitted
  std::vector<UnitSum> group_sums_;  // of the top-level row being emitted
  std::vector<UnitSum> table_sums_;
  std::vector<ComparedRow> largest_;  // changed rows below the top, candidates
};

}  // namespace

void MatchRows(const std::vector<MatchRow>& old_rows, const std::vector<MatchRow>& new_rows,
               const MatchSettings& settings, CompareResult& result) {
  Comparer(old_rows, new_rows, settings, result).Run();
}

}  // namespace reportdata
