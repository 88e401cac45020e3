#include "cli/csv.h"

namespace reportdata::cli {
namespace {

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

// A signed decimal number such as -1.5, +3, -.25 or -2.5e-3, and nothing
// after it: a spreadsheet reads it as that number, not as a formula.
bool IsSignedNumber(std::string_view text) {
  size_t at = 1;  // past the sign
  size_t digits = 0;
  while (at < text.size() && IsDigit(text[at])) ++at, ++digits;
  if (at < text.size() && text[at] == '.') {
    ++at;
    while (at < text.size() && IsDigit(text[at])) ++at, ++digits;
  }
  if (digits == 0) return false;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    const size_t exponent_start = at;
    while (at < text.size() && IsDigit(text[at])) ++at;
    if (at == exponent_start) return false;
  }
  return at == text.size();
}

// Whether a spreadsheet would run the cell as a formula: it starts with one
// of the characters that open a formula (or a tab or CR, which some programs
// skip before one) and is not simply a signed number.
bool RunsAsFormula(std::string_view text) {
  if (text.empty()) return false;
  switch (text.front()) {
    case '=':
    case '@':
    case '\t':
    case '\r':
      return true;
    case '+':
    case '-':
      return !IsSignedNumber(text);
    default:
      return false;
  }
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
