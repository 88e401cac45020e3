// A generated project built into the bill and quota tables, written and read
// back into fresh tables: every node of every table file must come back, or
// differ exactly as the file format decides (the record text with a current
// partition, the sub-type the files do not keep, the per-floor files' cut
// texts and counted quantities).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/report_tables.h"
#include "model/tree_insert.h"
#include "model/tree_quantity.h"
#include "persist/report_table_files.h"
#include "persist/tree_nodes.h"
#include "support/temp_dir.h"
#include "tests/persist/generated_project.h"

namespace reportdata {
namespace {

using testing::TempDir;

// The first difference between two trees, as a path, or empty.
class TreeDiff {
 public:
  template <typename T>
  void Field(const char* name, const T& a, const T& b) {
    if (diff_.empty() && !(a == b)) diff_ = path_ + "." + name;
  }
  template <typename Items, typename Compare>
  void List(const char* name, const Items& a, const Items& b, Compare&& compare) {
    if (!diff_.empty()) return;
    if (a.size() != b.size()) {
      diff_ = path_ + "." + name + " size " + std::to_string(a.size()) + " vs " +
              std::to_string(b.size());
      return;
    }
    const std::string outer = path_;
    for (size_t i = 0; i < a.size() && diff_.empty(); ++i) {
      path_ = outer + "." + name + "[" + std::to_string(i) + "]";
      compare(a[i], b[i]);
    }
    path_ = outer;
  }
  const std::string& diff() const { return diff_; }

