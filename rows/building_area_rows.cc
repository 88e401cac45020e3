// Building-area rows of layouts A and B.
#include "rows/building_area_rows.h"

#include <string>

#include "keys/floor_text.h"
#include "keys/number_format.h"
#include "rows/row_layout.h"

namespace reportdata {
namespace {

constexpr wchar_t kUnit[] = L"m2";
constexpr wchar_t kMainName[] = L"主体建筑面积";
constexpr wchar_t kBalconyName[] = L"阳台建筑面积";

std::wstring FloorText(const SAreaFloorItem& floor) { return floor.label + L"层"; }

// "%f*%d层": the one-storey quantity times the storeys.
std::wstring StoreysText(double one_storey, int num) {
  std::wstring text = FormatQuantity(one_storey);
  text += L'*';
  AppendInt(text, num);
  text += L"层";
  return text;
}

void WriteItemRows(const std::vector<SAreaItem>& items, const wchar_t* kind, int num, int parent,
                   RowWriter& writer) {
  for (const SAreaItem& item : items) {
    const double one_storey = LeadingDouble(item.quantity);
    writer.AddRow(parent, {L"", L"", kind, kUnit, FormatQuantity(one_storey * num), item.formula,
                           num != 1 ? StoreysText(one_storey, num) : std::wstring()});
  }
}

}  // namespace

void WriteBuildingAreaRows(const CAreaSummaryTable& table, RowWriter& writer) {
  const int total = writer.AddRow(0, {table.name(), L"", L"", kUnit, FormatQuantity(table.Area())});
  for (const SAreaFloorItem* floor : table.SortedFloors()) {
    const int row = writer.AddRow(
        total, {table.name(), FloorText(*floor), L"", kUnit, FormatQuantity(floor->Area())});
    WriteItemRows(floor->mainItems, kMainName, floor->num, row, writer);
    WriteItemRows(floor->balconyItems, kBalconyName, floor->num, row, writer);
  }
}

void StreamBuildingArea(const CAreaSummaryTable& table, CStringArray& out) {
  AppendCell(out, L"#ZhangFlag#");
  AppendCell(out, table.name());
  double main = 0.0, balcony = 0.0;
  double below = 0.0, below_main = 0.0, below_balcony = 0.0;
  double above = 0.0, above_main = 0.0, above_balcony = 0.0;
  for (const SAreaFloorItem& floor : table.floors()) {
    const double floor_main = floor.MainArea();
    const double floor_balcony = floor.BalconyArea();
    main += floor_main;
    balcony += floor_balcony;
    if (IsBelowGround(floor.label)) {
      below += floor_main + floor_balcony;
      below_main += floor_main;
      below_balcony += floor_balcony;
    } else {
      above += floor_main + floor_balcony;
      above_main += floor_main;
      above_balcony += floor_balcony;
    }
  }
  for (double total : {table.Area(), main, balcony, below, below_main, below_balcony, above,
                       above_main, above_balcony}) {
    AppendCell(out, FormatQuantity(total));
  }
  for (const SAreaFloorItem* floor : table.SortedFloors()) {
    const double floor_main = floor->MainArea();
    const double floor_balcony = floor->BalconyArea();
    AppendCell(out, L"#FloorFlag#");
    AppendCell(out, FloorText(*floor));
    AppendCell(out, FormatQuantity(floor->Area()));
    AppendCell(out, L"#RecordFlag#");
    AppendCell(out, FormatQuantity(floor_main));
    AppendCell(out, FormatQuantity(floor_balcony));
    std::wstring storeys;
    if (floor->num != 1) {
      // "%.2f×%d层": the area of one storey.
      AppendFixed(storeys, floor->StoreyArea(), 2);
      storeys += L'×';
      AppendInt(storeys, floor->num);
      storeys += L"层";
    }
    AppendCell(out, storeys);
  }
}

}  // namespace reportdata
