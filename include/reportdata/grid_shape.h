// The tree of a layout A answer: which row is the parent of which, and how
// deep each row stands. A layout A row names itself in cell 0 and its parent
// in cell 1, both decimal; a program that shows or compares the rows reads
// their tree through this one reader, row by row in answer order, and needs
// no other cell.
#ifndef REPORTDATA_GRID_SHAPE_H_
#define REPORTDATA_GRID_SHAPE_H_

#include <cstddef>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "reportdata/export.h"

namespace reportdata {

class REPORTDATA_API GridShape {
 public:
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

  // Takes the next row by its cells 0 and 1. The first row taken is the
  // header: depth 0, no parent, and no row's parent. A row whose parent id
  // names no earlier row is a top-level row (depth 0); when two rows carry
  // one id, the later is the parent of the rows after it.
  void Add(std::wstring_view id, std::wstring_view parent_id);
  void Add(std::string_view id, std::string_view parent_id);

  std::size_t rows() const { return depth_.size(); }
  int depth(std::size_t row) const { return depth_[row]; }
  // The parent's row number (the header is row 0); kNone for a top-level row.
  std::size_t parent(std::size_t row) const { return parent_[row]; }

 private:
  void AddIds(long long id, long long parent_id);

  std::vector<int> depth_;
  std::vector<std::size_t> parent_;
  std::unordered_map<long long, std::size_t> row_of_id_;
};

}  // namespace reportdata

#endif  // REPORTDATA_GRID_SHAPE_H_
