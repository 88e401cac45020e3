// "\CloudData.xml": the cloud-index data of a build, so that a reopened
// project answers the cloud index templates without the calculation
// results. Root "云指标数据" with "Version"; then one "Area" per floor area,
// one "CalFloor" per calculated floor and one "Unit" per measurement unit,
// holding "Floor", "Member", and "Item", "Component" and "Partition"
// elements. Quantities are written in the shortest text that reads back to
// the same double.
#include <charconv>
#include <cstring>
#include <string>

#include "persist/table_file.h"
#include "reportdata/cloud_data.h"

namespace {

using reportdata::ForEachChildElement;
using reportdata::LeadingInt;
using reportdata::LeadingReal;
using reportdata::WideValue;
using reportdata::XmlWriter;

constexpr wchar_t kCloudDataFile[] = L"\\CloudData.xml";
constexpr char kCloudRoot[] = "云指标数据";

void RealAttribute(XmlWriter& writer, const char* name, double value) {
  char buffer[64];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  writer.Attribute(name, std::string_view(buffer, end - buffer));
}

bool IsNamed(pugi::xml_node node, const char* name) { return std::strcmp(node.name(), name) == 0; }

// The attributes of node by name; absent ones stay empty.
struct Attributes {
  explicit Attributes(pugi::xml_node node) : node_(node) {}
  CString Text(const char* name) const { return CString(WideValue(node_.attribute(name))); }
  int Int(const char* name) const { return LeadingInt(node_.attribute(name).value()); }
  double Real(const char* name) const { return LeadingReal(node_.attribute(name).value()); }

 private:
  pugi::xml_node node_;
};

void WriteMember(XmlWriter& writer, const CCloudDataSMem& member) {
  writer.StartElement("Member");
  writer.IntAttribute("Key", member.key);
  writer.Attribute("TypePath", member.typePath.str());
  writer.Attribute("Code", member.code.str());
  for (const CCloudDataCalItem& item : member.items) {
    writer.StartElement("Item");
    writer.IntAttribute("Id", item.GetId());
    writer.Attribute("Name", item.GetName().str());
    RealAttribute(writer, "Quantity", item.GetQuantity());
    writer.EndElement();
  }
  for (const CString& name : member.componentNames) {
    writer.StartElement("Component");
    writer.Attribute("Name", name.str());
    writer.EndElement();
  }
  for (const CString& name : member.partitions) {
    writer.StartElement("Partition");
    writer.Attribute("Name", name.str());
    writer.EndElement();
  }
  writer.EndElement();
}

CCloudDataSMem ReadMember(pugi::xml_node node) {
  const Attributes attributes(node);
  CCloudDataSMem member;
  member.key = attributes.Int("Key");
  member.typePath = attributes.Text("TypePath");
  member.code = attributes.Text("Code");
  ForEachChildElement(node, [&](pugi::xml_node child) {
    const Attributes values(child);
    if (IsNamed(child, "Item")) {
      member.items.emplace_back(values.Int("Id"), values.Real("Quantity"), values.Text("Name"));
    } else if (IsNamed(child, "Component")) {
      member.componentNames.push_back(values.Text("Name"));
    } else if (IsNamed(child, "Partition")) {
      member.partitions.push_back(values.Text("Name"));
    }
  });
  return member;
}

CCloudDataUnit ReadUnit(pugi::xml_node node) {
  CCloudDataUnit unit;
  unit.name = Attributes(node).Text("Name");
  ForEachChildElement(node, [&](pugi::xml_node floor_node) {
    if (!IsNamed(floor_node, "Floor")) return;
    const Attributes attributes(floor_node);
    CCloudDataFloor& floor = unit.floors.emplace_back();
    floor.floorName = attributes.Text("Name");
    floor.floorNum = attributes.Int("Num");
    floor.sortKey = attributes.Int("Grade");
    ForEachChildElement(floor_node, [&](pugi::xml_node member) {
      if (IsNamed(member, "Member")) floor.members.push_back(ReadMember(member));
    });
  });
  return unit;
}

}  // namespace

void CCloudDataMng::WriteToXmlFile(const CString& reportDir) const {
  const std::string path = reportdata::ResolveFilePath(reportDir.str(), kCloudDataFile);
  reportdata::SaveXmlFile(path, [&](XmlWriter& writer) {
    writer.StartElement(kCloudRoot);
    writer.Attribute("Version", version_.str());
    for (const CCloudDataArea& area : areas_) {
      writer.StartElement("Area");
      writer.Attribute("Name", area.GetFloorName().str());
      writer.IntAttribute("Num", area.GetFloorNum());
      writer.IntAttribute("Grade", area.GetSortKey());
      RealAttribute(writer, "Area", area.GetFloorArea());
      writer.EndElement();
    }
    for (const CString& floor : calFloors_) {
      writer.StartElement("CalFloor");
      writer.Attribute("Name", floor.str());
      writer.EndElement();
    }
    for (const CCloudDataUnit& unit : units_) {
      writer.StartElement("Unit");
      writer.Attribute("Name", unit.name.str());
      for (const CCloudDataFloor& floor : unit.floors) {
        writer.StartElement("Floor");
        writer.Attribute("Name", floor.floorName.str());
        writer.IntAttribute("Num", floor.floorNum);
        writer.IntAttribute("Grade", floor.sortKey);
        for (const CCloudDataSMem& member : floor.members) WriteMember(writer, member);
        writer.EndElement();
      }
      writer.EndElement();
    }
    writer.EndElement();
  });
}

void CCloudDataMng::ReadFromXmlFile(const CString& reportDir) {
  Clear();
  try {
    reportdata::ReadXmlFile(reportDir.str(), kCloudDataFile, kCloudRoot, [&](pugi::xml_node root) {
      ForEachChildElement(root, [&](pugi::xml_node child) {
        const Attributes attributes(child);
        if (IsNamed(child, "Area")) {
          areas_.emplace_back(attributes.Int("Num"), attributes.Int("Grade"),
                              attributes.Text("Name"), attributes.Real("Area"));
        } else if (IsNamed(child, "CalFloor")) {
          calFloors_.push_back(attributes.Text("Name"));
        } else if (IsNamed(child, "Unit")) {
          units_.push_back(ReadUnit(child));
        }
      });
    });
  } catch (...) {
    Clear();
    throw;
  }
  // A reopened project is mostly only read: the indexes wait for the first
  // record filed (FindOrAddMember).
}
