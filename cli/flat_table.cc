#include "cli/flat_table.h"

#include <algorithm>

#include "cli/csv.h"
#include "cli/display_width.h"
#include "cli/json_writer.h"

namespace reportdata::cli {

std::string RenderFlatText(const std::string& title, const FlatTable& table) {
  std::vector<int> widths(table[0].size(), 0);
  for (const auto& line : table) {
    for (size_t i = 0; i < line.size(); ++i) widths[i] = std::max(widths[i], DisplayWidth(line[i]));
  }
  std::string out = title + "  (" + std::to_string(table.size() - 1) + " rows)\n\n";
  for (const auto& line : table) {
    std::string text;
    for (size_t i = 0; i < line.size(); ++i) {
      const bool number = i + 1 == line.size();
      text +=
          (i ? "  " : "") + (number ? PadLeft(line[i], widths[i]) : PadRight(line[i], widths[i]));
    }
    while (!text.empty() && text.back() == ' ') text.pop_back();
    out += text + "\n";
  }
  return out;
}

std::string RenderFlatCsv(const FlatTable& table) {
  std::string out(kUtf8Bom);
  for (const auto& line : table) out += CsvLine(line);
  return out;
}

void WriteFlatJson(std::FILE* out, std::string_view view, std::span<const std::string_view> keys,
                   const FlatTable& table) {
  JsonWriter json(out, true);
  json.BeginObject();
  json.Field("view", view);
  json.Key("rows").BeginArray();
  for (size_t r = 1; r < table.size(); ++r) {
    json.BeginObject(true);
    for (size_t c = 0; c + 1 < keys.size(); ++c) json.Field(keys[c], table[r][c]);
    json.Key(keys.back()).Number(table[r].back());
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
  json.Flush();
  std::fputs("\n", out);
}

}  // namespace reportdata::cli
