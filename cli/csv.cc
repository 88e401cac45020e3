#include "cli/csv.h"

#include "platform/decimal_text.h"

namespace reportdata::cli {
namespace {

// Whether a spreadsheet would run the cell as a formula: it starts with one
// of the characters that open a formula (or a tab or CR, which some programs
// skip before one) and is not simply a signed number.
bool RunsAsFormula(std::string_view text) {
  if (text.empty()) return false;
  if (text.front() == '+' || text.front() == '-')
    return !IsDecimalNumber(text);  // -1.5 is a number
  return std::string_view("=@\t\r").find(text.front()) != std::string_view::npos;
}

}  // namespace

std::string CsvField(std::string_view text) {
  std::string cell;
  if (RunsAsFormula(text)) {
    cell.reserve(text.size() + 1);
    cell += '\'';
  }
  cell += text;
  const bool needs_quotes = cell.find_first_of(",\"\r\n") != std::string::npos ||
                            (!cell.empty() && (cell.front() == ' ' || cell.back() == ' '));
  if (!needs_quotes) return cell;
  std::string out = "\"";
  for (char ch : cell) {
    if (ch == '"') out += '"';
    out += ch;
  }
  out += '"';
  return out;
}

std::string CsvLine(const std::vector<std::string>& fields) {
  std::string line;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += ',';
    line += CsvField(fields[i]);
  }
  line += "\r\n";
  return line;
}

}  // namespace reportdata::cli
