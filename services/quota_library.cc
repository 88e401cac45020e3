#include "services/quota_library.h"

#include <fstream>
#include <nlohmann/json.hpp>

#include "platform/text.h"
#include "services/paths.h"

namespace reportdata {
namespace {

bool IsText(const nlohmann::json& object, const char* name) {
  return object.is_object() && object.contains(name) && object[name].is_string();
}

std::wstring Text(const nlohmann::json& object, const char* name) {
  return FromUtf8(object[name].get_ref<const std::string&>());
}

}  // namespace

std::unique_ptr<LibraryTable> LoadLibraryTable(const std::wstring& system_dir,
                                               const std::wstring& key) {
  if (key.empty() || key.find_first_of(L"/\\") != std::wstring::npos ||
      key.find(L"..") != std::wstring::npos) {
    return nullptr;
  }
  std::ifstream in(NativePath(system_dir) + "/libraries/" + ToUtf8(key) + ".json",
                   std::ios::binary);
  if (!in) return nullptr;
  const nlohmann::json doc = nlohmann::json::parse(in, nullptr, false);
  if (!IsText(doc, "key") || !IsText(doc, "kind") || !IsText(doc, "name") ||
      !doc.contains("chapters") || !doc["chapters"].is_array()) {
    return nullptr;
  }
  auto table = std::make_unique<LibraryTable>();
  table->key = Text(doc, "key");
  table->kind = Text(doc, "kind");
  table->name = Text(doc, "name");
  for (const nlohmann::json& chapter : doc["chapters"]) {
    if (!IsText(chapter, "prefix") || !IsText(chapter, "name") || !IsText(chapter, "orderId")) {
      return nullptr;
    }
    table->chapters.Add(Text(chapter, "prefix"),
                        Chapter{Text(chapter, "name"), Text(chapter, "orderId")});
  }
  return table;
}

}  // namespace reportdata
