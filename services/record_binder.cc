#include "services/record_binder.h"

#include <array>
#include <string_view>

#include "services/cal_schema.h"

namespace reportdata {
namespace {

// Interchange names of the record's members, in column order.
constexpr std::array<std::string_view, kRecordColumnCount> kMembers = {
    "id",        "billCode",   "billName",  "billUnit",      "description",
    "quantity",  "subType",    "typePath",  "componentName", "position",
    "handle",    "grade",      "floor",     "kind",          "subCode",
    "quotaCode", "quotaName",  "quotaUnit", "room",          "place",
    "place2",    "partitions", "feature",   "categories",    "quotaFeatures",
    "extra",     "calcItem"};

constexpr int kIdColumn = 0;
constexpr int kQuantityColumn = 5;
constexpr int kPartitionsColumn = 21;
constexpr int kCategoriesColumn = 23;
constexpr int kQuotaFeaturesColumn = 24;

}  // namespace

void RecordBinder::Bind(const Json& record, const Place& place, SqliteStatement& statement,
                        int first) {
  CheckIsObject(record, place);
  for (int column = 0; column < kRecordColumnCount; ++column) {
    if (column != kIdColumn) statement.BindText(first + column, {});
  }
  statement.BindInt(first + kIdColumn, 0);
  for (const auto& [key, value] : record.items()) {
    int column = 0;
    while (column < kRecordColumnCount && kMembers[column] != key) ++column;
    const Place member = place.Key(key);
    if (column == kRecordColumnCount) Refuse(member, "unknown key");
    switch (column) {
      case kIdColumn:
        statement.BindInt(first + column, IntMember(record, "id", place, 0));
        break;
      case kQuantityColumn:
        statement.BindText(first + column, QuantityValue(value, member));
        break;
      case kPartitionsColumn:
        CheckArray(value, member);
        PackPartitions(value, member);
        statement.BindText(first + column, partitions_.str());
        break;
      case kCategoriesColumn:
        CheckArray(value, member);
        categories_.Clear();
        PackCategories(value, member, categories_);
        statement.BindText(first + column, categories_.str());
        break;
      case kQuotaFeaturesColumn:
        CheckArray(value, member);
        PackQuotaFeatures(value, member);
        statement.BindText(first + column, features_.str());
        break;
      default:
        statement.BindText(first + column, TextValue(value, member));
        break;
    }
  }
}

void RecordBinder::PackPartitions(const Json& list, const Place& place) {
  partitions_.Clear();
  for (std::size_t i = 0; i < list.size(); ++i) {
    const Place entry = place.Index(i);
    CheckObject(list[i], entry, {"name", "formula", "quantity"});
    if (i > 0) partitions_.Separator(kPackEntry);
    partitions_.Text(TextMember(list[i], "name", entry));
    partitions_.Separator(kPackField);
    partitions_.Text(TextMember(list[i], "formula", entry));
    partitions_.Separator(kPackField);
    partitions_.Number(NumberMember(list[i], "quantity", entry));
  }
}

void RecordBinder::PackCategories(const Json& list, const Place& place, PackWriter& out) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    const Place entry = place.Index(i);
    CheckObject(list[i], entry, {"var", "name", "value"});
    if (i > 0) out.Separator(kPackEntry);
    out.Text(TextMember(list[i], "var", entry));
    out.Separator(kPackField);
    out.Text(TextMember(list[i], "name", entry));
    out.Separator(kPackField);
    out.Text(TextMember(list[i], "value", entry));
  }
}

void RecordBinder::PackQuotaFeatures(const Json& list, const Place& place) {
  features_.Clear();
  for (std::size_t i = 0; i < list.size(); ++i) {
    const Place entry = place.Index(i);
    CheckObject(list[i], entry, {"code", "name", "unit", "categories"});
    if (i > 0) features_.Separator(kPackFeature);
    features_.Text(TextMember(list[i], "code", entry));
    features_.Separator(kPackFeatureField);
    features_.Text(TextMember(list[i], "name", entry));
    features_.Separator(kPackFeatureField);
    features_.Text(TextMember(list[i], "unit", entry));
    features_.Separator(kPackFeatureField);
    // The feature's categories are its last field; their separators lie
    // below the feature's, so they go in unescaped.
    if (const Json* categories = ArrayMember(list[i], "categories", entry)) {
      PackCategories(*categories, entry.Key("categories"), features_);
    }
  }
}

}  // namespace reportdata
