// Writing and reading the comparison-report columns.
#include "persist/report_comp_file.h"

#include "persist/table_file.h"

namespace reportdata {
namespace {

void StartColumn(XmlWriter& writer, const SReportColunm& column, long long position) {
  writer.StartElement("Column", position);
  writer.IntAttribute("Image", column.image);
  writer.IntAttribute("SelectedImage", column.selectedImage);
  writer.Attribute("ParentID", column.parentId.str());
  writer.Attribute("ColumnID", column.columnId.str());
  writer.Attribute("ColumnText", column.columnText.str());
  // The host lays its columns out itself; the stored width has always been
  // this constant.
  writer.Attribute("ColumnWidth", std::string_view("1.5"));
}

// Fields of attributes that are absent keep the value they had.
void FillColumn(SReportColunm& column, pugi::xml_node element) {
  for (const NamedAttribute attribute : AttributesOf{element}) {
    if (NameIs(attribute, "Image")) {
      column.image = LeadingInt(attribute.value());
    } else if (NameIs(attribute, "SelectedImage")) {
      column.selectedImage = LeadingInt(attribute.value());
    } else if (NameIs(attribute, "ColumnWidth")) {
      column.width = LeadingReal(attribute.value());
    } else if (NameIs(attribute, "ParentID")) {
      column.parentId = WideValue(attribute);
    } else if (NameIs(attribute, "ColumnID")) {
      column.columnId = WideValue(attribute);
    } else if (NameIs(attribute, "ColumnText")) {
      column.columnText = WideValue(attribute);
    }
  }
}

}  // namespace

void WriteReportComp(std::wstring_view dir, const SReportColunm& root) {
  SaveXmlFile(ResolveFilePath(dir, kReportCompFile), [&](XmlWriter& writer) {
    writer.StartElement(kTableRoot);
    writer.Attribute("Version", std::string_view("1"));
    writer.Attribute("TableName", std::string_view("对比表列显示设置"));
    StartColumn(writer, root, 0);
    long long group_position = 0;
    for (const SReportColunm& group : root.children) {
      StartColumn(writer, group, group_position++);
      long long column_position = 0;
      for (const SReportColunm& column : group.children) {
        StartColumn(writer, column, column_position++);
        writer.EndElement();
      }
      writer.EndElement();
    }
    writer.EndElement();
    writer.EndElement();
  });
}

void ReadReportComp(std::wstring_view dir, SReportColunm& root) {
  ReadXmlFile(dir, kReportCompFile, kTableRoot, [&](pugi::xml_node file_root) {
    const pugi::xml_node first = file_root.first_child();
    if (!first) return;
    if (first.type() != pugi::node_element) {
      throw MalformedTable("the first column is not an element");
    }
    FillColumn(root, first);
    ForEachChildElement(first, [&](pugi::xml_node group_element) {
      SReportColunm group;
      FillColumn(group, group_element);
      ForEachChildElement(group_element, [&](pugi::xml_node column_element) {
        SReportColunm column;
        FillColumn(column, column_element);
        group.children.push_back(std::move(column));
      });
      root.children.push_back(std::move(group));
    });
  });
}

}  // namespace reportdata
