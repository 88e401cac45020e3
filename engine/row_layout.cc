// Layout A header and row numbering.
#include "engine/row_layout.h"

#include <string>

#include "keys/number_format.h"

namespace reportdata {

void AppendHeaderRow(int columns, std::wstring_view condition, CStringArray& rows) {
  AppendCell(rows, L"1");
  AppendCell(rows, L"0");
  AppendCell(rows, condition);
  for (int i = 3; i < columns; ++i) rows.items().emplace_back();
}

RowWriter::RowWriter(int columns, std::wstring_view condition, CStringArray& rows,
                     InstanceLists lists)
    : columns_(columns), lists_(lists), rows_(&rows) {
  AppendHeaderRow(columns, condition, rows);
}

int RowWriter::AddRow(int parent, std::initializer_list<std::wstring_view> cells) {
  if (rows_ == nullptr) return next_id_++;
  const int id = StartRow(parent, cells);
  Pad(static_cast<int>(cells.size()) + 2);
  return id;
}

int RowWriter::AddRow(int parent, std::initializer_list<std::wstring_view> cells,
                      std::wstring&& last) {
  if (rows_ == nullptr) return next_id_++;
  const int id = StartRow(parent, cells);
  AppendCell(*rows_, std::move(last));
  Pad(static_cast<int>(cells.size()) + 3);
  return id;
}

int RowWriter::StartRow(int parent, std::initializer_list<std::wstring_view> cells) {
  const int id = next_id_++;
  AppendCell(*rows_, FormatInt(id));
  AppendCell(*rows_, FormatInt(parent));
  for (std::wstring_view cell : cells) AppendCell(*rows_, cell);
  return id;
}

void RowWriter::Pad(int written) {
  for (; written < columns_; ++written) rows_->items().emplace_back();
}

}  // namespace reportdata
