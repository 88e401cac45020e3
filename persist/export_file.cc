// The export file of the bill consumption table: chapters with their bill
// items and the quotas consumed by each, with the quantities the table shows.
#include "model/tree_quantity.h"
#include "persist/report_table_files.h"

namespace reportdata {
namespace {

// Quantity of an item as its row shows it: each floor counts its non-facade
// components once per floor and its facade components once.
double ItemQuantity(const std::vector<SQdFloorNode>& floors, std::wstring_view partition) {
  double total = 0.0;
  for (const SQdFloorNode& floor : floors) {
    FloorSum sum;
    for (const SQdCompNode& component : floor.components) {
      sum.Add(component, SumComponent(component, partition));
    }
    total += sum.Total(floor.count);
  }
  return total;
}

}  // namespace

void ExportBillConsumption(const std::string& path, const std::vector<SQdXhlChapterNode>& chapters,
                           std::wstring_view partition) {
  SaveXmlFile(path, [&](XmlWriter& writer) {
    writer.StartElement(kTableRoot);
    writer.Attribute("Type", std::string_view("R"));
    writer.Attribute("Version", std::string_view("6.0"));
    writer.Attribute("Table_Name", std::string_view("清单定额"));
    long long chapter_number = 0;
    for (const SQdXhlChapterNode& chapter : chapters) {
      writer.StartElement("Chapter", chapter_number++);
      writer.Attribute("Type", std::string_view("P"));
      writer.Attribute("Index", chapter.code_prefix);
      writer.Attribute("Name", chapter.name);
      long long item_number = 0;
      for (const SQdXhlItemNode& item : chapter.items) {
        writer.StartElement("ListCode", item_number++);
        writer.Attribute("Type", std::string_view("B"));
        writer.Attribute("Index", item.bill.code);
        writer.Attribute("Name", item.bill.name);
        writer.Attribute("Unit", item.bill.unit);
        writer.RealAttribute("Quantity", ItemQuantity(item.bill.floors, partition));
        writer.Attribute("Parameter", item.bill.feature);
        long long quota_number = 1;
        for (const SDeItemNode& quota : item.quotas) {
          writer.StartElement("name", quota_number++);
          writer.Attribute("Type", std::string_view("D"));
          writer.Attribute("DENum", quota.code);
          writer.Attribute("Name", quota.name);
          writer.Attribute("Unit", quota.unit);
          writer.RealAttribute("Quantity", ItemQuantity(quota.floors, partition));
          writer.Attribute("Para", std::string_view());
          writer.EndElement();
        }
        writer.EndElement();
      }
      writer.EndElement();
    }
    writer.EndElement();
  });
}

}  // namespace reportdata
