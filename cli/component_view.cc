#include "cli/component_view.h"

#include <cstdio>

#include "cli/flat_table.h"
#include "platform/text.h"
#include "reportdata/facades.h"

namespace reportdata::cli {
namespace {

// The flat table of the flagged stream: "#ZhangFlag#" category;
// "#FloorFlag#" floor, pieces, storeys; "#RecordFlag#" name, pieces, type,
// storeys ("%d×%d" when the floor stands for several storeys). A floor line
// has no component.
FlatTable FoldStream(const CStringArray& stream) {
  FlatTable table = {{"构件类别", "楼层", "构件", "规格", "计算式", "数量"}};
  std::string category;
  std::string floor;
  const INT_PTR size = stream.GetSize();
  auto cell = [&](INT_PTR i) { return i < size ? ToUtf8(stream[i].str()) : std::string(); };
  for (INT_PTR i = 0; i < size; ++i) {
    const std::wstring_view flag = stream[i].str();
    if (flag == L"#ZhangFlag#") {
      category = cell(++i);
    } else if (flag == L"#FloorFlag#") {
      floor = cell(i + 1);
      table.push_back({category, floor, "", "", cell(i + 3), cell(i + 2)});
      i += 3;
    } else if (flag == L"#RecordFlag#") {
      table.push_back({category, floor, cell(i + 1), cell(i + 3), cell(i + 4), cell(i + 2)});
      i += 4;
    }
  }
  return table;
}

}  // namespace

bool IsComponentView(std::string_view name) { return name == "构件表" || name == "CompTable"; }

std::string ShowComponentTable(const ProjectDir& dir, bool bill_side, const std::string& category,
                               Format format) {
  ReloadSide(dir, bill_side, "CompTable.xml", "component table");
  CStringArray stream;
  const CString wanted(FromUtf8(category));
  if (bill_side) {
    CInterQingDan::GetGJHZ(wanted, stream);
  } else {
    DeTable1::GetGJHZ(wanted, stream);
  }
  const FlatTable table = FoldStream(stream);
  if (format == Format::kJson) {
    static constexpr std::string_view kKeys[] = {"category", "floor",   "component",
                                                 "type",     "storeys", "pieces"};
    WriteFlatJson(stdout, "CompTable", kKeys, table);
    return "";
  }
  if (format == Format::kCsv) return RenderFlatCsv(table);
  return RenderFlatText("构件表", table);
}

}  // namespace reportdata::cli
