// The parts of every table agree: its catalogue entry, the definitions of
// its codes, its file and the cells its named columns read; each table's
// definition owns its codes and its file, and the catalogue and the file list
// keep the order of the list of tables.
#include "engine/table_definitions.h"

#include <gtest/gtest.h>

#include <fstream>
#include <span>
#include <sstream>
#include <string>

#include "persist/table_file.h"
#include "platform/text.h"

namespace reportdata {
namespace {

TEST(TableDefinitionsTest, EachTableHasItsOwnCodesFileAndWidth) {
  ASSERT_EQ(TableCatalog().size(), TableDefinitions().size());
  ASSERT_EQ(TableFiles().size(), TableDefinitions().size());
  for (size_t i = 0; i < TableDefinitions().size(); ++i) {
    const TableDefinition& definition = *TableDefinitions()[i];
    const CatalogTable& table = TableCatalog()[i];
    SCOPED_TRACE(std::string(table.stem));
    EXPECT_EQ(table.code, definition.catalog.code);
    EXPECT_EQ(FindCatalogTable(table.name), &table);
    EXPECT_EQ(FindCatalogTable(table.stem), &table);
    for (int code : table.codes) EXPECT_NE(DefinitionOf(code), nullptr) << code;
    const CodeDefinition* own = DefinitionOf(table.code);
    ASSERT_NE(own, nullptr);
    EXPECT_NE(own->tree_items, nullptr);
    // No definition elsewhere answers a code of the table's own in its place.
    for (const CodeDefinition& code : definition.codes) {
      EXPECT_EQ(DefinitionOf(code.code), &code) << code.code;
      for (std::span<const CodeDefinition> others : {BillQuotaCodes(), AreaCodes()}) {
        for (const CodeDefinition& other : others) EXPECT_NE(other.code, code.code);
      }
    }
    EXPECT_EQ(TableFiles()[i].code, table.code);
    EXPECT_EQ(ToUtf8(TableFiles()[i].layout->file_name), "\\" + std::string(table.stem) + ".xml");
    for (const NamedColumn& column : table.columns) {
      for (const CellSource& source : column.from) EXPECT_LT(source.cell, table.width);
    }
  }
  // The file check tells apart the files that carry one "Table_Name" only
  // by what their first chapter holds.
  for (const FileDefinition& a : TableFiles()) {
    for (const FileDefinition& b : TableFiles()) {
      if (&a == &b || std::string(a.layout->table_name) != b.layout->table_name) continue;
      SCOPED_TRACE(ToUtf8(a.layout->file_name) + " " + ToUtf8(b.layout->file_name));
      ASSERT_NE(a.inner_prefix, nullptr);
      ASSERT_NE(b.inner_prefix, nullptr);
      EXPECT_NE(std::string(a.inner_prefix), b.inner_prefix);
    }
  }
}

// The list of tables in docs/tables.md is the catalogue's.
TEST(TableDefinitionsTest, TheDocsListTheCatalogue) {
  std::string expected = "| Codes | Name | File | Side | Cells |\n|---|---|---|---|---|\n";
  for (const CatalogTable& table : TableCatalog()) {
    std::string codes;
    for (int code : table.codes) codes += (codes.empty() ? "" : ", ") + std::to_string(code);
    const char* side = table.side == TableSide::kBill    ? "bill"
                       : table.side == TableSide::kQuota ? "quota"
                                                         : "both";
    expected += "| " + codes + " | " + std::string(table.name) + " | " + std::string(table.stem) +
                ".xml | " + side + " | " + std::to_string(table.width) + " |\n";
  }
  std::ifstream in(REPORTDATA_SOURCE_DIR "/docs/tables.md");
  std::stringstream text;
  text << in.rdbuf();
  const std::string doc = text.str();
  const std::string open = "<!-- catalogue -->\n";
  const size_t begin = doc.find(open);
  const size_t end = doc.find("<!-- end of catalogue -->");
  ASSERT_NE(begin, std::string::npos);
  ASSERT_NE(end, std::string::npos);
  EXPECT_EQ(doc.substr(begin + open.size(), end - begin - open.size()), expected);
}

}  // namespace
}  // namespace reportdata