 private:
  std::string path_;
  std::string diff_;
};

void Compare(TreeDiff& d, const SNYTJFenLeiVarDescInfo& a, const SNYTJFenLeiVarDescInfo& b) {
  d.Field("var", a.var, b.var);
  d.Field("name", a.name, b.name);
  d.Field("value", a.value, b.value);
}
void Compare(TreeDiff& d, const SNYTJReportDEFeature& a, const SNYTJReportDEFeature& b) {
  d.Field("code", a.code, b.code);
  d.Field("name", a.name, b.name);
  d.Field("unit", a.unit, b.unit);
  d.List("categories", a.categories, b.categories, [&](auto& x, auto& y) { Compare(d, x, y); });
}
void Compare(TreeDiff& d, const PartitionShare& a, const PartitionShare& b) {
  d.Field("name", a.name, b.name);
  d.Field("formula", a.formula, b.formula);
  d.Field("quantity", a.quantity, b.quantity);
}

void Compare(TreeDiff& d, const SQdRecordNode& a, const SQdRecordNode& b) {
  d.Field("positions", a.positions, b.positions);
  d.Field("description", a.description, b.description);
  d.Field("quantity", a.quantity, b.quantity);
  d.Field("count", a.count, b.count);
  d.Field("formula", a.formula, b.formula);
  d.Field("handles", a.handles, b.handles);
  d.List("partitions", a.partitions, b.partitions, [&](auto& e, auto& f) { Compare(d, e, f); });
}
void Compare(TreeDiff& d, const SQdCompNode& a, const SQdCompNode& b) {
  d.Field("name", a.name, b.name);
  d.Field("type_path", a.type_path, b.type_path);
  d.Field("sub_type", a.sub_type, b.sub_type);
  d.List("records", a.records, b.records, [&](auto& x, auto& y) { Compare(d, x, y); });
}
void Compare(TreeDiff& d, const SQdFloorNode& a, const SQdFloorNode& b) {
  d.Field("spec", a.spec, b.spec);
  d.Field("count", a.count, b.count);
  d.Field("order_key", a.order_key, b.order_key);
  d.Field("unit", a.unit, b.unit);
  d.List("components", a.components, b.components, [&](auto& x, auto& y) { Compare(d, x, y); });
}
void Compare(TreeDiff& d, const SQdItemNode& a, const SQdItemNode& b) {
  d.Field("code", a.code, b.code);
  d.Field("name", a.name, b.name);
  d.Field("unit", a.unit, b.unit);
  d.Field("feature", a.feature, b.feature);
  d.List("quota_features", a.quota_features, b.quota_features,
         [&](auto& e, auto& f) { Compare(d, e, f); });
  d.Field("extra", a.extra, b.extra);
  d.List("floors", a.floors, b.floors, [&](auto& x, auto& y) { Compare(d, x, y); });
}
void Compare(TreeDiff& d, const SDeItemNode& a, const SDeItemNode& b) {
  d.Field("code", a.code, b.code);
  d.Field("name", a.name, b.name);
  d.Field("unit", a.unit, b.unit);
  d.List("categories", a.categories, b.categories, [&](auto& e, auto& f) { Compare(d, e, f); });
  d.Field("bill_code", a.bill_code, b.bill_code);
  d.List("floors", a.floors, b.floors, [&](auto& x, auto& y) { Compare(d, x, y); });
}
void Compare(TreeDiff& d, const SQdChapterNode& a, const SQdChapterNode& b) {
  d.Field("name", a.name, b.name);
  d.Field("order_id", a.order_id, b.order_id);
  d.List("items", a.items, b.items, [&](auto& x, auto& y) { Compare(d, x, y); });
}
void Compare(TreeDiff& d, const SQdXhlChapterNode& a, const SQdXhlChapterNode& b) {
  d.Field("name", a.name, b.name);
  d.Field("order_id", a.order_id, b.order_id);
  d.Field("code_prefix", a.code_prefix, b.code_prefix);
  d.List("items", a.items, b.items, [&](auto& x, auto& y) {
    Compare(d, x.bill, y.bill);
    d.List("quotas", x.quotas, y.quotas, [&](auto& p, auto& q) { Compare(d, p, q); });
  });
}
void Compare(TreeDiff& d, const SDeChapterNode& a, const SDeChapterNode& b) {
  d.Field("name", a.name, b.name);
  d.Field("order_id", a.order_id, b.order_id);
  d.List("items", a.items, b.items, [&](auto& x, auto& y) { Compare(d, x, y); });
}
void Compare(TreeDiff& d, const SDeFloorGroupNode& a, const SDeFloorGroupNode& b) {
  d.Field("spec", a.spec, b.spec);
  d.Field("count", a.count, b.count);
  d.Field("order_key", a.order_key, b.order_key);
  d.List("chapters", a.chapters, b.chapters, [&](auto& x, auto& y) {
    d.Field("name", x.name, y.name);
    d.Field("order_id", x.order_id, y.order_id);
    d.List("items", x.items, y.items, [&](auto& p, auto& q) {
      d.Field("code", p.code, q.code);
      d.Field("name", p.name, q.name);
      d.Field("unit", p.unit, q.unit);
      d.List("categories", p.categories, q.categories, [&](auto& e, auto& f) { Compare(d, e, f); });
      d.List("components", p.components, q.components, [&](auto& m, auto& n) { Compare(d, m, n); });
    });
  });
}
void Compare(TreeDiff& d, const SDeFloorCompGroupNode& a, const SDeFloorCompGroupNode& b) {
  d.Field("spec", a.spec, b.spec);
  d.Field("count", a.count, b.count);
  d.Field("order_key", a.order_key, b.order_key);
  d.List("components", a.components, b.components, [&](auto& x, auto& y) {
    d.Field("name", x.name, y.name);
    d.Field("type_path", x.type_path, y.type_path);
    d.List("calc_items", x.calc_items, y.calc_items, [&](auto& p, auto& q) {
      d.Field("sub_code", p.sub_code, q.sub_code);
      d.List("quotas", p.quotas, q.quotas, [&](auto& m, auto& n) {
        d.Field("code", m.code, n.code);
        d.Field("name", m.name, n.name);
        d.Field("unit", m.unit, n.unit);
        d.Field("num", m.num, n.num);
        d.List("categories", m.categories, n.categories,
               [&](auto& e, auto& f) { Compare(d, e, f); });
        d.List("records", m.records, n.records, [&](auto& r, auto& s) { Compare(d, r, s); });
      });
    });
  });
}

template <typename List>
std::string Diff(const List& a, const List& b) {
  TreeDiff d;
  d.List("top", a, b, [&](auto& x, auto& y) { Compare(d, x, y); });
  return d.diff();
}

// What the files keep of a tree: applied to every component of the
// original, it gives the component the reader returns.
template <typename Floors, typename Visit>
void ForEachComponent(Floors& floors, Visit&& visit) {
  for (SQdFloorNode& floor : floors) {
    for (SQdCompNode& component : floor.components) visit(component);
  }
}

void KeepFullRecords(SQdCompNode& component, std::wstring_view partition) {
  component.sub_type.clear();
  for (SQdRecordNode& record : component.records) {
    record.description = std::wstring(PartitionFormula(record, partition));
  }
}

ReportTables BuildTables(size_t records) {
  ReportTables tables({L"主体建筑面积"});
  for (const SNYTJQdDeClassResult& entry : reportdata::testing::GeneratedEntries(records)) {
    tables.AddClassifiedEntry(entry);
    for (const TJQd& quota : entry.quotas) tables.AddQuotaRecord(quota);
  }
  return tables;
}

class RoundTripTest : public ::testing::TestWithParam<const wchar_t*> {};

TEST_P(RoundTripTest, EveryTableComesBackAsTheFileKeepsIt) {
  const std::wstring partition = GetParam();
  ReportTables built = BuildTables(3000);
  // The project holds what the files must carry: merged records, facade
  // decoration, floor ranges, partition shares and own quotas.
  int merged = 0, facades = 0, ranges = 0, shared = 0, own_quotas = 0;
  for (const SQdChapterNode& chapter : built.bill_summary()) {
    for (const SQdItemNode& item : chapter.items) {
      own_quotas += !item.quota_features.empty();
      for (const SQdFloorNode& floor : item.floors) {
        ranges += floor.count > 1;
        for (const SQdCompNode& component : floor.components) {
          facades += component.type_path == L"ZS\\LMZS";
          for (const SQdRecordNode& record : component.records) {
            merged += record.count == 4;
            shared += !record.partitions.empty();
          }
        }
      }
    }
  }
  EXPECT_GT(merged, 100);
  EXPECT_GT(facades, 10);
  EXPECT_GT(ranges, 10);
  EXPECT_GT(shared, 100);
  EXPECT_GT(own_quotas, 5);
  TempDir dir;
  WriteBillSummary(dir.wpath(), built.bill_summary(), partition);
  WriteBillConsumption(dir.wpath(), built.bill_consumption(), partition);
  WriteConsumptionSummary(dir.wpath(), built.consumption_summary(), partition);
  WriteQuotaSummary(dir.wpath(), built.quota_summary(), partition);
  WriteQuotaByFloor(dir.wpath(), built.quota_by_floor());
  WriteQuotaByFloorComponent(dir.wpath(), built.quota_by_floor_component(), partition);

  ReportTables read({});
  ReadBillSummary(dir.wpath(), read.bill_summary());
  ReadBillConsumption(dir.wpath(), read.bill_consumption());
  ReadConsumptionSummary(dir.wpath(), read.consumption_summary());
  ReadQuotaSummary(dir.wpath(), read.quota_summary());
  ReadQuotaByFloor(dir.wpath(), read.quota_by_floor());
  ReadQuotaByFloorComponent(dir.wpath(), read.quota_by_floor_component());

  std::vector<SQdChapterNode> bill_summary = built.bill_summary();
  for (SQdChapterNode& chapter : bill_summary) {
    for (SQdItemNode& item : chapter.items) {
      ForEachComponent(item.floors, [&](SQdCompNode& c) { KeepFullRecords(c, partition); });
    }
  }
  EXPECT_EQ(Diff(read.bill_summary(), bill_summary), "");

  std::vector<SQdXhlChapterNode> consumption = built.bill_consumption();
  for (SQdXhlChapterNode& chapter : consumption) {
    for (SQdXhlItemNode& item : chapter.items) {
      ForEachComponent(item.bill.floors, [&](SQdCompNode& c) { KeepFullRecords(c, partition); });
      for (SDeItemNode& quota : item.quotas) {
        ForEachComponent(quota.floors, [&](SQdCompNode& c) { KeepFullRecords(c, partition); });
      }
    }
  }
  EXPECT_EQ(Diff(read.bill_consumption(), consumption), "");

  std::vector<SDeChapterNode> consumption_summary = built.consumption_summary();
  std::vector<SDeChapterNode> quota_summary = built.quota_summary();
  for (auto* chapters : {&consumption_summary, &quota_summary}) {
    for (SDeChapterNode& chapter : *chapters) {
      for (SDeItemNode& quota : chapter.items) {
        ForEachComponent(quota.floors, [&](SQdCompNode& c) { KeepFullRecords(c, partition); });
        if (chapters == &quota_summary) quota.bill_code.clear();  // "\de1.xml" has no "QdID"
      }
    }
  }
  EXPECT_EQ(Diff(read.consumption_summary(), consumption_summary), "");
  EXPECT_EQ(Diff(read.quota_summary(), quota_summary), "");

  // The quota-by-floor file: text cut at "||", no partition shares.
  std::vector<SDeFloorGroupNode> by_floor = built.quota_by_floor();
  for (SDeFloorGroupNode& floor : by_floor) {
    for (SDeFloorChapterNode& chapter : floor.chapters) {
      for (SDeFloorItemNode& quota : chapter.items) {
        for (SQdCompNode& component : quota.components) {
          component.sub_type.clear();
          for (SQdRecordNode& record : component.records) {
            record.description = std::wstring(CutAtBars(record.description));
            record.partitions.clear();
          }
        }
      }
    }
  }
  EXPECT_EQ(Diff(read.quota_by_floor(), by_floor), "");

  // The quota-by-floor-and-component file: one counted piece per record, the
  // first position, the text cut at "||", no shares.
  std::vector<SDeFloorCompGroupNode> by_component = built.quota_by_floor_component();
  for (SDeFloorCompGroupNode& floor : by_component) {
    for (SDeCompGroupNode& component : floor.components) {
      for (SDeCalcItemNode& calc_item : component.calc_items) {
        for (SDeCalcQuotaNode& quota : calc_item.quotas) {
          for (SQdRecordNode& record : quota.records) {
            record.quantity = RecordQuantity(record, partition);
            record.count = 1;
            record.positions = std::wstring(FirstPosition(record.positions));
            record.description = std::wstring(CutAtBars(record.description));
            record.partitions.clear();
          }
        }
      }
    }
  }
  EXPECT_EQ(Diff(read.quota_by_floor_component(), by_component), "");
}

INSTANTIATE_TEST_SUITE_P(WholeProjectAndOnePartition, RoundTripTest,
                         ::testing::Values(L"", L"一区"));

}  // namespace
}  // namespace reportdata
