// Building calculation-result records for table tests.
#ifndef REPORTDATA_TESTS_SUPPORT_RECORDS_H_
#define REPORTDATA_TESTS_SUPPORT_RECORDS_H_

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
    TJQd record = Base();
    record.kind = L"1";
    record.billCode = code;
    record.billName = name;
    record.billUnit = unit;
    return record;
  }
  TJQd Quota(std::wstring code, std::wstring name, std::wstring unit = L"m3") const {
    TJQd record = Base();
    record.kind = L"2";
    record.quotaCode = code;
    record.quotaName = name;
    record.quotaUnit = unit;
    return record;
  }

 private:
  TJQd Base() const {
    TJQd record;
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
  std::vector<std::wstring> out;
  for (INT_PTR i = 0; i + columns <= array.GetSize(); i += columns) {
    std::wstring row;
    for (int j = 0; j < columns; ++j) {
      if (j > 0) row += L'|';
      row += array[i + j].str();
    }
    out.push_back(row);
  }
  return out;
}

inline CStringArray Array(std::initializer_list<const wchar_t*> texts) {
  CStringArray out;
  for (const wchar_t* text : texts) out.Add(text);
  return out;
}

}  // namespace reportdata::testing

#endif  // REPORTDATA_TESTS_SUPPORT_RECORDS_H_
