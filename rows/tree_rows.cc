// Floor, component and record rows of the bill and quota tables.
#include "rows/tree_rows.h"

#include "keys/number_format.h"
#include "model/record_instances.h"
#include "model/tree_insert.h"
#include "model/tree_order.h"
#include "model/tree_quantity.h"
#include "platform/text.h"

namespace reportdata {

void Put(CStringArray& out, std::wstring_view text) { out.items().emplace_back(text); }
void Put(CStringArray& out, std::wstring&& text) { out.items().emplace_back(std::move(text)); }
void Put(CStringArray& out, const wchar_t* text) { out.items().emplace_back(text); }

std::wstring FloorText(std::wstring_view floor_text) {
  std::wstring text(floor_text);
  text += L'层';
  return text;
}

std::wstring ComponentHandles(const std::vector<SQdRecordNode>& records,
                              std::wstring_view partition) {
  // The lists are gathered as bytes and decoded in one run: most records
  // hold a few handles, too short for a decoding call each.
  thread_local std::string gathered;
  gathered.clear();
  for (const SQdRecordNode& record : records) {
    if (RecordVisible(record, partition)) gathered += record.handles;
  }
  std::wstring handles;
  AppendFromUtf8(gathered, handles);
  return handles;
}

std::wstring ComponentHandles(const SQdCompNode& component, std::wstring_view partition) {
  return ComponentHandles(component.records, partition);
}

int WriteFloorLevelRow(RowWriter& writer, int parent, bool wide, std::wstring_view text,
                       std::wstring_view floor_text, std::wstring_view unit, double quantity,
                       std::wstring_view formula) {
  const std::wstring amount = FormatQuantity(quantity);
  if (wide) {
    return writer.AddRow(parent,
                         {L"", L"", text, floor_text, L"", L"", unit, amount, L"", formula, L""});
  }
  return writer.AddRow(parent, {L"", text, floor_text, L"", L"", unit, amount, L"", formula, L""});
}

void WriteRecordRows(RowWriter& writer, int parent, std::vector<SQdRecordNode>& records,
                     HashIndex& index, std::wstring_view unit, const RowOptions& options) {
  const std::wstring_view partition = options.filter.partition;
  SortRecords(records, index);
  for (const SQdRecordNode& stored : records) {
    if (!RecordVisible(stored, partition)) continue;
    ForEachRecordRow(stored, options.merge, [&](const SQdRecordNode& record) {
      if (writer.counting()) {
        writer.AddRow(parent, {});
        return;
      }
      const std::wstring amount = FormatQuantity(RecordQuantity(record, partition));
      const std::wstring formula = RecordFormula(record, partition);
      const std::wstring position = FromUtf8(FirstPosition(record.positions));
      const std::wstring_view description = CutAtBars(record.description);
      std::wstring handles = writer.keeps_lists() ? FromUtf8(record.handles) : std::wstring();
      if (options.wide) {
        writer.AddRow(parent,
                      {L"", L"", L"", L"", L"", position, unit, amount, description, formula},
                      std::move(handles));
      } else {
        writer.AddRow(parent, {L"", L"", L"", L"", position, unit, amount, description, formula},
                      std::move(handles));
      }
    });
  }
}

namespace {

// The instance list of a component row: only a writer that keeps the lists
// makes one.
std::wstring ComponentHandlesFor(const RowWriter& writer, const SQdCompNode& component,
                                 std::wstring_view partition) {
  return writer.keeps_lists() ? ComponentHandles(component, partition) : std::wstring();
}

// The components a floor row shows, in row order, with their sums: those the
// floor's match keeps whose records show in the partition. Both layouts list
// the same components.
template <typename Visit>
void ForEachShownComponent(std::vector<SQdCompNode>& components, HashIndex& index,
                           const FloorMatch& match, std::wstring_view partition, Visit&& visit) {
  SortComponents(components, index);
  for (SQdCompNode& component : components) {
    if (!match.Keeps(component.name, component.type_path)) continue;
    const ComponentSum sum = SumComponent(component, partition);
    if (sum.visible) visit(component, sum);
  }
}

}  // namespace

void WriteComponentRows(RowWriter& writer, int parent, std::vector<SQdCompNode>& components,
                        HashIndex& index, const FloorMatch& match, std::wstring_view unit,
                        const RowOptions& options) {
  const std::wstring_view partition = options.filter.partition;
  ForEachShownComponent(
      components, index, match, partition, [&](SQdCompNode& component, const ComponentSum& sum) {
        int row;
        if (writer.counting()) {
          row = writer.AddRow(parent, {});
        } else if (options.wide) {
          row = writer.AddRow(parent,
                              {L"", L"", L"", L"", component.name, L"", unit,
                               FormatQuantity(sum.quantity), L"", L""},
                              ComponentHandlesFor(writer, component, partition));
        } else {
          row = writer.AddRow(
              parent,
              {L"", L"", L"", component.name, L"", unit, FormatQuantity(sum.quantity), L"", L""},
              ComponentHandlesFor(writer, component, partition));
        }
        if (options.records) {
          WriteRecordRows(writer, row, component.records, component.record_index, unit, options);
        }
      });
}

void WriteFloorRows(RowWriter& writer, int item_row, std::wstring_view item_text,
                    std::vector<SQdFloorNode>& floors, FloorIndex& index,
                    const RowOptions& options) {
  SortFloors(floors, index);
  for (SQdFloorNode& floor : floors) {
    const FloorMatch match(options.filter, floor.floor_text);
    const FloorSum sum = SumFloor(floor, match, options.filter.partition);
    if (!sum.visible) continue;
    const int row = writer.counting() ? writer.AddRow(item_row, {})
                                      : WriteFloorLevelRow(writer, item_row, options.wide,
                                                           item_text, FloorText(floor.floor_text),
                                                           floor.unit, sum.Total(floor.count),
                                                           BillFloorFormula(floor.count, sum));
    WriteComponentRows(writer, row, floor.components, floor.component_index, match, floor.unit,
                       options);
  }
}

void StreamRecords(CStringArray& out, std::vector<SQdRecordNode>& records, HashIndex& index,
                   const StreamOptions& options) {
  if (options.records == RecordLine::kNone) return;
  const std::wstring_view partition = options.filter.partition;
  SortRecords(records, index);
  for (const SQdRecordNode& stored : records) {
    if (!RecordVisible(stored, partition)) continue;
    ForEachRecordRow(stored, options.merge, [&](const SQdRecordNode& record) {
      Put(out, L"#RecordFlag#");
      Put(out, FromUtf8(FirstPosition(record.positions)));
      Put(out, FormatQuantity(RecordQuantity(record, partition)));
      if (options.records == RecordLine::kCutDescription) {
        Put(out, CutAtBars(record.description));
      } else if (!partition.empty()) {
        const PartitionShare* share = FindShare(record, partition);
        Put(out, share ? std::wstring_view(share->formula) : std::wstring_view());
      } else {
        Put(out, record.description);
      }
      Put(out, RecordFormula(record, partition));
      Put(out, FromUtf8(record.handles));
    });
  }
}

void StreamComponents(CStringArray& out, std::vector<SQdCompNode>& components, HashIndex& index,
                      const FloorMatch& match, const StreamOptions& options) {
  const std::wstring_view partition = options.filter.partition;
  ForEachShownComponent(components, index, match, partition,
                        [&](SQdCompNode& component, const ComponentSum& sum) {
                          Put(out, L"#AttNameFlag#");
                          Put(out, component.name);
                          Put(out, FormatQuantity(sum.quantity));
                          Put(out, ComponentHandles(component, partition));
                          StreamRecords(out, component.records, component.record_index, options);
                        });
}

void StreamFloors(CStringArray& out, std::vector<SQdFloorNode>& floors, FloorIndex& index,
                  const StreamOptions& options) {
  SortFloors(floors, index);
  for (SQdFloorNode& floor : floors) {
    const FloorMatch match(options.filter, floor.floor_text);
    const FloorSum sum = SumFloor(floor, match, options.filter.partition);
    if (!sum.visible) continue;
    Put(out, L"#FloorFlag#");
    Put(out, FloorText(floor.floor_text));
    Put(out, FormatQuantity(sum.Total(floor.count)));
    Put(out, BillFloorFormula(floor.count, sum));
    StreamComponents(out, floor.components, floor.component_index, match, options);
  }
}

}  // namespace reportdata
