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

void TableTreeItems(const CatalogTable& table, CStringArray& items) {
  GetEngine()->GetTreeItem(items, table.code);
}

void TableItemRows(const CatalogTable& table, const CString& name, CStringArray& rows) {
  GetEngine()->GetItemData(name, rows, table.code);
}

void TableStreamRows(const CatalogTable& table, const CString& name, CStringArray& rows) {
  const TableDefinition* definition = TableOf(table.code);
  const int code =
      definition != nullptr && definition->stream_code != 0 ? definition->stream_code : table.code;
  GetEngine()->GetNewItemData(name, rows, code);
}

bool SelectsFloors(const CatalogTable& table) {
  const CodeDefinition* definition = DefinitionOf(table.code);
  return definition != nullptr && definition->selected_rows != nullptr;
}

void TableFloorRows(const CatalogTable& table, CStringArray& floors, CStringArray& second,
                    CStringArray& rows) {
  GetEngine()->GetItemData(floors, second, rows, table.code);
}

std::size_t CountTableRows(const CatalogTable& table) {
  return GetEngine()->CountTotalRows(table.code);
}

void ShownTableRows(const CatalogTable& table, CStringArray& rows) {
  GetEngine()->GetShownRows(rows, table.code);
}

}  // namespace reportdata
