#include "engine/handle_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/analyze.h"
#include "support/records.h"

namespace reportdata {
namespace {

using testing::Array;
using testing::Texts;

std::vector<std::wstring> Parsed(const std::wstring& handles) {
  CStringArray out;
  CString floor;
  ParseHandles(0, Array({L"3层"}), CString(handles), floor, out);
  return Texts(out);
}

// The engine's handle query of a table type code, which reads the floor from
// the cell the code's table definition names.
void EngineHandles(int code, const CStringArray& row, const CString& handles, CString& floor,
                   CStringArray& out) {
  CStringArray cells;
  for (INT_PTR i = 0; i < row.GetSize(); ++i) cells.Add(row[i]);
  CString text = handles;
  CStringArray unused;
  GetEngine()->GetHandles(cells, text, floor, out, unused, code);
}

TEST(HandleTextTest, ExpandsEachGroupsHandlesWithItsTexts) {
  EXPECT_EQ(Parsed(L"1F2A￥KL1(2)￥C30"), (std::vector<std::wstring>{L"1F2A", L"KL1(2)", L"C30"}));
  // Empty handles between "$" are skipped; empty texts stay.
  EXPECT_EQ(Parsed(L"$A$$B$￥￥$C￥t1￥"),
            (std::vector<std::wstring>{L"A", L"", L"", L"B", L"", L"", L"C", L"t1", L""}));
  EXPECT_EQ(Parsed(L""), std::vector<std::wstring>{});
}

TEST(HandleTextTest, MalformedTextEndsWithoutReadingPastIt) {
  // A last group without "￥" has no texts and adds nothing.
  EXPECT_EQ(Parsed(L"A￥x￥y$B$C"), (std::vector<std::wstring>{L"A", L"x", L"y"}));
  EXPECT_EQ(Parsed(L"A$B"), std::vector<std::wstring>{});
  // A group with one "￥" has an empty second text.
  EXPECT_EQ(Parsed(L"A￥x"), (std::vector<std::wstring>{L"A", L"x", L""}));
  // Extra "￥" go to the second text.
  EXPECT_EQ(Parsed(L"A￥x￥y￥z"), (std::vector<std::wstring>{L"A", L"x", L"y￥z"}));
  EXPECT_EQ(Parsed(L"￥￥￥$$￥"), std::vector<std::wstring>{});
  EXPECT_EQ(Parsed(L"A￥"), (std::vector<std::wstring>{L"A", L"", L""}));
}

TEST(HandleTextTest, FloorComesFromTheCodesCellCutBeforeCeng) {
  const CStringArray row = Array({L"-1层", L"5", L"2,5层", L"3层/4层", L"no floor"});
  const struct {
    int code;
    const wchar_t* floor;
  } cases[] = {{0, L"-1"},  {7, L"-1"},  {12, L"-1"},  {1, L"2,5"},
               {3, L"2,5"}, {6, L"2,5"}, {11, L"2,5"}, {2, L"3"}};
  for (const auto& c : cases) {
    CString floor = L"old";
    CStringArray out;
    EngineHandles(c.code, row, CString(L"H￥a￥b"), floor, out);
    EXPECT_EQ(floor, c.floor) << c.code;
    EXPECT_EQ(Texts(out), (std::vector<std::wstring>{L"H", L"a", L"b"})) << c.code;
  }

  CString floor = L"old";
  CStringArray out;
  EngineHandles(1, Array({L"", L"", L"屋面"}), CString(), floor, out);
  EXPECT_EQ(floor, L"");
  EngineHandles(2, Array({L"1层"}), CString(), floor = L"old", out);  // row too short
  EXPECT_EQ(floor, L"");
  EngineHandles(0, CStringArray(), CString(), floor = L"old", out);
  EXPECT_EQ(floor, L"");
  EXPECT_EQ(out.GetSize(), 0);
}

TEST(HandleTextTest, UnservedCodesLeaveOutputsAndOutIsAppended) {
  const CStringArray row = Array({L"1层", L"1层", L"1层", L"1层"});
  for (int code : {13, 4, 5, 10, 14, 21, -1}) {
    CString floor = L"keep";
    CStringArray out = Array({L"prior"});
    EngineHandles(code, row, CString(L"A￥x￥y"), floor, out);
    EXPECT_EQ(floor, L"keep") << code;
    EXPECT_EQ(Texts(out), std::vector<std::wstring>{L"prior"}) << code;
  }
  CString floor;
  CStringArray out = Array({L"prior"});
  EngineHandles(12, row, CString(L"A￥x￥y"), floor, out);
  EngineHandles(12, row, CString(L"B￥u￥v"), floor, out);
  EXPECT_EQ(Texts(out), (std::vector<std::wstring>{L"prior", L"A", L"x", L"y", L"B", L"u", L"v"}));
  EXPECT_EQ(floor, L"1");
}

}  // namespace
}  // namespace reportdata
