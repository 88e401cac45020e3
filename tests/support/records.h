// Building calculation-result records for table tests.
#ifndef REPORTDATA_TESTS_SUPPORT_RECORDS_H_
#define REPORTDATA_TESTS_SUPPORT_RECORDS_H_

#include <array>
#include <string>
#include <vector>

#include "reportdata/framework.h"
#include "reportdata/records.h"

// Tests name only the fields of Rec they care about ({.floor = L"2,5"}); g++
// reports the rest as missing although each has its default.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace reportdata::testing {

// A record with the fields most tests need; further fields are set on the
// returned value.
struct Rec {
  std::wstring floor = L"1";
  std::wstring component = L"墙1";
  std::wstring type_path = L"Q\\TWQ";
  std::wstring quantity = L"1";
  std::wstring position = L"A/1";
  std::wstring handle = L"h";
  std::wstring description;

  TJQd Bill(std::wstring code, std::wstring name, std::wstring unit = L"m3") const {
    return Item(L"1", {&TJQd::billCode, &TJQd::billName, &TJQd::billUnit}, {code, name, unit});
  }
  TJQd Quota(std::wstring code, std::wstring name, std::wstring unit = L"m3") const {
    return Item(L"2", {&TJQd::quotaCode, &TJQd::quotaName, &TJQd::quotaUnit}, {code, name, unit});
  }

 private:
  // A record of the kind with its code, name and unit in the given fields.
  TJQd Item(const wchar_t* kind, std::array<CString TJQd::*, 3> fields,
            std::array<std::wstring, 3> texts) const {
    TJQd record;
    record.kind = kind;
    for (size_t i = 0; i < fields.size(); ++i) record.*fields[i] = texts[i];
    record.floor = floor;
    record.componentName = component;
    record.typePath = type_path;
    record.quantity = quantity;
    record.position = position;
    record.handle = handle;
    record.description = description;
    return record;
  }
};

inline SNYTJFenQuInfo Share(std::wstring name, double quantity, std::wstring text = L"") {
  SNYTJFenQuInfo share;
  share.name = name;
  share.quantity = quantity;
  share.formula = text;
  return share;
}

// A record filed under the cloud-index calculation item and sub-code given.
inline TJQd Calc(TJQd record, const wchar_t* item, const wchar_t* sub_code = L"1") {
  record.calcItem = item;
  record.subCode = sub_code;
  return record;
}

// The texts of any list of CString (CStringArray, CArray, std::vector).
template <typename List>
std::vector<std::wstring> Texts(const List& list) {
  std::vector<std::wstring> out;
  for (const CString& text : list) out.push_back(text.str());
  return out;
}

inline std::wstring Joined(const std::vector<std::wstring>& texts) {
  std::wstring out;
  for (size_t i = 0; i < texts.size(); ++i) out.append(i == 0 ? L"" : L"|").append(texts[i]);
  return out;
}

// The rows of a layout A answer, each row's cells joined by "|".
inline std::vector<std::wstring> Rows(const CStringArray& array, int columns) {
  const std::vector<std::wstring> texts = Texts(array);
  std::vector<std::wstring> out;
  for (size_t i = 0; i + columns <= texts.size(); i += columns)
    out.push_back(Joined({texts.begin() + i, texts.begin() + i + columns}));
  return out;
}

inline CStringArray Array(std::initializer_list<const wchar_t*> texts) {
  CStringArray out;
  for (const wchar_t* text : texts) out.Add(text);
  return out;
}

}  // namespace reportdata::testing

#endif  // REPORTDATA_TESTS_SUPPORT_RECORDS_H_
