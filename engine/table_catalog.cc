// The exported catalogue of the report tables, read from the tables'
// definitions (engine/table_definitions.h) in their order.
#include "reportdata/table_catalog.h"

#include <vector>

#include "engine/analyze.h"
#include "engine/table_definitions.h"

namespace reportdata {

std::span<const CatalogTable> TableCatalog() {
  static const std::vector<CatalogTable> catalog = [] {
    std::vector<CatalogTable> entries;
    for (const TableDefinition* table : TableDefinitions()) entries.push_back(table->catalog);
    return entries;
  }();
  return catalog;
}

const CatalogTable* FindCatalogTable(std::string_view name_or_stem) {
  for (const CatalogTable& table : TableCatalog()) {
    if (table.name == name_or_stem || table.stem == name_or_stem) return &table;
  }
  return nullptr;
}

std::size_t CountTableRows(const CatalogTable& table) {
  return GetEngine()->CountTotalRows(table.code);
}

void ShownTableRows(const CatalogTable& table, CStringArray& rows) {
  GetEngine()->GetShownRows(rows, table.code);
}

}  // namespace reportdata
