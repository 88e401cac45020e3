// "\CompTable.xml", the component table: "Chapter%d" from 1 per category
// ("N", "Grade" its order), "Qd%d" per floor ("Name", "Num", "Grade"),
// "Floor%d" per section ("Name", "Num" its pieces, "Type" the type path,
// "SecSize" the type text) and "Handle%d" per counted handle ("H").
#ifndef REPORTDATA_PERSIST_COMPONENT_TABLE_FILE_H_
#define REPORTDATA_PERSIST_COMPONENT_TABLE_FILE_H_

#include <string_view>

#include "areas/component_table.h"

namespace reportdata {

void WriteComponentTable(std::wstring_view dir, const ComponentTable& table);
// Appends the file's groups with their sections, handles included, so that a
// reloaded table counts on as the built one; throws TableFileError for a
// file of foreign shape after appending the groups before the fault.
void ReadComponentTable(std::wstring_view dir, ComponentTable& table);

}  // namespace reportdata

#endif  // REPORTDATA_PERSIST_COMPONENT_TABLE_FILE_H_
