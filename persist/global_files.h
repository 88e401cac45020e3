// The two small files that accompany the table files: "\GlobalParas.xml"
// keeps the project's partition names (工程分区), "\CalFloor.xml" the names
// of the calculated floors. Both restore engine state the tables refer to.
// Writers throw TableFileError when a save fails; readers skip a missing or
// unparsable file and throw TableFileError for one with a foreign root or a
// child that is not an element.
#ifndef REPORTDATA_PERSIST_GLOBAL_FILES_H_
#define REPORTDATA_PERSIST_GLOBAL_FILES_H_

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "reportdata/framework.h"

namespace reportdata {

inline constexpr wchar_t kGlobalParasFile[] = L"\\GlobalParas.xml";
inline constexpr wchar_t kCalFloorFile[] = L"\\CalFloor.xml";

// Root "全局数据", one "工程分区", one "分区数据" per partition in set order.
void WriteGlobalParas(std::wstring_view dir, const std::set<std::wstring>& partitions);
// Replaces partitions with the names of the file, which are read from the
// first attribute of each child of the root's first child when that child is
// "工程分区"; with any other first child the set ends empty. A name longer
// than 1 MiB makes the file damaged (TableFileError); the set stays as it was.
void ReadGlobalParas(std::wstring_view dir, std::set<std::wstring>& partitions);

// Root "工程数据" with "Version" = "1", one "Floor%d" from 0 per floor.
void WriteCalFloor(std::wstring_view dir, const std::vector<CString>& floors);
// Appends the value of every "FloorName" attribute of the root's children.
void ReadCalFloor(std::wstring_view dir, std::vector<CString>& floors);

}  // namespace reportdata

#endif  // REPORTDATA_PERSIST_GLOBAL_FILES_H_
