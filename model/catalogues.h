// The two fixed catalogues that name what calculation results speak of by
// number: component kinds (type number to code such as "Q\TWQ", category path
// such as "墙\砼外墙" and drawing layer names) and calculation items (id to
// display name such as "实体模板"). Both are constant, built into the module
// and shared by every table builder; the texts live for the whole process.
#ifndef REPORTDATA_MODEL_CATALOGUES_H_
#define REPORTDATA_MODEL_CATALOGUES_H_

#include <span>
#include <string_view>

namespace reportdata {

// One component kind. Kinds that exist only as sub-parts have an empty code.
struct ComponentKind {
  int id;                         // component type number of the calculation database
  std::wstring_view code;         // category letters, "\", the kind's initials
  std::wstring_view path;         // category name, "\", kind name
  std::wstring_view layer_names;  // one layer name or several joined by ","
};

// One calculation item (solid volume, formwork, plaster...).
struct CalcItem {
  std::wstring_view name;  // display name; empty for id 70
  int id;
};

// Every component kind in catalogue order (108 rows).
std::span<const ComponentKind> ComponentKinds();

// Every calculation item in catalogue order (163 rows).
std::span<const CalcItem> CalcItems();

// The first kind carrying type_number, or nullptr when none does. Constant
// time after the first call.
const ComponentKind* FindComponentKind(int type_number);

// The name of the calculation item whose id is the leading integer of id_text
// (blanks and a sign allowed, 0 when there are no digits); empty for an id no
// row carries and for id 70. Constant time after the first call.
std::wstring_view CalcItemName(std::wstring_view id_text);

// The name of the calculation item with this id; empty when none.
std::wstring_view CalcItemName(int id);

}  // namespace reportdata

#endif  // REPORTDATA_MODEL_CATALOGUES_H_
