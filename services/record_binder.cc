#include "services/record_binder.h"

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

#include "services/packed_texts.h"

namespace reportdata {
namespace {

// Interchange names of the record's members, in column order.
constexpr std::array<std::string_view, kRecordFieldCount> kMembers = {
    "id",        "billCode",   "billName",  "billUnit",      "description",
    "quantity",  "subType",    "typePath",  "componentName", "position",
    "handle",    "grade",      "floor",     "kind",          "subCode",
    "quotaCode", "quotaName",  "quotaUnit", "room",          "place",
    "place2",    "partitions", "feature",   "categories",    "quotaFeatures",
    "extra",     "calcItem"};

// Packs a list of objects entry by entry: the entries' keys in field order,
// `entry` between entries and `field` between fields; every key but the last
// holds a text, and pack_last packs the last one.
template <typename PackLast>
void PackList(const Json& list, const Place& place, std::initializer_list<std::string_view> keys,
              char entry, char field, PackWriter& out, PackLast&& pack_last) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    const Place at = place.Index(i);
    CheckObject(list[i], at, keys);
    if (i > 0) out.Separator(entry);
    for (auto key = keys.begin(); key + 1 != keys.end(); ++key) {
      out.Text(TextMember(list[i], key->data(), at));
      out.Separator(field);
    }
    pack_last(list[i], at, keys.end()[-1].data());
  }
}

void PackCategories(const Json& list, const Place& place, PackWriter& out) {
  PackList(list, place, {"var", "name", "value"}, kPackEntry, kPackField, out,
           [&](const Json& value, const Place& at, const char* key) {
             out.Text(TextMember(value, key, at));
           });
}

}  // namespace

void RecordBinder::Bind(const Json& record, const Place& place, SqliteStatement& statement,
                        int first) {
  CheckIsObject(record, place);
  texts_.fill({});
  long long id = 0;
  for (const auto& [key, value] : record.items()) {
    int column = 0;
    while (column < kRecordFieldCount && kMembers[column] != key) ++column;
    const Place member = place.Key(key);
    if (column == kRecordFieldCount) Refuse(member, "unknown key");
    if (column == kFieldId) {
      id = IntMember(record, "id", place, 0);
      continue;
    }
    std::string_view& text = texts_[column - 1];
    switch (column) {
      case kFieldQuantity:
        text = QuantityValue(value, member);
        break;
      case kFieldPartitions:
      case kFieldCategories:
      case kFieldQuotaFeatures:
        CheckArray(value, member);
        text = PackColumn(column, value, member);
        break;
      default:
        text = TextValue(value, member);
        break;
    }
  }
  // A key text or a list stands as its number.
  for (int field = kFieldId + 1; field < kRecordFieldCount; ++field) {
    KeyTextNumbers* numbers = IsKeyField(field)    ? &key_texts_
                              : IsListField(field) ? &key_lists_
                                                   : nullptr;
    if (numbers == nullptr) continue;
    std::string_view& text = texts_[field - 1];
    std::string& number = numbers_[field - 1];
    number.clear();
    AppendPackedNumber(numbers->Number(text), number);
    text = number;
  }
  PackTexts(texts_, blob_);
  statement.BindInt(first, id);
  statement.BindBlob(first + 1, blob_);
}

const std::string& RecordBinder::PackColumn(int column, const Json& list, const Place& place) {
  if (column == kFieldCategories) {
    categories_.Clear();
    PackCategories(list, place, categories_);
    return categories_.str();
  }
  if (column == kFieldPartitions) {
    partitions_.Clear();
    PackList(list, place, {"name", "formula", "quantity"}, kPackEntry, kPackField, partitions_,
             [&](const Json& value, const Place& at, const char* key) {
               partitions_.Number(NumberMember(value, key, at));
             });
    return partitions_.str();
  }
  // The feature's categories are its last field; their separators lie below
  // the feature's, so they go in unescaped.
  features_.Clear();
  PackList(list, place, {"code", "name", "unit", "categories"}, kPackFeature, kPackFeatureField,
           features_, [&](const Json& value, const Place& at, const char* key) {
             if (const Json* categories = ArrayMember(value, key, at)) {
               PackCategories(*categories, at.Key(key), features_);
             }
           });
  return features_.str();
}

}  // namespace reportdata
