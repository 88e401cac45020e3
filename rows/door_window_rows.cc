// Door and window rows of layouts A and B.
#include "rows/door_window_rows.h"

#include <string>

#include "areas/sorted_view.h"
#include "keys/number_format.h"
#include "model/natural_order.h"
#include "rows/row_layout.h"

namespace reportdata {
namespace {

constexpr wchar_t kPieces[] = L"个";

std::wstring FloorText(const std::wstring& label) { return label + L"层"; }

// "%d*%d层": the pieces of one storey times the storeys.
std::wstring StoreysText(int count, int num) {
  if (num == 1) return {};
  std::wstring text;
  AppendInt(text, num == 0 ? 0 : count / num);
  text += L'*';
  AppendInt(text, num);
  text += L"层";
  return text;
}

// "1*%d件" for an entry of several pieces.
std::wstring PiecesText(int count) {
  if (count == 1) return {};
  std::wstring text = L"1*";
  AppendInt(text, count);
  text += L"件";
  return text;
}

}  // namespace

void WriteDoorWindowRows(const std::vector<SDoorWindowKind>& kinds,
                         const DoorWindowRowOptions& options, RowWriter& writer) {
  for (const SDoorWindowKind& kind : kinds) {
    if (options.kind != nullptr && kind.kind != *options.kind) continue;
    const int kind_row =
        writer.AddRow(0, {kind.kind, L"", L"", L"", kPieces, FormatInt(kind.Count())});
    const auto types =
        SortedView(kind.types, [](const SDoorWindowType& a, const SDoorWindowType& b) {
          return CompareNatural(a.name, b.name) < 0;
        });
    for (const SDoorWindowType* type : types) {
      const int type_row = writer.AddRow(
          kind_row, {kind.kind, type->name, L"", L"", kPieces, FormatInt(type->Count())});
      for (const SDoorWindowFloor* floor : ByGrade(type->floors)) {
        const int count = floor->Count();
        const std::wstring floor_text = FloorText(floor->label);
        const int floor_row =
            writer.AddRow(type_row, {L"", type->name, floor_text, L"", kPieces, FormatInt(count),
                                     L"", StoreysText(count, floor->num)});
        if (!options.occurrences) continue;
        for (const SDoorWindowPos& entry : options.merge ? floor->merged : floor->all) {
          writer.AddRow(floor_row, {L"", L"", floor_text, entry.position, kPieces,
                                    FormatInt(entry.count), entry.key, PiecesText(entry.count)});
        }
      }
    }
  }
}

void StreamDoorWindows(const std::vector<RegroupedKind>& kinds, std::wstring_view name,
                       CStringArray& out) {
  for (const RegroupedKind& kind : kinds) {
    if (!name.empty() && kind.kind != name) continue;
    AppendCell(out, L"#ZhangFlag#");
    AppendCell(out, kind.kind);
    const auto entries =
        SortedView(kind.entries, [](const RegroupedEntry& a, const RegroupedEntry& b) {
          const int by_type = CompareNatural(a.type_name, b.type_name);
          return by_type != 0 ? by_type < 0 : CompareNatural(a.key, b.key) < 0;
        });
    for (const RegroupedEntry* entry : entries) {
      AppendCell(out, L"#AttNameFlag#");
      AppendCell(out, entry->type_name);
      AppendCell(out, entry->key);
      AppendCell(out, FormatInt(entry->Count()));
      for (const RegroupedFloor* floor : ByGrade(entry->floors)) {
        AppendCell(out, L"#FloorFlag#");
        AppendCell(out, FloorText(floor->label));
        AppendCell(out, FormatInt(floor->Count()));
      }
    }
  }
}

}  // namespace reportdata
