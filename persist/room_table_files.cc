// "\room1.xml" and "\room2.xml": the two room tables.
#include "persist/room_table_files.h"

#include "model/tree_insert.h"
#include "persist/area_floor_head_attributes.h"
#include "persist/node_io.h"
#include "persist/report_table_files.h"
#include "persist/tree_nodes.h"

namespace reportdata {
namespace {

void WriteRoomRecord(XmlWriter& writer, const SQdRecordNode& record) {
  writer.Attribute("Position", record.positions);
  writer.RealAttribute("Quantity", record.quantity * record.count);
  writer.Attribute("Handle", record.handles);
  writer.Attribute("Formula", CutAtBars(record.description));
}

SQdRecordNode ReadRoomRecord(pugi::xml_node element) {
  SQdRecordNode record;
  ReadAttributes(element, {{"Position", &record.positions},
                           {"Quantity", &record.quantity},
                           {"Handle", &record.handles},
                           {"Formula", &record.description}});
  ForEachChildElement(element, [](pugi::xml_node) {});
  // Merged instances left one position each, joined by "$": the count comes
  // back from them, and the piece quantity from the counted one.
  for (const char ch : record.positions) record.count += ch == '$' ? 1 : 0;
  record.quantity /= record.count;
  return record;
}

// Room table 1.

void WriteRoomQuota(XmlWriter& writer, const SDeItemNode& quota) {
  WriteQuotaKey(writer, quota);
  writer.Attribute("QdID", quota.bill_code);
  WriteCategories(writer, quota.categories);
  WriteNumbered(writer, "Floor", quota.floors, [&](const SQdFloorNode& floor) {
    writer.Attribute("Name", floor.floor_text);
    writer.Attribute("Unit", floor.unit);
    writer.IntAttribute("Num", floor.count);
    writer.IntAttribute("Grade", floor.order_key);
    WriteNumbered(writer, "Floor", floor.components, [&](const SQdCompNode& component) {
      writer.Attribute("Pos", component.sub_type);
      WriteComponent(writer, component, "Name", "Type", "Rec",
                     [&](const SQdRecordNode& record) { WriteRoomRecord(writer, record); });
    });
  });
}

void WriteRoom(XmlWriter& writer, const SDeChapterNode& room) {
  writer.Attribute("Name", room.name);
  WriteNumbered(writer, "Type", room.items,
                [&](const SDeItemNode& quota) { WriteRoomQuota(writer, quota); });
}

SQdCompNode ReadRoomComponent(pugi::xml_node element) {
  SQdCompNode component;
  ReadAttributes(
      element,
      {{"Pos", &component.sub_type}, {"Name", &component.name}, {"Type", &component.type_path}});
  ForEachChildElement(
      element, [&](pugi::xml_node record) { component.records.push_back(ReadRoomRecord(record)); });
  return component;
}

SQdFloorNode ReadRoomFloor(pugi::xml_node element) {
  SQdFloorNode floor;
  ReadAttributes(element, {{"Name", &floor.floor_text},
                           {"Unit", &floor.unit},
                           {"Num", &floor.count},
                           {"Grade", &floor.order_key}});
  ForEachChildElement(element, [&](pugi::xml_node component) {
    floor.components.push_back(ReadRoomComponent(component));
  });
  return floor;
}

SDeItemNode ReadRoomQuota(pugi::xml_node element) {
  SDeItemNode quota;
  ReadAttributes(element, {{"ID", &quota.code},
                           {"Name", &quota.name},
                           {"Unit", &quota.unit},
                           {"QdID", &quota.bill_code}});
  ReadChildrenWithGroup(
      element, "DeCategory", [&](pugi::xml_node group) { ReadCategories(group, quota.categories); },
      [&](pugi::xml_node floor) { quota.floors.push_back(ReadRoomFloor(floor)); });
  return quota;
}

void ReadRoom(pugi::xml_node element, SDeChapterNode& room) {
  ReadAttributes(element, {{"Name", &room.name}});
  room.order_id = room.name;
  ForEachChildElement(element,
                      [&](pugi::xml_node quota) { room.items.push_back(ReadRoomQuota(quota)); });
}

// Room table 2.

void WritePlace(XmlWriter& writer, const RoomPlace& place) {
  writer.Attribute("Name", place.name);
  writer.Attribute("Pos", place.room);
  writer.Attribute("Type", place.type_path);
  writer.Attribute("Handle", place.second);
  WriteNumbered(writer, "De", place.quotas, [&](const SDeCalcQuotaNode& quota) {
    WriteQuotaKey(writer, quota);
    writer.IntAttribute("Num", quota.num);
    WriteCategories(writer, quota.categories);
    WriteNumbered(writer, "Floor", quota.records, [&](const SQdRecordNode& record) {
      WriteRoomRecord(writer, record);
      writer.Attribute("Type", place.type_path);
    });
  });
}

void WriteRoomFloor(XmlWriter& writer, const RoomFloor& floor) {
  WriteAreaFloorHead(writer, floor);
  WriteNumbered(writer, "Floor", floor.rooms, [&](const RoomGroup& room) {
    writer.Attribute("Type", room.room);
    WriteNumbered(writer, "Pos", room.places,
                  [&](const RoomPlace& place) { WritePlace(writer, place); });
  });
}

SDeCalcQuotaNode ReadPlaceQuota(pugi::xml_node element) {
  SDeCalcQuotaNode quota;
  ReadAttributes(
      element,
      {{"ID", &quota.code}, {"Name", &quota.name}, {"Unit", &quota.unit}, {"Num", &quota.num}});
  ReadChildrenWithGroup(
      element, "DeCategory", [&](pugi::xml_node group) { ReadCategories(group, quota.categories); },
      [&](pugi::xml_node record) { quota.records.push_back(ReadRoomRecord(record)); });
  return quota;
}

RoomPlace ReadPlace(pugi::xml_node element) {
  RoomPlace place;
  ReadAttributes(element, {{"Name", &place.name},
                           {"Pos", &place.room},
                           {"Type", &place.type_path},
                           {"Handle", &place.second}});
  place.lookup =
      (place.name == kCustomPlace ? std::wstring() : place.name) + L'\x1F' + place.second;
  ForEachChildElement(element,
                      [&](pugi::xml_node quota) { place.quotas.push_back(ReadPlaceQuota(quota)); });
  return place;
}

void ReadRoomFloorGroup(pugi::xml_node element, RoomFloor& floor) {
  ReadAreaFloorHead(element, floor);
  ForEachChildElement(element, [&](pugi::xml_node room_element) {
    RoomGroup& room = floor.rooms.emplace_back();
    ReadAttributes(room_element, {{"Type", &room.room}});
    ForEachChildElement(room_element,
                        [&](pugi::xml_node place) { room.places.push_back(ReadPlace(place)); });
  });
}

}  // namespace

void WriteRoomTable1(std::wstring_view dir, const RoomTables& rooms) {
  WriteTableFile(dir, kRoomTable1File, rooms.by_room(), WriteRoom);
}

void ReadRoomTable1(std::wstring_view dir, RoomTables& rooms) {
  std::vector<SDeChapterNode> read;
  ReadTopLevelNodes(dir, kRoomTable1File.file_name, read, ReadRoom);
  for (SDeChapterNode& room : read) rooms.by_room().push_back(std::move(room));
}

void WriteRoomTable2(std::wstring_view dir, const RoomTables& rooms) {
  WriteTableFile(dir, kRoomTable2File, rooms.by_floor(), WriteRoomFloor);
}

void ReadRoomTable2(std::wstring_view dir, RoomTables& rooms) {
  std::vector<RoomFloor> read;
  ReadTopLevelNodes(dir, kRoomTable2File.file_name, read, ReadRoomFloorGroup);
  for (RoomFloor& floor : read) rooms.by_floor().push_back(std::move(floor));
}

}  // namespace reportdata
