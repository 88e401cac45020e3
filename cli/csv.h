// Comma-separated values as spreadsheet programs read them: fields quoted by
// the rules of RFC 4180, lines ended by CR LF, the file opened by a UTF-8 byte
// order mark so that Chinese names are not taken for the local code page.
// A cell that a spreadsheet would run as a formula is written with a leading
// apostrophe, so that it opens as the text it is.
#ifndef CLI_CSV_H_
#define CLI_CSV_H_

#include <string>
#include <string_view>
#include <vector>

namespace reportdata::cli {

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// The field as it stands in a line: prefixed by "'" when it starts with "=",
// "@", a tab or CR, or with "+" or "-" without being a signed number (-1.5
// stays a number); then quoted, with inner quotes doubled, when it holds a
// comma, a quote, a line break or blanks at either end.
std::string CsvField(std::string_view text);

// The fields joined by commas, ended by CR LF.
std::string CsvLine(const std::vector<std::string>& fields);

}  // namespace reportdata::cli

#endif  // CLI_CSV_H_
