#include "services/import_sink.h"

#include <array>

namespace reportdata {
namespace {

constexpr std::array<std::string_view, 13> kLists = {
    "partitions",   "floors",         "classified",        "looseQuotas",
    "otherItems",   "quotaResults",   "otherQuotaResults", "doorsWindows",
    "floorAreas",   "componentIndex", "quotaPrices",       "billChapters",
    "quotaChapters"};

// The libraries of a project whose file names none.
NS_NYProject::SBillQuotaLibInfo DefaultBillLibrary() {
  return {L"房屋建筑与装饰工程工程量计算规范", L"GB50854-2013", L"全国", L"2013"};
}

NS_NYProject::SBillQuotaLibInfo DefaultQuotaLibrary() {
  return {L"土建工程消耗量定额(示例)", L"DE-TJ-2024", L"示例", L"2024"};
}

}  // namespace

bool InterchangeSink::IsList(std::string_view key) const {
  for (std::string_view list : kLists) {
    if (list == key) return true;
  }
  return false;
}

bool InterchangeSink::IsKnown(std::string_view key) const {
  return key == "version" || key == "project" || IsList(key);
}

void InterchangeSink::Member(std::string_view key, const Json& value) {
  const Place place = kFileRoot.Key(key);
  if (key == "project") {
    project_ = ParseProject(value, place);
    return;
  }
  if (!value.is_number_integer() || value.get<long long>() != kInterchangeVersion) {
    Refuse(place, "unsupported version " + value.dump() + ", expected 1");
  }
}

void InterchangeSink::Element(std::string_view list, std::size_t index, const Json& value) {
  const Place parent = kFileRoot.Key(list);
  const Place place = parent.Index(index);
  if (list == "classified") {
    ClassifiedEntry(RecordTable::kClassified, value, place);
  } else if (list == "otherItems") {
    ClassifiedEntry(RecordTable::kOtherItem, value, place);
  } else if (list == "looseQuotas" || list == "quotaResults" || list == "otherQuotaResults") {
    const RecordTable table = list == "looseQuotas"    ? RecordTable::kLooseQuota
                              : list == "quotaResults" ? RecordTable::kQuotaResult
                                                       : RecordTable::kOtherQuotaResult;
    writer_.AddRecord(table, value, place);
    ++records_;
  } else if (list == "partitions") {
    writer_.AddPartition(TextValue(value, place), place);
  } else if (list == "floors") {
    writer_.AddFloor(TextValue(value, place), place);
  } else if (list == "doorsWindows") {
    writer_.AddDoorWindow(value, place);
  } else if (list == "floorAreas") {
    writer_.AddFloorArea(value, place);
  } else if (list == "componentIndex") {
    writer_.AddCompIndex(value, place);
  } else if (list == "quotaPrices") {
    writer_.AddPrice(value, place);
  } else {
    writer_.AddChapter(list == "billChapters", value, place);
  }
}

void InterchangeSink::ClassifiedEntry(RecordTable table, const Json& value, const Place& place) {
  CheckObject(value, place, {"bill", "quotas"});
  const auto bill = value.find("bill");
  if (bill == value.end()) Refuse(place.Key("bill"), "required but missing");
  writer_.AddClassified(table, kRoleBill, *bill, place.Key("bill"));
  ++records_;
  if (const Json* quotas = ArrayMember(value, "quotas", place)) {
    const Place quota_list = place.Key("quotas");
    for (std::size_t i = 0; i < quotas->size(); ++i) {
      writer_.AddClassified(table, kRoleQuota, (*quotas)[i], quota_list.Index(i));
      ++records_;
    }
  }
}

ProjectDescription InterchangeSink::Finish(const std::set<std::string, std::less<>>& seen) {
  for (const char* required : {"project", "classified"}) {
    if (!seen.contains(required)) Refuse(kFileRoot.Key(required), "required but missing");
  }
  writer_.SetMeta(kMetaQuotaResults,
                  seen.contains("quotaResults") ? kSourceStored : kSourceClassified);
  writer_.SetMeta(kMetaOtherQuotaResults,
                  seen.contains("otherQuotaResults") ? kSourceStored : kSourceOtherItems);
  ProjectDescription project = std::move(*project_);
  if (!project.billLibrary) project.billLibrary = DefaultBillLibrary();
  if (!project.quotaLibrary) project.quotaLibrary = DefaultQuotaLibrary();
  return project;
}

}  // namespace reportdata
