// Quantities and texts of report tree nodes.
#include "model/tree_quantity.h"

#include "keys/floor_text.h"
#include "keys/number_format.h"

namespace reportdata {

const PartitionShare* FindShare(const SQdRecordNode& record, std::wstring_view partition) {
  for (const PartitionShare& share : record.partitions) {
    if (share.name == partition) return &share;
  }
  return nullptr;
}

bool RecordVisible(const SQdRecordNode& record, std::wstring_view partition) {
  return partition.empty() || FindShare(record, partition) != nullptr;
}

double PieceQuantity(const SQdRecordNode& record, std::wstring_view partition) {
  if (partition.empty()) return record.quantity;
  const PartitionShare* share = FindShare(record, partition);
  return share ? share->quantity : 0.0;
}

double RecordQuantity(const SQdRecordNode& record, std::wstring_view partition) {
  return record.count * PieceQuantity(record, partition);
}

std::wstring RecordFormula(const SQdRecordNode& record, std::wstring_view partition) {
  if (record.count == 1) return record.formula;
  std::wstring out;
  AppendFixed(out, PieceQuantity(record, partition), 2);
  out += L'*';
  AppendInt(out, record.count);
  out += L"件";
  return out;
}

ComponentSum SumComponent(const SQdCompNode& component, std::wstring_view partition) {
  ComponentSum sum;
  for (const SQdRecordNode& record : component.records) {
    if (!RecordVisible(record, partition)) continue;
    sum.visible = true;
    sum.quantity += RecordQuantity(record, partition);
  }
  return sum;
}

void FloorSum::Add(const SQdCompNode& component, const ComponentSum& sum) {
  if (!sum.visible) return;
  visible = true;
  if (IsFacadeTypePath(component.type_path)) {
    facade += sum.quantity;
  } else {
    per_floor += sum.quantity;
  }
}

std::wstring BillFloorFormula(int floor_count, const FloorSum& sum) {
  std::wstring out;
  if (floor_count <= 1) return out;
  AppendFixed(out, sum.per_floor, 2);
  out += L'*';
  AppendInt(out, floor_count);
  out += L'层';
  if (sum.facade != 0.0) {
    out += L'+';
    AppendFixed(out, sum.facade, 2);
  }
  return out;
}

std::wstring QuotaByFloorFormula(int floor_count, const FloorSum& sum) {
  std::wstring out;
  if (floor_count <= 1) return out;
  if (sum.facade > 0.01) {
    if (sum.per_floor > 0.01) {
      AppendFixed(out, sum.per_floor, 3);
      out += L'*';
      AppendInt(out, floor_count);
      out += L"层+";
      AppendFixed(out, sum.facade, 3);
    }
    return out;
  }
  return PerFloorFormula(floor_count, sum.per_floor);
}

std::wstring PerFloorFormula(int floor_count, double per_floor) {
  std::wstring out;
  if (floor_count <= 1) return out;
  AppendFixed(out, per_floor, 3);
  out += L'*';
  AppendInt(out, floor_count);
  out += L'层';
  return out;
}

namespace {

std::wstring IndentLineBreaks(std::wstring text) {
  static constexpr std::wstring_view kIndent = L"\n                 ";  // 17 blanks
  std::wstring out;
  out.reserve(text.size() + 18);
  for (wchar_t ch : text) {
    if (ch == L'\n') {
      out += kIndent;
    } else {
      out += ch;
    }
  }
  return out;
}

}  // namespace

std::wstring BillItemText(const SQdItemNode& item) {
  std::wstring text = item.code;
  text.append(L"  ").append(item.name).append(L"\n").append(item.feature);
  return IndentLineBreaks(std::move(text));
}

std::wstring QuotaItemText(std::wstring_view code, std::wstring_view name,
                           const std::vector<SNYTJFenLeiVarDescInfo>& categories) {
  std::wstring text(code);
  text.append(L"  ").append(name).append(L"\n").append(CategoryText(categories));
  return IndentLineBreaks(std::move(text));
}

std::wstring CategoryText(const std::vector<SNYTJFenLeiVarDescInfo>& categories) {
  std::wstring text;
  for (const SNYTJFenLeiVarDescInfo& category : categories) {
    if (!text.empty()) text += L';';
    text.append(category.name.str()).append(L":").append(category.value.str());
  }
  return text;
}

std::string_view FirstPosition(std::string_view positions) {
  return positions.substr(0, positions.find('$'));
}

}  // namespace reportdata
