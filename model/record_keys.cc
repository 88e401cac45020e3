#include "model/record_keys.h"

#include "model/tree_insert.h"
#include "platform/text.h"

namespace reportdata {

RecordKeys KeysOf(const TJQd& record) {
  RecordKeys keys;
  keys.bill_code = record.billCode.str();
  keys.bill_name = record.billName.str();
  keys.bill_unit = record.billUnit.str();
  keys.feature = record.feature.str();
  keys.quota_code = record.quotaCode.str();
  keys.quota_name = record.quotaName.str();
  keys.quota_unit = record.quotaUnit.str();
  keys.floor = record.floor.str();
  keys.component_name = record.componentName.str();
  keys.type_path = record.typePath.str();
  keys.sub_type = record.subType.str();
  keys.sub_code = record.subCode.str();
  keys.description = record.description.str();
  keys.description_cut = CutAtBars(record.description.str());
  keys.position = ToUtf8(record.position.str());
  keys.handle = ToUtf8(record.handle.str());
  return keys;
}

void KeysOf(const SNYTJQdDeClassResult& entry, EntryKeys& keys) {
  keys.bill = KeysOf(entry.bill);
  keys.quotas.resize(entry.quotas.size());
  for (size_t i = 0; i < entry.quotas.size(); ++i) keys.quotas[i] = KeysOf(entry.quotas[i]);
}

EntryKeys KeysOf(const SNYTJQdDeClassResult& entry) {
  EntryKeys keys;
  KeysOf(entry, keys);
  return keys;
}

}  // namespace reportdata
