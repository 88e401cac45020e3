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

// The engine's handle query of a table type code, which reads the floor from
// the cell the code's table definition names; out is appended to.
void EngineHandles(int code, const CStringArray& row, const wchar_t* handles, CString& floor,
                   CStringArray& out) {
  CStringArray cells;
  for (INT_PTR i = 0; i < row.GetSize(); ++i) cells.Add(row[i]);
  CString text = handles;
  CStringArray unused;
  GetEngine()->GetHandles(cells, text, floor, out, unused, code);
}

TEST(HandleTextTest, ExpandsEachGroupsHandlesWithItsTexts) {
  const struct {
    const wchar_t* handles;
    std::vector<std::wstring> expanded;
  } cases[] = {
      {L"1F2A￥KL1(2)￥C30", {L"1F2A", L"KL1(2)", L"C30"}},
      // Empty handles between "$" are skipped; empty texts stay.
      {L"$A$$B$￥￥$C￥t1￥", {L"A", L"", L"", L"B", L"", L"", L"C", L"t1", L""}},
      {L"", {}},
      // A last group without "￥" has no texts and adds nothing.
      {L"A￥x￥y$B$C", {L"A", L"x", L"y"}},
      {L"A$B", {}},
      {L"￥￥￥$$￥", {}},
      // One "￥" leaves the second text empty; extra ones go to it.
      {L"A￥x", {L"A", L"x", L""}},
      {L"A￥x￥y￥z", {L"A", L"x", L"y￥z"}},
  };
  for (const auto& c : cases) {
    CStringArray out;
    CString floor;
    ParseHandles(0, Array({L"3层"}), CString(c.handles), floor, out);
    EXPECT_EQ(Texts(out), c.expanded) << c.handles;
  }
}

// The floor comes from the code's cell, cut before "层"; codes without a
// handle query leave floor and out alone.
TEST(HandleTextTest, FloorComesFromTheCodesCellCutBeforeCeng) {
  const CStringArray row = Array({L"-1层", L"5", L"2,5层", L"3层/4层", L"no floor"});
  const struct {
    int code;
    const wchar_t* floor;
  } cases[] = {{0, L"-1"},   {7, L"-1"},    {12, L"-1"},   {1, L"2,5"},   {3, L"2,5"},
               {6, L"2,5"},  {11, L"2,5"},  {2, L"3"},     {13, L"keep"}, {4, L"keep"},
               {5, L"keep"}, {10, L"keep"}, {14, L"keep"}, {21, L"keep"}, {-1, L"keep"}};
  for (const auto& c : cases) {
    CString floor = L"keep";
    CStringArray out = Array({L"prior"});
    EngineHandles(c.code, row, L"H￥a￥b", floor, out);
    EXPECT_EQ(floor, c.floor) << c.code;
    const bool served = floor != L"keep";
    EXPECT_EQ(Texts(out).size(), served ? 4u : 1u) << c.code;
  }
  // A cell without "层", a row too short and no row give no floor.
  for (const auto& [code, row_cells] :
       {std::pair{1, Array({L"", L"", L"屋面"})}, {2, Array({L"1层"})}, {0, CStringArray()}}) {
    CString floor = L"old";
    CStringArray out;
    EngineHandles(code, row_cells, L"", floor, out);
    EXPECT_EQ(floor, L"") << code;
  }
}

}  // namespace
}  // namespace reportdata
