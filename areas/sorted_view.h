// A sorted view of a list of nodes: pointers into the list in the order a
// row writer shows them, leaving the stored order alone. Equal nodes keep
// their list order. The list must outlive the view and not change under it.
#ifndef REPORTDATA_AREAS_SORTED_VIEW_H_
#define REPORTDATA_AREAS_SORTED_VIEW_H_

#include <algorithm>
#include <vector>

namespace reportdata {

template <typename Node, typename Less>
std::vector<const Node*> SortedView(const std::vector<Node>& list, Less&& less) {
  std::vector<const Node*> view;
  view.reserve(list.size());
  for (const Node& node : list) view.push_back(&node);
  std::stable_sort(view.begin(), view.end(),
                   [&](const Node* a, const Node* b) { return less(*a, *b); });
  return view;
}

// Floors and floor groups by their sort key, ascending.
template <typename Node>
std::vector<const Node*> ByGrade(const std::vector<Node>& list) {
  return SortedView(list, [](const Node& a, const Node& b) { return a.grade < b.grade; });
}

}  // namespace reportdata

#endif  // REPORTDATA_AREAS_SORTED_VIEW_H_
