// Display order of component categories (墙, 梁, 板.楼梯 …) as the system
// directory's "category_order.json" lists them.
#ifndef REPORTDATA_SERVICES_ATTR_TEMPLATE_H_
#define REPORTDATA_SERVICES_ATTR_TEMPLATE_H_

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace reportdata {

// Order of a category the table does not list: after every listed one.
inline constexpr int kUnlistedCategoryOrder = 10000;

class CategoryOrderTable {
 public:
  // The table of a system directory; empty when its file is missing or
  // unreadable, so that every category is unlisted.
  static CategoryOrderTable Load(const std::wstring& system_dir);

  // 1 for the first listed category, kUnlistedCategoryOrder for others.
  int Order(std::wstring_view category) const;

 private:
  std::map<std::wstring, int, std::less<>> orders_;
};

}  // namespace reportdata

#endif  // REPORTDATA_SERVICES_ATTR_TEMPLATE_H_
