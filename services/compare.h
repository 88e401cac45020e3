// The built-in orders of units, quota features and classification-variable
// lists. The table builders sort up to a million items with them, so every
// comparison works on the texts in place and allocates nothing. Each order is
// total: antisymmetric, transitive, and zero exactly for equal values.
#ifndef REPORTDATA_SERVICES_COMPARE_H_
#define REPORTDATA_SERVICES_COMPARE_H_

#include <vector>

#include "reportdata/records.h"

namespace reportdata {

// -1, 0 or 1 by the code points of the two texts; a prefix comes first.
int CompareText(const CString& a, const CString& b);

// Element by element by var, name and value; a list that is a prefix of the
// other comes first.
int CompareCategoryLists(const std::vector<SNYTJFenLeiVarDescInfo>& a,
                         const std::vector<SNYTJFenLeiVarDescInfo>& b);

// By code, name, unit, then the category lists.
int CompareFeature(const SNYTJReportDEFeature& a, const SNYTJReportDEFeature& b);

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_COMPARE_H_
