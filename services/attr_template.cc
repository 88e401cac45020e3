// The built-in attribute-template service: the display order of component
// categories, from the table "category_order.json" of the system directory.
// A category the table does not list sorts after every listed one.
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>

#include "platform/text.h"
#include "services/attr_template.h"
#include "services/builtins.h"
#include "services/paths.h"

namespace reportdata {

CategoryOrderTable CategoryOrderTable::Load(const std::wstring& system_dir) {
  CategoryOrderTable table;
  std::ifstream in(NativePath(system_dir) + "/category_order.json", std::ios::binary);
  if (!in) return table;
  const nlohmann::json doc = nlohmann::json::parse(in, nullptr, false);
  if (!doc.is_object() || !doc.contains("categories") || !doc["categories"].is_array()) {
    return table;
  }
  int order = 0;
  for (const nlohmann::json& name : doc["categories"]) {
    ++order;
    if (name.is_string())
      table.orders_.emplace(FromUtf8(name.get_ref<const std::string&>()), order);
  }
  return table;
}

int CategoryOrderTable::Order(std::wstring_view category) const {
  const auto found = orders_.find(category);
  return found == orders_.end() ? kUnlistedCategoryOrder : found->second;
}

namespace {

// Reads the table of the current system directory, again whenever the
// system directory changes.
class BuiltinAttrTemplate : public IAttrTemplate, public IAttrTempDirector {
 public:
  IAttrTemplate* GetTemplate() override { return this; }

  int GetCategoryOrder(const CString& category) override {
    const CString dir = ISysCache::GetNYSysDir();
    if (!loaded_ || dir.str() != dir_) {
      dir_ = dir.str();
      table_ = CategoryOrderTable::Load(dir_);
      loaded_ = true;
    }
    return table_.Order(category.str());
  }

 private:
  bool loaded_ = false;
  std::wstring dir_;
  CategoryOrderTable table_;
};

}  // namespace

std::shared_ptr<IAttrTempDirector> MakeBuiltinAttrTempDirector() {
  return std::make_shared<BuiltinAttrTemplate>();
}

}  // namespace reportdata
