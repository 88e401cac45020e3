// The list of the report tables, which each table's file enters its own
// into, and finding a table type code's definition and answering a query
// through it.
#include "engine/table_definitions.h"

#include <algorithm>

namespace reportdata {

namespace {

// The place of a table in the catalogue: sides in the order of TableSide,
// each by code.
bool ComesBefore(const TableDefinition* a, const TableDefinition* b) {
  if (a->catalog.side != b->catalog.side) return a->catalog.side < b->catalog.side;
  return a->catalog.code < b->catalog.code;
}

std::vector<const TableDefinition*>& Registered() {
  static std::vector<const TableDefinition*> tables;
  return tables;
}

}  // namespace

TableRegistration::TableRegistration(std::span<const TableDefinition> tables) {
  std::vector<const TableDefinition*>& list = Registered();
  for (const TableDefinition& table : tables) {
    list.insert(std::upper_bound(list.begin(), list.end(), &table, ComesBefore), &table);
  }
}

std::span<const TableDefinition* const> TableDefinitions() { return Registered(); }

std::span<const TableDefinition* const> RecordFiledTables() {
  static const std::vector<const TableDefinition*> tables = [] {
    std::vector<const TableDefinition*> list;
    for (const TableDefinition* table : TableDefinitions()) {
      if (table->filing.file != nullptr) list.push_back(table);
    }
    return list;
  }();
  return tables;
}

std::span<const FileDefinition> TableFiles() {
  static const std::vector<FileDefinition> files = [] {
    std::vector<FileDefinition> list;
    for (const TableDefinition* table : TableDefinitions()) list.push_back(table->file);
    return list;
  }();
  return files;
}

const CodeDefinition* DefinitionOf(int code) {
  for (const TableDefinition* table : TableDefinitions()) {
    for (const CodeDefinition& definition : table->codes) {
      if (definition.code == code) return &definition;
    }
  }
  for (std::span<const CodeDefinition> codes : {BillQuotaCodes(), AreaCodes()}) {
    for (const CodeDefinition& definition : codes) {
      if (definition.code == code) return &definition;
    }
  }
  return nullptr;
}

const TableDefinition* TableOf(int code) {
  for (const TableDefinition* table : TableDefinitions()) {
    if (table->catalog.code == code) return table;
  }
  return nullptr;
}

int WidthOf(int code) {
  for (const CatalogTable& table : TableCatalog()) {
    if (table.code == code) return table.width;
  }
  return 0;
}

std::vector<std::wstring> TextsOf(const CStringArray& list) {
  std::vector<std::wstring> texts;
  texts.reserve(list.GetSize());
  for (INT_PTR i = 0; i < list.GetSize(); ++i) texts.push_back(list[i].str());
  return texts;
}

bool AnswerTreeItems(TableContext context, int code, CStringArray& items) {
  const CodeDefinition* definition = DefinitionOf(code);
  if (definition == nullptr || definition->tree_items == nullptr) return false;
  items.RemoveAll();
  definition->tree_items(context, items);
  return true;
}

bool AnswerItemRows(TableContext context, int code, std::wstring_view name, CStringArray& rows,
                    InstanceLists lists) {
  const CodeDefinition* definition = DefinitionOf(code);
  if (definition == nullptr || definition->item_rows == nullptr) return false;
  if (!definition->item_rows_append) rows.RemoveAll();
  RowWriter writer(WidthOf(code), context.state.condition, rows, lists);
  definition->item_rows(context, name, writer);
  return true;
}

std::size_t CountItemRows(TableContext context, int code) {
  const CodeDefinition* definition = DefinitionOf(code);
  if (definition == nullptr || definition->item_rows == nullptr) return 0;
  RowWriter counter(WidthOf(code));
  definition->item_rows(context, std::wstring_view(), counter);
  return static_cast<std::size_t>(counter.rows_added());
}

bool AnswerSelectedRows(TableContext context, int code, const CStringArray& floors,
                        const CStringArray& second, CStringArray& rows) {
  const CodeDefinition* definition = DefinitionOf(code);
  if (definition == nullptr || definition->selected_rows == nullptr) return false;
  definition->selected_rows(context, floors, second, rows);
  return true;
}

bool AnswerStream(TableContext context, int code, std::wstring_view name, CStringArray& out) {
  const CodeDefinition* definition = DefinitionOf(code);
  if (definition == nullptr || definition->stream == nullptr) return false;
  definition->stream(context, name, out);
  return true;
}

bool AnswerByCondition(TableContext context, int code, CStringArray& a, CStringArray& b,
                       CStringArray& c, std::wstring_view condition) {
  const CodeDefinition* definition = DefinitionOf(code);
  if (definition == nullptr || definition->by_condition == nullptr) return false;
  definition->by_condition(context, a, b, c, condition);
  return true;
}

}  // namespace reportdata
