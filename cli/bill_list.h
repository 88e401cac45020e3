// The bill of quantities in the arrangement surveyors hand on: 序号, 项目编码,
// 项目名称, 项目特征描述, 计量单位, 工程量, one line per bill item with the
// chapters as group lines. Each item's nine-digit code takes a three-digit
// serial so that the twelve-digit code is unique within the project: the same
// item with C30 and with C35 concrete is 010502001001 and 010502001002.
#ifndef CLI_BILL_LIST_H_
#define CLI_BILL_LIST_H_

#include <span>
#include <string>
#include <vector>

#include "cli/column_schema.h"

namespace reportdata::cli {

struct BillListLine {
  bool chapter = false;  // a group line: only name is set
  std::string number;    // 序号: 1, 2, … over the items in chapter order
  std::string code;      // twelve digits
  std::string name;
  std::string features;
  std::string unit;
  std::string quantity;  // the module's text
};

// Reads the bill summary's chapter rows (level 0) and item rows (level 1) in
// its named columns; deeper rows are skipped. A code that already has twelve
// digits is kept, and the serials given to nine-digit codes pass it by.
std::vector<BillListLine> BillList(std::span<const NamedColumn> columns,
                                   const std::vector<NamedRow>& rows);

}  // namespace reportdata::cli

#endif  // CLI_BILL_LIST_H_
