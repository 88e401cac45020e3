#include "cli/report_page.h"

#include <algorithm>

#include "cli/quantity_format.h"

namespace reportdata::cli {
namespace {

constexpr std::string_view kStyle = R"(
body{font-family:"Noto Sans CJK SC","Microsoft YaHei",sans-serif;margin:1.5em;color:#222}
h1{font-size:1.5em}h2{font-size:1.2em;margin-top:1.6em}
nav ol{columns:2}
table{border-collapse:collapse;width:100%;font-size:.85em}
th,td{border:1px solid #ccc;padding:2px 6px;vertical-align:top}
th{background:#eef;position:sticky;top:0}
td.n{text-align:right;white-space:nowrap}
td.tree{padding-left:calc(var(--l)*1.4em + 6px)}
tr[data-l="0"]{font-weight:bold;background:#f6f6f6}
.f{color:#555;font-size:.9em;white-space:pre-line}
button.t{border:none;background:none;cursor:pointer;width:1.4em;padding:0}
button.t::before{content:"\25B8"}
tr.open>td>button.t::before{content:"\25BE"}
.empty{color:#888}
tr.up td{color:#c00000}tr.down td{color:#007a33}
dl.summary{display:grid;grid-template-columns:max-content 1fr;gap:2px 1em}dd{margin:0}
figure{margin:1em 0;break-inside:avoid}figcaption{break-after:avoid}
svg{width:100%;height:auto}svg text{font-size:12px}
.grid{overflow-x:auto}
@page{size:A4;margin:15mm 12mm}
@media print{nav,button{display:none}thead{display:table-header-group}
section.table{break-before:page}tr{break-inside:avoid}th{position:static}
.grid{overflow:visible}}
)";

// Opens and closes levels: a click on a row's button shows its children (and
// below them what was left open) or hides everything below it.
constexpr std::string_view kScript = R"(
function toggle(tr, open) {
  const level = +tr.dataset.l;
  tr.classList.toggle('open', open);
  let limit = level + 1;
  for (let r = tr.nextElementSibling; r && +r.dataset.l > level; r = r.nextElementSibling) {
    const l = +r.dataset.l;
    if (!open || l > limit) { r.hidden = true; continue; }
    r.hidden = false;
    limit = r.classList.contains('open') ? l + 1 : l;
  }
}
document.addEventListener('click', e => {
  const b = e.target.closest('button');
  if (!b) return;
  if (b.classList.contains('t')) {
    const tr = b.closest('tr');
    toggle(tr, !tr.classList.contains('open'));
    return;
  }
  const rows = b.closest('section').querySelectorAll('tbody tr');
  const open = b.dataset.act === 'open';
  rows.forEach(r => { if (r.querySelector('button.t')) r.classList.toggle('open', open); });
  rows.forEach(r => { r.hidden = !open && +r.dataset.l > 0; });
});
)";

std::string Escape(std::string_view text) {
  std::string out;
  for (char c : text) {
    out += c == '&'   ? "&amp;"
           : c == '<' ? "&lt;"
           : c == '>' ? "&gt;"
           : c == '"' ? "&quot;"
                      : std::string(1, c);
  }
  return out;
}

// A horizontal bar chart; a note instead when there is nothing to draw.
std::string BarChart(std::string_view id, std::string_view title, std::string_view unit,
                     const Bars& bars, std::string_view nothing) {
  std::string out = "<figure id=\"" + std::string(id) + "\"><figcaption>" + Escape(title) + " (" +
                    Escape(unit) + ")</figcaption>\n";
  double most = 0;
  for (const auto& bar : bars) most = std::max(most, bar.second);
  if (bars.empty() || most <= 0)
    return out + "<p class=\"empty\">" + Escape(nothing) + "</p></figure>\n";
  constexpr int kLabel = 190, kBar = 420, kHeight = 20;
  // Drawn in its own units and scaled to the width of the page, so that a
  // narrow screen shows the whole chart.
  const int width = kLabel + kBar + 110;
  out += "<svg viewBox=\"0 0 " + std::to_string(width) + " " +
         std::to_string(bars.size() * kHeight + 4) +
         "\" style=\"max-width:" + std::to_string(width) + "px\" role=\"img\">\n";
  for (size_t i = 0; i < bars.size(); ++i) {
    const int y = static_cast<int>(i) * kHeight;
    const int length = static_cast<int>(bars[i].second / most * kBar);
    out += "<text x=\"" + std::to_string(kLabel - 6) + "\" y=\"" + std::to_string(y + 14) +
           "\" text-anchor=\"end\">" + Escape(bars[i].first) + "</text><rect x=\"" +
           std::to_string(kLabel) + "\" y=\"" + std::to_string(y + 3) + "\" width=\"" +
           std::to_string(std::max(length, 1)) + "\" height=\"" + std::to_string(kHeight - 6) +
           "\" fill=\"#4a7bb7\"><title>" + Escape(bars[i].first) + ": " +
           Fixed(bars[i].second, UnitDecimals(unit)) + "</title></rect><text x=\"" +
           std::to_string(kLabel + length + 6) + "\" y=\"" + std::to_string(y + 14) + "\">" +
           Fixed(bars[i].second, UnitDecimals(unit)) + "</text>\n";
  }
  return out + "</svg></figure>\n";
}

const PageTable* Find(const std::vector<PageTable>& tables, std::string_view stem) {
  for (const PageTable& table : tables) {
    if (table.stem == stem && table.built) return &table;
  }
  return nullptr;
}

// Storeys a floor text stands for: "2,5" the storeys 2 to 5, "6/8" the
// storeys 6 and 8, anything else one.
int Storeys(std::string_view floor) {
  if (floor.ends_with("层")) floor.remove_suffix(std::string_view("层").size());
  if (const size_t comma = floor.find(','); comma != std::string_view::npos) {
    const auto first = ParseQuantity(floor.substr(0, comma));
    const auto last = ParseQuantity(floor.substr(comma + 1));
    if (first && last && *last >= *first) return static_cast<int>(*last - *first) + 1;
    return 1;
  }
  int storeys = 1;
  for (char c : floor) storeys += c == '/';
  return storeys;
}

// The building area of one storey of each floor of the building-area
// table: a floor text that stands for several storeys holds all of them.
Bars StoreyAreas(const PageTable* area) {
  Bars bars;
  if (!area) return bars;
  for (const NamedRow& row : area->rows) {
    const std::string floor = ValueOf(area->columns, row, "floor");
    const auto value = ParseQuantity(ValueOf(area->columns, row, "quantity"));
    if (!floor.empty() && value) bars.emplace_back(floor, *value / Storeys(floor));
  }
  return bars;
}

// One chart per group of the index analysis: its items per m² of building
// area, in the one unit the group measures.
std::string IndexCharts(const PageTable* index) {
  std::string out;
  if (!index) return out;
  std::string group, unit;
  Bars bars;
  int number = 0;
  const auto flush = [&] {
    if (!bars.empty())
      out +=
          BarChart("chart-index-" + std::to_string(++number), group + " 单方指标", unit, bars, "");
    bars.clear();
  };
  for (const NamedRow& row : index->rows) {
    if (row.depth == 0) {
      flush();
      group = ValueOf(index->columns, row, "group");
      unit = ValueOf(index->columns, row, "unit");
    } else if (row.depth == 1 && ValueOf(index->columns, row, "unit") == unit) {
      if (const auto value = ParseQuantity(ValueOf(index->columns, row, "quantity")))
        bars.emplace_back(ValueOf(index->columns, row, "item"), *value);
    }
  }
  flush();
  return out;
}

std::string Charts(const std::vector<PageTable>& tables, const PageCharts& charts) {
  std::string out = "<section id=\"charts\"><h2>建筑面积与指标</h2>\n";
  out += BarChart("chart-area", "每层建筑面积", "m2", StoreyAreas(Find(tables, "mj")),
                  "无建筑面积数据");
  out += BarChart("chart-concrete", "混凝土按楼层与标号", "m3", charts.concrete, "无混凝土数据");
  out += BarChart("chart-decoration", "装饰面积按类别", "m2", charts.decoration, "无装饰数据");
  out += IndexCharts(Find(tables, "zbfx"));
  return out + "</section>\n";
}

std::string TreeCell(std::span<const NamedColumn> columns, const NamedRow& row, bool parent) {
  std::string head;
  std::string features;
  for (size_t c = 0; c < columns.size(); ++c) {
    if (columns[c].use != ColumnUse::kLabel || row.values[c].empty()) continue;
    if (columns[c].key == "features")
      features = "<div class=\"f\">" + Escape(row.values[c]) + "</div>";
    else
      head += (head.empty() ? "" : "  ") + Escape(row.values[c]);
  }
  return "<td class=\"tree\" style=\"--l:" + std::to_string(row.depth) + "\">" +
         (parent ? "<button class=\"t\" aria-label=\"展开\"></button>" : "") + head + features +
         "</td>";
}

std::string TableSection(const PageTable& table) {
  std::string out = "<section class=\"table\" id=\"t-" + std::string(table.stem) +
                    "\" data-rows=\"" + std::to_string(table.rows.size()) + "\"><h2>" +
                    Escape(table.name) + "</h2>\n";
  if (!table.built) return out + "<p class=\"empty\">未生成</p></section>\n";
  if (table.rows.empty()) return out + "<p class=\"empty\">无数据</p></section>\n";
  if (table.records_left_out > 0) {
    out += "<p class=\"empty\">另有 " + std::to_string(table.records_left_out) +
           " 条记录未列出 (reportdata html --records)</p>\n";
  }
  out +=
      "<p><button data-act=\"open\">全部展开</button> <button "
      "data-act=\"close\">全部折叠</button></p>\n";
  out += "<div class=\"grid\"><table><thead><tr><th>项目</th>";
  std::vector<size_t> values;
  for (size_t c = 0; c < table.columns.size(); ++c) {
    if (table.columns[c].use != ColumnUse::kValue) continue;
    values.push_back(c);
    out += "<th>" + Escape(table.columns[c].title) + "</th>";
  }
  out += "</tr></thead>\n<tbody>\n";
  for (size_t r = 0; r < table.rows.size(); ++r) {
    const NamedRow& row = table.rows[r];
    const bool parent = r + 1 < table.rows.size() && table.rows[r + 1].depth > row.depth;
    // The top level starts open, so chapters and their items show; deeper
    // levels start closed.
    const bool open = parent && row.depth == 0;
    const std::string tone = row.tone > 0 ? " up" : row.tone < 0 ? " down" : "";
    const std::string classes = (open ? std::string("open") : "") + tone;
    out += "<tr data-l=\"" + std::to_string(row.depth) + "\"" +
           (classes.empty() ? "" : " class=\"" + classes.substr(classes[0] == ' ') + "\"") +
           (row.depth > 1 ? " hidden" : "") + ">" + TreeCell(table.columns, row, parent);
    const std::string unit = ValueOf(table.columns, row, "unit");
    for (size_t c : values) {
      if (table.columns[c].kind == ColumnKind::kNumber)
        out += "<td class=\"n\">" + Escape(FormatQuantity(row.values[c], UnitDecimals(unit))) +
               "</td>";
      else
        out += "<td>" + Escape(row.values[c]) + "</td>";
    }
    out += "</tr>\n";
  }
  return out + "</tbody></table></div></section>\n";
}

// The project's name, then its summary, libraries and building area.
std::string Heading(const ProjectInfo& project) {
  std::string out = "<header><h1>" + Escape(project.name) + " 报表</h1>\n<dl class=\"summary\">";
  const auto fact = [&](std::string_view name, const std::string& value) {
    if (!value.empty()) out += "<dt>" + Escape(name) + "</dt><dd>" + Escape(value) + "</dd>";
  };
  for (const auto& [name, value] : project.summary) {
    if (name != "工程名称") fact(name, value);
  }
  fact("清单库", project.bill_library);
  fact("定额库", project.quota_library);
  return out + "</dl></header>\n";
}

}  // namespace

std::string RenderReportPage(const ProjectInfo& project, const std::vector<PageTable>& tables,
                             const PageCharts& charts) {
  std::string out =
      "<!DOCTYPE html>\n<html lang=\"zh-CN\"><head><meta charset=\"utf-8\">\n"
      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" +
      Escape(project.name) + " 报表</title>\n<style>" + std::string(kStyle) +
      "</style></head>\n<body>\n" + Heading(project);
  out += "<nav id=\"toc\"><h2>目录</h2><ol>\n";
  if (charts.shown) out += "<li><a href=\"#charts\">建筑面积与指标</a></li>\n";
  for (const PageTable& table : tables) {
    out += "<li><a href=\"#t-" + std::string(table.stem) + "\">" + Escape(table.name) + "</a> (" +
           (table.built ? std::to_string(table.rows.size()) + " 行" : std::string("未生成")) +
           ")</li>\n";
  }
  out += "</ol></nav>\n" + (charts.shown ? Charts(tables, charts) : "");
  for (const PageTable& table : tables) out += TableSection(table);
  return out + "<script>" + std::string(kScript) + "</script>\n</body></html>\n";
}

}  // namespace reportdata::cli
