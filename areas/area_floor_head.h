// The head every floor entry of the tables of areas begins with (building
// area, doors and windows, rooms, index analysis, component table): the
// floor text as the records give it, the storeys it stands for and its order
// key. The tables derive their floor entries from it; persist/ reads and
// writes its attributes in one place.
#ifndef REPORTDATA_AREAS_AREA_FLOOR_HEAD_H_
#define REPORTDATA_AREAS_AREA_FLOOR_HEAD_H_

#include <string>
#include <string_view>

#include "keys/floor_text.h"

namespace reportdata {

struct AreaFloorHead {
  std::wstring label;  // floor text: 1, 3,5, 3/5/7
  int num = 1;         // storeys the label stands for
  int grade = -1000;   // order key of the label
};

// A floor entry of the label, its storeys and order key read from it.
template <typename Floor>
Floor MakeFloor(std::wstring_view label) {
  Floor floor;
  const FloorKey key = ParseFloorKey(label);
  static_cast<AreaFloorHead&>(floor) = AreaFloorHead{std::wstring(label), key.count, key.order_key};
  return floor;
}

}  // namespace reportdata

#endif  // REPORTDATA_AREAS_AREA_FLOOR_HEAD_H_
