// The operations that the facades of the tree tables answer alike, each
// forwarded to the one engine with the table's type code. A facade's own
// operations (its layout B and condition queries, whose names differ from
// class to class) are written out beside these.
#ifndef REPORTDATA_ENGINE_FACADE_FORWARDERS_H_
#define REPORTDATA_ENGINE_FACADE_FORWARDERS_H_

#include "engine/analyze.h"
#include "engine/table_definitions.h"

// GetparaNum (the width of the table's catalogue entry), GetTreeItem, both
// GetItemData and GetTotalData of Facade.
#define REPORTDATA_TREE_TABLE_FORWARDERS(Facade, code)                                       \
  int Facade::GetparaNum() { return reportdata::WidthOf(code); }                             \
  void Facade::GetTreeItem(CStringArray& items) {                                            \
    reportdata::GetEngine()->GetTreeItem(items, code);                                       \
  }                                                                                          \
  void Facade::GetItemData(CString name, CStringArray& rows) {                               \
    reportdata::GetEngine()->GetItemData(name, rows, code);                                  \
  }                                                                                          \
  void Facade::GetTotalData(CStringArray& rows) {                                            \
    reportdata::GetEngine()->GetTotalData(rows, code);                                       \
  }                                                                                          \
  void Facade::GetItemData(CStringArray& floors, CStringArray& second, CStringArray& rows) { \
    reportdata::GetEngine()->GetItemData(floors, second, rows, code);                        \
  }

// GetHandles of Facade, reading the row as the table of handle_code lays it out.
#define REPORTDATA_HANDLE_FORWARDER(Facade, handle_code)                                     \
  void Facade::GetHandles(CStringArray& rowCells, CString& handles, CString& floor,          \
                          CStringArray& out, CStringArray& unused) {                         \
    reportdata::GetEngine()->GetHandles(rowCells, handles, floor, out, unused, handle_code); \
  }

// The layout B rows of one item and of a selection of Facade, then their
// calculation-sheet forms, under the names the class gives them.
#define REPORTDATA_STREAM_FORWARDERS(Facade, Stream, Selection, StreamJss, SelectionJss, code, \
                                     jss_code)                                                 \
  void Facade::Stream(CString name, CStringArray& rows) {                                      \
    reportdata::GetEngine()->GetNewItemData(name, rows, code);                                 \
  }                                                                                            \
  void Facade::Selection(CStringArray& rows, CStringArray& floors, CStringArray& second,       \
                         const CString& condition) {                                           \
    reportdata::GetEngine()->GetDataByCondition(rows, floors, second, code, condition);        \
  }                                                                                            \
  void Facade::StreamJss(CString name, CStringArray& rows) {                                   \
    reportdata::GetEngine()->GetNewItemData(name, rows, jss_code);                             \
  }                                                                                            \
  void Facade::SelectionJss(CStringArray& rows, CStringArray& floors, CStringArray& second,    \
                            const CString& condition) {                                        \
    reportdata::GetEngine()->GetDataByCondition(rows, floors, second, jss_code, condition);    \
  }

// The same for the floor-based quota tables, whose selections take no
// condition and answer through overloads of the stream operations.
#define REPORTDATA_FLOOR_STREAM_FORWARDERS(Facade, code, jss_code)                                 \
  void Facade::GetNewItemData(CString name, CStringArray& rows) {                                  \
    reportdata::GetEngine()->GetNewItemData(name, rows, code);                                     \
  }                                                                                                \
  void Facade::GetNewItemData(CStringArray& floors, CStringArray& second, CStringArray& rows) {    \
    reportdata::GetEngine()->GetDataByCondition(floors, second, rows, code, CString());            \
  }                                                                                                \
  void Facade::GetNewItemDataJSS(CString name, CStringArray& rows) {                               \
    reportdata::GetEngine()->GetNewItemData(name, rows, jss_code);                                 \
  }                                                                                                \
  void Facade::GetNewItemDataJSS(CStringArray& floors, CStringArray& second, CStringArray& rows) { \
    reportdata::GetEngine()->GetDataByCondition(floors, second, rows, jss_code, CString());        \
  }

// All that the chapter summaries of both sides (bill summary, quota summary)
// forward: the tree table operations, the streams under the names Facade
// gives them, the handles, and the component summary of the side
// (summary_code; a floor and name selection and the group list are those of
// code 14 on both sides).
#define REPORTDATA_CHAPTER_SUMMARY_FORWARDERS(Facade, Stream, StreamJss, code, jss_code,     \
                                              summary_code)                                  \
  REPORTDATA_TREE_TABLE_FORWARDERS(Facade, code)                                             \
  REPORTDATA_STREAM_FORWARDERS(Facade, Stream, GetDataByCondition, StreamJss,                \
                               GetJSSDataByCondition, code, jss_code)                        \
  REPORTDATA_HANDLE_FORWARDER(Facade, code)                                                  \
  void Facade::GetGJHZ(CString name, CStringArray& rows) {                                   \
    reportdata::GetEngine()->GetNewItemData(name, rows, summary_code);                       \
  }                                                                                          \
  void Facade::GetGJHZ(CStringArray& floors, CStringArray& components, CStringArray& rows) { \
    reportdata::GetEngine()->GetDataByCondition(floors, components, rows, 14, CString());    \
  }                                                                                          \
  void Facade::GetMemTreeItem(CStringArray& items) {                                         \
    reportdata::GetEngine()->GetTreeItem(items, 14);                                         \
  }

#endif  // REPORTDATA_ENGINE_FACADE_FORWARDERS_H_
