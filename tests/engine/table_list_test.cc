// Each table's definition owns its codes and its file: no definition
// elsewhere answers a code in its place, and the catalogue and the file list
// keep the order of the list of tables.
#include <gtest/gtest.h>

#include <span>
#include <string>

#include "engine/table_definitions.h"

namespace reportdata {
namespace {

TEST(TableListTest, EachTableAnswersItsOwnCodesAndFile) {
  ASSERT_EQ(TableCatalog().size(), TableDefinitions().size());
  ASSERT_EQ(TableFiles().size(), TableDefinitions().size());
  for (size_t i = 0; i < TableDefinitions().size(); ++i) {
    const TableDefinition& table = *TableDefinitions()[i];
    SCOPED_TRACE(std::string(table.catalog.stem));
    EXPECT_EQ(TableCatalog()[i].code, table.catalog.code);
    EXPECT_EQ(TableFiles()[i].code, table.catalog.code);
    EXPECT_EQ(table.file.code, table.catalog.code);
    for (const CodeDefinition& code : table.codes) {
      EXPECT_EQ(DefinitionOf(code.code), &code) << code.code;
      for (std::span<const CodeDefinition> others : {BillQuotaCodes(), AreaCodes()}) {
        for (const CodeDefinition& other : others) EXPECT_NE(other.code, code.code);
      }
    }
  }
}

}  // namespace
}  // namespace reportdata
