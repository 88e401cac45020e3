// The files of the physical-quantity tables: the concrete tables
// "\TongTableqd.xml" (bill side) and "\TongTablede.xml" (quota side), and the
// decoration tables "\DecTableqd.xml" and "\DecTablede.xml". Writers save the
// whole file or leave the old one (TableFileError on failure); readers append
// what the file holds to the table, skip a missing or unparsable file and
// throw TableFileError for a file of foreign shape, with the limits of every
// table file (xml_reader.h).
#ifndef REPORTDATA_PERSIST_PHYSICAL_TABLE_FILES_H_
#define REPORTDATA_PERSIST_PHYSICAL_TABLE_FILES_H_

#include <string_view>

#include "areas/decoration_table.h"
#include "model/concrete_table.h"
#include "persist/table_file.h"

namespace reportdata {

inline constexpr TableFileLayout kBillDecorationFile{L"\\DecTableqd.xml", "实物量表", "Chapter"};
inline constexpr TableFileLayout kQuotaDecorationFile{L"\\DecTablede.xml", "实物量表", "Chapter"};

// Floors as "Chapter%d" from 1, each with its groups, items, components,
// positions, grades and partition quantities.
void WriteConcreteTable(std::wstring_view dir, const TableFileLayout& layout,
                        const STongTable& table);
void ReadConcreteTable(std::wstring_view dir, const TableFileLayout& layout, STongTable& table);

// Kinds as "Chapter%d" from 0, each with its attribute entries, rooms and
// floor quantities.
void WriteDecorationTable(std::wstring_view dir, const TableFileLayout& layout,
                          const SDecTable& table);
void ReadDecorationTable(std::wstring_view dir, const TableFileLayout& layout, SDecTable& table);

}  // namespace reportdata

#endif  // REPORTDATA_PERSIST_PHYSICAL_TABLE_FILES_H_
