// The component table (构件表): components counted by category, floor,
// component name, type path and type text, once per drawing handle, so that
// a wall listed under three quota items counts as one wall. It is filled
// from the component summary after each build and kept in "\CompTable.xml";
// its rows are written by rows/component_table_rows.cc. The engine owns one
// table.
#ifndef REPORTDATA_AREAS_COMPONENT_TABLE_H_
#define REPORTDATA_AREAS_COMPONENT_TABLE_H_

#include <string>
#include <string_view>
#include <vector>

#include "areas/area_floor_head.h"
#include "areas/handle_list.h"
#include "keys/hash_index.h"
#include "model/report_tree.h"
#include "reportdata/framework.h"

namespace reportdata {

struct SCompSection {
  int count = 0;  // pieces: distinct drawing handles
  PooledText name;
  PooledText type_path;
  PooledText type_text;
  HandleList handles;
};

struct SCompFloor : AreaFloorHead {
  std::vector<SCompSection> sections;
  HashIndex section_index;  // by name, type path and type text
};

struct SCompGroup {
  std::wstring name;  // component category
  int order = 0;      // from the attribute-template service
  std::vector<SCompFloor> floors;
  HashIndex floor_index;  // by label
};

// The record a section entry is keyed by, with one drawing handle.
struct CompRecord {
  std::wstring_view category;
  int order = 0;  // used when the category starts a group
  std::wstring_view floor;
  PooledText name;
  PooledText type_path;
  PooledText type_text;
  std::string_view handle;  // UTF-8
  int count = 1;
};

class ComponentTable {
 public:
  const std::vector<SCompGroup>& groups() const { return groups_; }

  // Adds a record: its count joins the section unless the section already
  // lists its handle.
  void Add(const CompRecord& record);
  // Adds every instance of the component summary.
  void AddSummary(const std::vector<GjhzGroupNode>& summary);
  // Appends a group as the table file holds it.
  void AppendGroup(SCompGroup group);
  void Clear();

  // Appends, for the group of that category (every group when `category` is
  // empty) in the order of the attribute templates, then by name: the
  // category line "#ZhangFlag#", category, then the group's rows.
  void Stream(std::wstring_view category, CStringArray& out) const;

 private:
  // The rows below the category line of a group: per floor (sorted by grade)
  // "#FloorFlag#", label, pieces, "%d×%d" when the floor stands for several
  // storeys; per section (by name) "#RecordFlag#", name, pieces × storeys,
  // type text ("" for "异形"), "%d×%d" for several storeys.
  void StreamGroup(const SCompGroup& group, CStringArray& out) const;
  // The section of the record's category, floor, name, type path and type
  // text, made when missing.
  SCompSection& FindOrAddSection(const CompRecord& record);

  std::vector<SCompGroup> groups_;
  HashIndex group_index_;  // by category
};

}  // namespace reportdata

#endif  // REPORTDATA_AREAS_COMPONENT_TABLE_H_
