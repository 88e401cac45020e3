// The host's tables reach the engine under their own table codes: on a built
// sample, every forwarded operation of a facade answers what the engine
// answers for the code of that table, so a facade wired to another table
// shows up as a different answer.
#include <gtest/gtest.h>

#include "engine/analyze.h"
#include "reportdata/facades.h"
#include "support/imported_project.h"
#include "support/records.h"

namespace reportdata {
namespace {

using testing::Texts;

struct Route {
  int code;         // tree items, layout A rows
  int stream_code;  // the stream of one item
  void (*tree)(CStringArray&);
  void (*total)(CStringArray&);
  void (*item)(CString, CStringArray&);
  void (*stream)(CString, CStringArray&);
};

template <class Facade>
constexpr Route RouteOf(int code, int stream_code,
                        void (*stream)(CString, CStringArray&) = &Facade::GetNewItemData) {
  return {code,  stream_code, &Facade::GetTreeItem, &Facade::GetTotalData, &Facade::GetItemData,
          stream};
}

// What an operation puts into an empty array.
template <class Operation>
std::vector<std::wstring> Answer(Operation operation) {
  CStringArray out;
  operation(out);
  return Texts(out);
}

constexpr Route kRoutes[] = {
    RouteOf<CInterQingDan>(1, 1, &CInterQingDan::GetNewQdHz),
    RouteOf<CInterQingDan>(1, 21, &CInterQingDan::GetNewQdHzJSS),
    RouteOf<CInterQingDan2>(2, 2),
    RouteOf<CInterQingDan2>(2, 22, &CInterQingDan2::GetNewItemDataJSS),
    RouteOf<CInterHuiZong>(3, 3),
    RouteOf<CInterHuiZong>(3, 23, &CInterHuiZong::GetNewItemDataJSS),
    RouteOf<CAARInterHuiZong>(4, 4),
    RouteOf<CInterDoorWindow>(5, 40),
    RouteOf<RoomTable1>(6, 6),
    RouteOf<RoomTable2>(7, 7),
    RouteOf<CIZBfFenXi>(10, 10),
    RouteOf<DeTable1>(11, 11),
    RouteOf<DeTable1>(11, 31, &DeTable1::GetNewItemDataJSS),
    RouteOf<DeTable2>(12, 12),
    RouteOf<DeTable2>(12, 32, &DeTable2::GetNewItemDataJSS),
    RouteOf<DeTable3>(13, 13),
    RouteOf<DeTable3>(13, 33, &DeTable3::GetNewItemDataJSS),
};

TEST(FacadesTest, EveryTableAnswersUnderItsOwnCode) {
  testing::TempDir dir;
  const CString report = testing::ImportedReport(dir, "project", testing::kSampleProject);
  CReportComMethod::ReleaseAll();
  // A build that cannot read its project puts the reason into the argument;
  // one that can empties it.
  const CString nowhere(dir.wpath() + L"/none/report");
  CString failure;
  CInterQingDan::InitQdData(nowhere, failure);
  EXPECT_FALSE(failure.IsEmpty());
  CInterQingDan::InitQdData(report, failure);
  EXPECT_TRUE(failure.IsEmpty()) << failure.str();
  EXPECT_FALSE(DeTable1::InitialTable(nowhere, failure));
  EXPECT_FALSE(failure.IsEmpty());
  ASSERT_TRUE(DeTable1::InitialTable(report, failure)) << failure.str();
  EXPECT_TRUE(failure.IsEmpty()) << failure.str();

  CAnalyze* engine = GetEngine();
  for (const Route& route : kRoutes) {
    SCOPED_TRACE(route.stream_code);
    const std::vector<std::wstring> tree = Answer(route.tree);
    ASSERT_FALSE(tree.empty());
    EXPECT_EQ(tree, Answer([&](CStringArray& out) { engine->GetTreeItem(out, route.code); }));
    EXPECT_EQ(Answer(route.total),
              Answer([&](CStringArray& out) { engine->GetTotalData(out, route.code); }));
    const CString first(tree[0]);
    EXPECT_EQ(Answer([&](CStringArray& out) { route.item(first, out); }),
              Answer([&](CStringArray& out) { engine->GetItemData(first, out, route.code); }));
    const std::vector<std::wstring> stream =
        Answer([&](CStringArray& out) { route.stream(first, out); });
    EXPECT_FALSE(stream.empty());
    EXPECT_EQ(stream, Answer([&](CStringArray& out) {
                engine->GetNewItemData(first, out, route.stream_code);
              }));
  }
}

}  // namespace
}  // namespace reportdata
