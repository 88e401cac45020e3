#include "cli/column_printer.h"

#include <nlohmann/json.hpp>

#include "cli/csv.h"
#include "cli/quantity_format.h"

namespace reportdata::cli {

std::string RenderNamedJson(std::string_view table, std::span<const NamedColumn> columns,
                            const std::vector<NamedRow>& rows, int decimals) {
  using nlohmann::ordered_json;
  ordered_json described = ordered_json::array();
  described.push_back({{"name", "level"}, {"title", "层级"}, {"type", "integer"}});
  for (const NamedColumn& column : columns) {
    described.push_back({{"name", column.key},
                         {"title", column.title},
                         {"type", column.kind == ColumnKind::kNumber ? "number" : "text"}});
  }
  std::string out = "{\"table\": " + ordered_json(table).dump() +
                    ",\n \"columns\": " + described.dump() + ",\n \"rows\": [";
  for (size_t r = 0; r < rows.size(); ++r) {
    ordered_json row;
    row["level"] = rows[r].depth;
    for (size_t c = 0; c < columns.size(); ++c) {
      const std::string& value = rows[r].values[c];
      if (columns[c].kind == ColumnKind::kText) {
        row[columns[c].key] = value;
      } else if (const auto number = ParseQuantity(FormatQuantity(
                     value, DecimalsFor(decimals, ValueOf(columns, rows[r], "unit"))))) {
        row[columns[c].key] = *number;
      } else {
        row[columns[c].key] = value.empty() ? ordered_json() : ordered_json(value);
      }
    }
    out += (r == 0 ? "\n  " : ",\n  ") + row.dump();
  }
  return out + (rows.empty() ? "]}\n" : "\n ]}\n");
}

std::string RenderNamedCsv(std::span<const NamedColumn> columns, const std::vector<NamedRow>& rows,
                           int decimals) {
  std::string out(kUtf8Bom);
  std::vector<std::string> fields = {"层级"};
  for (const NamedColumn& column : columns) {
    if (column.use != ColumnUse::kProgram) fields.emplace_back(column.title);
  }
  out += CsvLine(fields);
  for (const NamedRow& row : rows) {
    fields = {std::to_string(row.depth)};
    for (size_t c = 0; c < columns.size(); ++c) {
      if (columns[c].use == ColumnUse::kProgram) continue;
      fields.push_back(
          columns[c].kind == ColumnKind::kNumber
              ? FormatQuantity(row.values[c], DecimalsFor(decimals, ValueOf(columns, row, "unit")))
              : row.values[c]);
    }
    out += CsvLine(fields);
  }
  return out;
}

}  // namespace reportdata::cli
