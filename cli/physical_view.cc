#include "cli/physical_view.h"

#include <cstdio>
#include <map>

#include "cli/flat_table.h"
#include "cli/json_writer.h"
#include "platform/text.h"
#include "reportdata/facades.h"

namespace reportdata::cli {
namespace {

constexpr PhysicalView kViews[] = {
    {"混凝土按楼层", "concrete-floor", PhysicalKind::kByFloor},
    {"混凝土按楼层分区", "concrete-floor-partition", PhysicalKind::kByFloorPartition},
    {"混凝土按分区楼层", "concrete-partition-floor", PhysicalKind::kByPartitionFloor},
    {"装饰按类别", "decoration", PhysicalKind::kDecoration},
};

// One summary row: its name, the floor or partition it belongs to, entries.
struct SummaryRow {
  std::string name;
  std::string scope;
  const std::vector<SWLReportEntryInfo>* entries;
};

std::string U8(const CString& text) { return ToUtf8(text.str()); }

// Text and CSV list a group, its items and their grades one per line.
FlatTable FlattenSummary(const std::vector<SummaryRow>& rows, const char* scope_title) {
  FlatTable table = {{"行", scope_title, "构件类别", "构件", "砼标号", "工程量(m3)"}};
  for (const SummaryRow& row : rows) {
    if (row.entries->empty()) table.push_back({row.name, row.scope, "", "", "", ""});
    for (const SWLReportEntryInfo& group : *row.entries) {
      table.push_back({row.name, row.scope, U8(group.name), "", "", U8(group.quantity)});
      for (const SWLReportEntryInfo& item : group.items) {
        table.push_back(
            {row.name, row.scope, U8(group.name), U8(item.name), "", U8(item.quantity)});
        for (const SWLReportGradeInfo& grade : item.grades) {
          table.push_back({row.name, row.scope, U8(group.name), U8(item.name), U8(grade.grade),
                           U8(grade.quantity)});
        }
      }
    }
  }
  return table;
}

void WriteEntries(JsonWriter& json, const std::vector<SWLReportEntryInfo>& entries) {
  json.BeginArray();
  for (const SWLReportEntryInfo& entry : entries) {
    json.BeginObject();
    json.Field("name", U8(entry.name));
    json.Key("quantity").Number(U8(entry.quantity));
    json.Key("order").Int(entry.order);
    if (!entry.items.empty()) {
      WriteEntries(json.Key("items"), entry.items);
    }
    if (!entry.grades.empty()) {
      json.Key("grades").BeginArray();
      for (const SWLReportGradeInfo& grade : entry.grades) {
        json.BeginObject(true);
        json.Field("grade", U8(grade.grade));
        json.Key("quantity").Number(U8(grade.quantity));
        json.EndObject();
      }
      json.EndArray();
    }
    json.EndObject();
  }
  json.EndArray();
}

// Asks one concrete summary and renders its rows; Scope is the field that
// names the floor or partition a row belongs to. JSON is written straight
// to standard output; the returned text is empty.
template <typename Row, CString Row::*Scope>
std::string ShowSummary(void (*query)(CArray<Row>&, std::map<CString, CString>&,
                                      const SWLReportInputInfo&),
                        const PhysicalView& view, const SWLReportInputInfo& input,
                        const char* scope_key, const char* scope_title, Format format) {
  CArray<Row> answer;
  std::map<CString, CString> grades;
  query(answer, grades, input);
  std::vector<SummaryRow> rows;
  for (const Row& row : answer) rows.push_back({U8(row.name), U8(row.*Scope), &row.entries});
  if (format != Format::kJson) {
    const FlatTable table = FlattenSummary(rows, scope_title);
    return format == Format::kCsv ? RenderFlatCsv(table)
                                  : RenderFlatText(std::string(view.name), table);
  }
  JsonWriter json(stdout, true);
  json.BeginObject();
  json.Field("view", view.stem);
  json.Key("grades").BeginArray(true);
  for (const auto& grade : grades) json.String(U8(grade.first));
  json.EndArray();
  json.Key("rows").BeginArray();
  for (const SummaryRow& row : rows) {
    json.BeginObject();
    json.Field("name", row.name);
    json.Field(scope_key, row.scope);
    WriteEntries(json.Key("entries"), *row.entries);
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
  json.Flush();
  std::fputs("\n", stdout);
  return "";
}

SWLReportInputInfo InputOf(const PhysicalRequest& request) {
  SWLReportInputInfo input;
  input.fromBill = request.bill_side;
  for (const std::string& floor : request.floors) input.floors.Add(CString(FromUtf8(floor)));
  for (const std::string& path : request.type_paths) input.typePaths.Add(CString(FromUtf8(path)));
  return input;
}

}  // namespace

const PhysicalView* FindPhysicalView(std::string_view name) {
  for (const PhysicalView& view : kViews) {
    if (view.name == name || view.stem == name) return &view;
  }
  return nullptr;
}

std::string PhysicalViewNames() {
  std::string names;
  for (const PhysicalView& view : kViews) {
    if (!names.empty()) names += ", ";
    names += std::string(view.name) + " (" + std::string(view.stem) + ")";
  }
  return names;
}

std::string ShowPhysicalView(const ProjectDir& dir, const PhysicalView& view,
                             const PhysicalRequest& request) {
  ReloadSide(dir, request.bill_side, request.bill_side ? "TongTableqd.xml" : "TongTablede.xml",
             "physical-quantity tables");
  if (view.kind == PhysicalKind::kDecoration)
    RequireIntactTableFile(dir, request.bill_side ? "DecTableqd.xml" : "DecTablede.xml");
  const SWLReportInputInfo input = InputOf(request);
  switch (view.kind) {
    case PhysicalKind::kByFloor:
      return ShowSummary<SWLReportFloorInfo, &SWLReportFloorInfo::floorText>(
          &CInterQingDan::GetSWLInfoByFloor, view, input, "floor", "楼层", request.format);
    case PhysicalKind::kByFloorPartition:
      return ShowSummary<SWLReportFloorFenQuInfo, &SWLReportFloorFenQuInfo::floorText>(
          &CInterQingDan::GetSWLInfoByFloorFenQu, view, input, "floor", "楼层", request.format);
    case PhysicalKind::kByPartitionFloor:
      return ShowSummary<SWLReportFenQuFloorInfo, &SWLReportFenQuFloorInfo::partition>(
          &CInterQingDan::GetSWLInfoByFenQufloor, view, input, "partition", "分区", request.format);
    case PhysicalKind::kDecoration:
      break;
  }
  CArray<SWLReportDecSmallInfo> answer;
  std::map<int, CString> kinds;
  CInterQingDan::GetSWLInfoByDec(answer, kinds, input);
  FlatTable table = {{"类别", "楼层", "做法", "房间", "工程量(m2)"}};
  for (const SWLReportDecSmallInfo& row : answer) {
    table.push_back(
        {U8(row.kind), U8(row.floor), U8(row.attribute), U8(row.room), U8(row.quantity)});
  }
  if (request.format == Format::kCsv) return RenderFlatCsv(table);
  if (request.format == Format::kText) return RenderFlatText(std::string(view.name), table);
  static constexpr std::string_view kKeys[] = {"kind", "floor", "attribute", "room", "quantity"};
  WriteFlatJson(stdout, view.stem, kKeys, table);
  return "";
}

}  // namespace reportdata::cli
