#include "services/compare.h"

#include "services/builtins.h"

namespace reportdata {

int CompareText(const CString& a, const CString& b) {
  const int order = a.str().compare(b.str());
  return (order > 0) - (order < 0);
}

int CompareCategoryLists(const std::vector<SNYTJFenLeiVarDescInfo>& a,
                         const std::vector<SNYTJFenLeiVarDescInfo>& b) {
  const std::size_t common = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < common; ++i) {
    if (int order = CompareText(a[i].var, b[i].var)) return order;
    if (int order = CompareText(a[i].name, b[i].name)) return order;
    if (int order = CompareText(a[i].value, b[i].value)) return order;
  }
  return (a.size() > b.size()) - (a.size() < b.size());
}

int CompareFeature(const SNYTJReportDEFeature& a, const SNYTJReportDEFeature& b) {
  if (int order = CompareText(a.code, b.code)) return order;
  if (int order = CompareText(a.name, b.name)) return order;
  if (int order = CompareText(a.unit, b.unit)) return order;
  return CompareCategoryLists(a.categories, b.categories);
}

namespace {

class BuiltinCompareService : public CompareService {
 public:
  int CompareTwoUnits(const CString& a, const CString& b) override { return CompareText(a, b); }
  int CompareFeatures(const SNYTJReportDEFeature& a, const SNYTJReportDEFeature& b) override {
    return CompareFeature(a, b);
  }
  int CompareCategories(const std::vector<SNYTJFenLeiVarDescInfo>& a,
                        const std::vector<SNYTJFenLeiVarDescInfo>& b) override {
    return CompareCategoryLists(a, b);
  }
};

}  // namespace

std::shared_ptr<CompareService> MakeBuiltinCompareService() {
  return std::make_shared<BuiltinCompareService>();
}

}  // namespace reportdata
