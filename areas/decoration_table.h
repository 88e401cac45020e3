// The decoration table (SDecTable): finish areas in square metres by
// decoration kind (楼地面, 天棚, 外墙面…), attribute entry (component name and
// type path), room and floor. The engine owns one per side, fed by bill
// records and by quota records during the builds; the table files write and
// read it and the decoration report (DecorationRows) reads it. Every list
// keeps a lookup index so that filing a record never scans a growing list.
#ifndef REPORTDATA_AREAS_DECORATION_TABLE_H_
#define REPORTDATA_AREAS_DECORATION_TABLE_H_

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "keys/hash_index.h"
#include "keys/pooled_text.h"
#include "reportdata/records.h"
#include "reportdata/report_types.h"

namespace reportdata {

// One decoration kind: the surface component code that files under it.
struct DecorationKind {
  std::wstring_view code;  // type path + sub-code: "ZS\DMS28"
  std::wstring_view name;  // "楼地面"
  int order;
  bool room_flag;  // the kind belongs to rooms: its report lists rooms
};

// The kind of a surface code, or nullptr.
const DecorationKind* FindDecorationKind(std::wstring_view code);

// True for the base-layer codes ("ZS\DMS27"…), which file under the kind of
// their surface ("ZS\DMS28").
bool IsBaseLayerCode(std::wstring_view code);

// Where a finish lies: what the table keeps of a record besides its area.
struct DecorationPlace {
  PooledText component;  // component name
  PooledText type_path;
  PooledText room;
  PooledText floor;
};

struct DecorationFloor {
  PooledText label;  // floor text of the records
  double quantity = 0.0;
};

struct DecorationRoom {
  PooledText name;  // empty for finishes outside every room
  std::vector<DecorationFloor> floors;
  HashIndex floor_index;
};

struct DecorationAttribute {
  PooledText name;       // component name
  PooledText type_path;  // component type path
  std::vector<DecorationRoom> rooms;
  HashIndex room_index;
};

struct DecorationChapter {
  PooledText kind;  // kind name
  int order = 0;
  bool room_flag = false;
  std::vector<DecorationAttribute> attributes;
  HashIndex attribute_index;
};

class SDecTable {
 public:
  // Adds `quantity` square metres at place to the chapter of `kind`.
  void Add(const DecorationPlace& place, const DecorationKind& kind, double quantity);
  // Sorts chapters by kind order (stable).
  void Sort();
  void Clear();

  // The chapters; a table file reader appends to them.
  std::vector<DecorationChapter>& chapters() { return chapters_; }
  const std::vector<DecorationChapter>& chapters() const { return chapters_; }

 private:
  std::vector<DecorationChapter> chapters_;
  HashIndex chapter_index_;
};

// Row texts of the decoration report.
inline constexpr wchar_t kNoRoom[] = L"无房间";
inline constexpr wchar_t kFloorSubtotal[] = L"楼层小计(m2)";

// The decoration report: for each floor (the requested ones, or every floor
// label of the table by floor order) and each chapter, one row per attribute
// entry and room with a quantity there; a room kind names a finish outside
// every room "无房间" and closes the floor with "楼层小计(m2)", other kinds
// leave the room empty and have no subtotal. A floor label's quantity counts
// once per floor it stands for; a requested single floor that a range covers
// takes one floor's quantity. Clears `rows`; adds kind order → kind name to
// `kinds` for every chapter that gives a row.
void DecorationRows(const SDecTable& table, const SWLReportInputInfo& input,
                    std::map<int, CString>& kinds, CArray<SWLReportDecSmallInfo>& rows);

}  // namespace reportdata

#endif  // REPORTDATA_AREAS_DECORATION_TABLE_H_
