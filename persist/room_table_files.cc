// "\room1.xml" and "\room2.xml": the two room tables.
#include "model/tree_insert.h"
#include "persist/area_table_files.h"
#include "persist/report_table_files.h"
#include "persist/tree_nodes.h"

namespace reportdata {
namespace {

// Calls read(attribute) for every attribute of element.
template <typename Read>
void ForEachAttribute(pugi::xml_node element, Read&& read) {
  for (const pugi::xml_attribute attribute : element.attributes()) read(attribute);
}

void WriteRoomRecord(XmlWriter& writer, const SQdRecordNode& record) {
  writer.Attribute("Position", record.positions);
  writer.RealAttribute("Quantity", record.quantity * record.count);
  writer.Attribute("Handle", record.handles);
  writer.Attribute("Formula", CutAtBars(record.description));
}

SQdRecordNode ReadRoomRecord(pugi::xml_node element) {
  SQdRecordNode record;
  ForEachAttribute(element, [&](const pugi::xml_attribute& attribute) {
    if (NameIs(attribute, "Position")) {
      record.positions = WideValue(attribute);
    } else if (NameIs(attribute, "Quantity")) {
      record.quantity = LeadingReal(attribute.value());
    } else if (NameIs(attribute, "Handle")) {
      record.handles = WideValue(attribute);
    } else if (NameIs(attribute, "Formula")) {
      record.description = WideValue(attribute);
    }
  });
  ForEachChildElement(element, [](pugi::xml_node) {});
  // Merged instances left one position each, joined by "$": the count comes
  // back from them, and the piece quantity from the counted one.
  for (const wchar_t ch : record.positions) record.count += ch == L'$' ? 1 : 0;
  record.quantity /= record.count;
  return record;
}

// The quota key attributes both files share.
template <typename Quota>
bool ReadQuotaKey(const pugi::xml_attribute& attribute, Quota& quota) {
  if (NameIs(attribute, "ID")) {
    quota.code = WideValue(attribute);
  } else if (NameIs(attribute, "Name")) {
    quota.name = WideValue(attribute);
  } else if (NameIs(attribute, "Unit")) {
    quota.unit = WideValue(attribute);
  } else {
    return false;
  }
  return true;
}

// Room table 1.

void WriteRoomQuota(XmlWriter& writer, const SDeItemNode& quota) {
  writer.Attribute("ID", quota.code);
  writer.Attribute("Name", quota.name);
  writer.Attribute("Unit", quota.unit);
  writer.Attribute("QdID", quota.bill_code);
  WriteCategories(writer, quota.categories);
  long long floor_number = 0;
  for (const SQdFloorNode& floor : quota.floors) {
    writer.StartElement("Floor", floor_number++);
    writer.Attribute("Name", floor.floor_text);
    writer.Attribute("Unit", floor.unit);
    writer.IntAttribute("Num", floor.count);
    writer.IntAttribute("Grade", floor.order_key);
    long long component_number = 0;
    for (const SQdCompNode& component : floor.components) {
      writer.StartElement("Floor", component_number++);
      writer.Attribute("Pos", component.sub_type);
      WriteComponent(writer, component, "Name", "Type", "Rec",
                     [&](const SQdRecordNode& record) { WriteRoomRecord(writer, record); });
      writer.EndElement();
    }
    writer.EndElement();
  }
}

void WriteRoom(XmlWriter& writer, const SDeChapterNode& room) {
  writer.Attribute("Name", room.name);
  long long number = 0;
  for (const SDeItemNode& quota : room.items) {
    writer.StartElement("Type", number++);
    WriteRoomQuota(writer, quota);
    writer.EndElement();
  }
}

SQdCompNode ReadRoomComponent(pugi::xml_node element) {
  SQdCompNode component;
  ForEachAttribute(element, [&](const pugi::xml_attribute& attribute) {
    if (NameIs(attribute, "Pos")) {
      component.sub_type = WideValue(attribute);
    } else if (NameIs(attribute, "Name")) {
      component.name = WideValue(attribute);
    } else if (NameIs(attribute, "Type")) {
      component.type_path = WideValue(attribute);
    }
  });
  ForEachChildElement(
      element, [&](pugi::xml_node record) { component.records.push_back(ReadRoomRecord(record)); });
  return component;
}

SQdFloorNode ReadRoomFloor(pugi::xml_node element) {
  SQdFloorNode floor;
  ForEachAttribute(element, [&](const pugi::xml_attribute& attribute) {
    if (NameIs(attribute, "Name")) {
      floor.floor_text = WideValue(attribute);
    } else if (NameIs(attribute, "Unit")) {
      floor.unit = WideValue(attribute);
    } else if (NameIs(attribute, "Num")) {
      floor.count = LeadingInt(attribute.value());
    } else if (NameIs(attribute, "Grade")) {
      floor.order_key = LeadingInt(attribute.value());
    }
  });
  ForEachChildElement(element, [&](pugi::xml_node component) {
    floor.components.push_back(ReadRoomComponent(component));
  });
  return floor;
}

SDeItemNode ReadRoomQuota(pugi::xml_node element) {
  SDeItemNode quota;
  ForEachAttribute(element, [&](const pugi::xml_attribute& attribute) {
    if (!ReadQuotaKey(attribute, quota) && NameIs(attribute, "QdID")) {
      quota.bill_code = WideValue(attribute);
    }
  });
  ReadChildrenWithGroup(
      element, "DeCategory", [&](pugi::xml_node group) { ReadCategories(group, quota.categories); },
      [&](pugi::xml_node floor) { quota.floors.push_back(ReadRoomFloor(floor)); });
  return quota;
}

void ReadRoom(pugi::xml_node element, SDeChapterNode& room) {
  ForEachAttribute(element, [&](const pugi::xml_attribute& attribute) {
    if (NameIs(attribute, "Name")) room.name = room.order_id = WideValue(attribute);
  });
  ForEachChildElement(element,
                      [&](pugi::xml_node quota) { room.items.push_back(ReadRoomQuota(quota)); });
}

// Room table 2.

void WritePlace(XmlWriter& writer, const RoomPlace& place) {
  writer.Attribute("Name", place.name);
  writer.Attribute("Pos", place.room);
  writer.Attribute("Type", place.type_path);
  writer.Attribute("Handle", place.second);
  long long quota_number = 0;
  for (const SDeCalcQuotaNode& quota : place.quotas) {
    writer.StartElement("De", quota_number++);
    writer.Attribute("ID", quota.code);
    writer.Attribute("Name", quota.name);
    writer.Attribute("Unit", quota.unit);
    writer.IntAttribute("Num", quota.num);
    WriteCategories(writer, quota.categories);
    long long record_number = 0;
    for (const SQdRecordNode& record : quota.records) {
      writer.StartElement("Floor", record_number++);
      WriteRoomRecord(writer, record);
      writer.Attribute("Type", place.type_path);
      writer.EndElement();
    }
    writer.EndElement();
  }
}

void WriteRoomFloor(XmlWriter& writer, const RoomFloor& floor) {
  writer.Attribute("Name", floor.label);
  writer.IntAttribute("Num", floor.num);
  writer.IntAttribute("Grade", floor.grade);
  long long room_number = 0;
  for (const RoomGroup& room : floor.rooms) {
    writer.StartElement("Floor", room_number++);
    writer.Attribute("Type", room.room);
    long long place_number = 0;
    for (const RoomPlace& place : room.places) {
      writer.StartElement("Pos", place_number++);
      WritePlace(writer, place);
      writer.EndElement();
    }
    writer.EndElement();
  }
}

SDeCalcQuotaNode ReadPlaceQuota(pugi::xml_node element) {
  SDeCalcQuotaNode quota;
  ForEachAttribute(element, [&](const pugi::xml_attribute& attribute) {
    if (!ReadQuotaKey(attribute, quota) && NameIs(attribute, "Num")) {
      quota.num = LeadingInt(attribute.value());
    }
  });
  ReadChildrenWithGroup(
      element, "DeCategory", [&](pugi::xml_node group) { ReadCategories(group, quota.categories); },
      [&](pugi::xml_node record) { quota.records.push_back(ReadRoomRecord(record)); });
  return quota;
}

RoomPlace ReadPlace(pugi::xml_node element) {
  RoomPlace place;
  ForEachAttribute(element, [&](const pugi::xml_attribute& attribute) {
    if (NameIs(attribute, "Name")) {
      place.name = WideValue(attribute);
    } else if (NameIs(attribute, "Pos")) {
      place.room = WideValue(attribute);
    } else if (NameIs(attribute, "Type")) {
      place.type_path = WideValue(attribute);
    } else if (NameIs(attribute, "Handle")) {
      place.second = WideValue(attribute);
    }
  });
  place.lookup =
      (place.name == kCustomPlace ? std::wstring() : place.name) + L'\x1F' + place.second;
  ForEachChildElement(element,
                      [&](pugi::xml_node quota) { place.quotas.push_back(ReadPlaceQuota(quota)); });
  return place;
}

void ReadRoomFloorGroup(pugi::xml_node element, RoomFloor& floor) {
  ForEachAttribute(element, [&](const pugi::xml_attribute& attribute) {
    if (NameIs(attribute, "Name")) {
      floor.label = WideValue(attribute);
    } else if (NameIs(attribute, "Num")) {
      floor.num = LeadingInt(attribute.value());
    } else if (NameIs(attribute, "Grade")) {
      floor.grade = LeadingInt(attribute.value());
    }
  });
  ForEachChildElement(element, [&](pugi::xml_node room_element) {
    RoomGroup& room = floor.rooms.emplace_back();
    ForEachAttribute(room_element, [&](const pugi::xml_attribute& attribute) {
      if (NameIs(attribute, "Type")) room.room = WideValue(attribute);
    });
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
