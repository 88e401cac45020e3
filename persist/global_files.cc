// "\GlobalParas.xml" and "\CalFloor.xml".
#include "persist/global_files.h"

#include <cstring>
#include <string>
#include <utility>

#include "persist/table_file.h"

namespace reportdata {
namespace {

constexpr char kGlobalRoot[] = "全局数据";
constexpr char kPartitionGroup[] = "工程分区";
// Partition names are short; a longer one is damage, and each name is held
// several times over (as wide text, in the set, in every query's filter).
constexpr std::size_t kMaxPartitionNameBytes = std::size_t{1} << 20;

}  // namespace

void WriteGlobalParas(std::wstring_view dir, const std::set<std::wstring>& partitions) {
  SaveXmlFile(ResolveFilePath(dir, kGlobalParasFile), [&](XmlWriter& writer) {
    writer.StartElement(kGlobalRoot);
    writer.StartElement(kPartitionGroup);
    for (const std::wstring& name : partitions) {
      writer.StartElement("分区数据");
      writer.Attribute("PartitionName", name);
      writer.EndElement();
    }
    writer.EndElement();
    writer.EndElement();
  });
}

void ReadGlobalParas(std::wstring_view dir, std::set<std::wstring>& partitions) {
  ReadXmlFile(dir, kGlobalParasFile, kGlobalRoot, [&](pugi::xml_node root) {
    std::set<std::wstring> read;
    const pugi::xml_node first = root.first_child();
    if (first.type() == pugi::node_element && std::strcmp(first.name(), kPartitionGroup) == 0) {
      // The name is whatever the first attribute holds, whatever it is called.
      ForEachChildElement(first, [&](pugi::xml_node entry) {
        const pugi::xml_attribute name = entry.first_attribute();
        if (!name) return;
        if (std::strlen(name.value()) > kMaxPartitionNameBytes) {
          throw MalformedTable("a partition name longer than " +
                               std::to_string(kMaxPartitionNameBytes) + " bytes");
        }
        read.insert(WideValue(name));
      });
    }
    partitions = std::move(read);
  });
}

void WriteCalFloor(std::wstring_view dir, const std::vector<CString>& floors) {
  SaveXmlFile(ResolveFilePath(dir, kCalFloorFile), [&](XmlWriter& writer) {
    writer.StartElement(kTableRoot);
    writer.Attribute("Version", std::string_view("1"));
    long long number = 0;
    for (const CString& floor : floors) {
      writer.StartElement("Floor", number++);
      writer.Attribute("FloorName", floor.str());
      writer.EndElement();
    }
    writer.EndElement();
  });
}

void ReadCalFloor(std::wstring_view dir, std::vector<CString>& floors) {
  ReadTableFile(dir, kCalFloorFile, [&](pugi::xml_node floor) {
    for (const NamedAttribute attribute : AttributesOf{floor}) {
      if (NameIs(attribute, "FloorName")) floors.emplace_back(WideValue(attribute));
    }
  });
}

}  // namespace reportdata
