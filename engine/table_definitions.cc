// Finding a table type code's definition and answering a query through it.
#include "engine/table_definitions.h"

namespace reportdata {

const CodeDefinition* DefinitionOf(int code) {
  for (std::span<const CodeDefinition> codes : {BillQuotaCodes(), AreaCodes()}) {
    for (const CodeDefinition& definition : codes) {
      if (definition.code == code) return &definition;
    }
  }
  return nullptr;
}

int WidthOf(int code) {
  for (const CatalogTable& table : TableCatalog()) {
    if (table.code == code) return table.width;
  }
  return 0;
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
