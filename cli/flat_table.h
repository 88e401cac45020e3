// Flat tables of the tool's views that are not tree grids (the physical
// quantities, the component table): a header line and its rows, printed as
// aligned text, as CSV or as JSON.
#ifndef CLI_FLAT_TABLE_H_
#define CLI_FLAT_TABLE_H_

#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace reportdata::cli {

using FlatTable = std::vector<std::vector<std::string>>;  // header first

// The title with the row count, a blank line, then the lines with columns
// aligned by display width; the last column, a quantity, to the right.
std::string RenderFlatText(const std::string& title, const FlatTable& table);

// Excel-ready CSV: the UTF-8 byte order mark, then one line per row.
std::string RenderFlatCsv(const FlatTable& table);

// {"view": view, "rows": [{…}…]} written straight to out: the rows after the
// header, one object a line, under one key per column; the last column, a
// quantity, as a number.
void WriteFlatJson(std::FILE* out, std::string_view view, std::span<const std::string_view> keys,
                   const FlatTable& table);

}  // namespace reportdata::cli

#endif  // CLI_FLAT_TABLE_H_
